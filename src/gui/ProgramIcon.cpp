#include "gui/ProgramIcon.h"

#include <QApplication>

namespace pellory::gui {

namespace {

constexpr const char* kAppId = "example.pellory.Pellory";

}  // namespace

QIcon ProgramIcon() {
    return QIcon::fromTheme(QString::fromLatin1(kAppId),
                            QIcon(QStringLiteral(":/%1.png").arg(QString::fromLatin1(kAppId))));
}

void ShowProgramIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace pellory::gui
