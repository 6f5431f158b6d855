#include "help/qt/QtHelpViewer.h"

#include <QWidget>
#include <QWindow>

namespace pellory::helpqt {

QtHelpViewer::QtHelpViewer(QWidget* ownerWidget) : ownerWidget_(ownerWidget) {}

QtHelpViewer::~QtHelpViewer() = default;

bool QtHelpViewer::Present(const std::string& helpFile, const Window* owner) {
    if (!window_) {
        window_ = std::make_unique<HelpWindow>();
    }
    const bool opened = window_->Open(helpFile);
    window_->winId();  // gives the window its platform window, to set its owner on
    QWindow* ownerWindow = nullptr;
    if (owner != nullptr && ownerWidget_ != nullptr) {
        ownerWindow = ownerWidget_->window()->windowHandle();
    }
    window_->windowHandle()->setTransientParent(ownerWindow);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return opened;
}

void QtHelpViewer::ShowContents(const std::string& helpFile, const Window* owner) {
    if (Present(helpFile, owner)) {
        window_->ShowContents();
    }
}

void QtHelpViewer::ShowIndex(const std::string& helpFile, const Window* owner,
                             const std::string& keyword) {
    if (Present(helpFile, owner)) {
        window_->ShowIndex(keyword);
    }
}

void QtHelpViewer::ShowTopic(const std::string& helpFile, const Window* owner,
                             const std::string& id) {
    if (Present(helpFile, owner) && !window_->ShowTopic(id)) {
        window_->ShowContents();
    }
}

}  // namespace pellory::helpqt
