#include "print/qt/QtMousePointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace pellory {

QtMousePointer::~QtMousePointer() {
    Show(PointerShape::Arrow);
}

void QtMousePointer::Show(PointerShape shape) {
    if (QGuiApplication::instance() == nullptr) {
        return;
    }
    if (shape == PointerShape::Hourglass) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++overrides_;
        return;
    }
    for (; overrides_ > 0; --overrides_) {
        QGuiApplication::restoreOverrideCursor();
    }
}

}  // namespace pellory
