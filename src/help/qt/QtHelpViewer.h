#pragma once

#include <memory>
#include <string>

#include "help/HelpViewer.h"
#include "help/qt/HelpWindow.h"

class QWidget;

namespace pellory::helpqt {

// The help engine of the program: one help window, made at the first request and kept until
// the viewer goes (before the application object). A request with an owner window keeps the
// help window above `ownerWidget`'s window.
class QtHelpViewer : public HelpViewer {
  public:
    explicit QtHelpViewer(QWidget* ownerWidget = nullptr);
    ~QtHelpViewer() override;
    QtHelpViewer(const QtHelpViewer&) = delete;
    QtHelpViewer& operator=(const QtHelpViewer&) = delete;

    void ShowContents(const std::string& helpFile, const Window* owner) override;
    void ShowIndex(const std::string& helpFile, const Window* owner,
                   const std::string& keyword) override;
    void ShowTopic(const std::string& helpFile, const Window* owner,
                   const std::string& id) override;

    // The help window; null before the first request.
    HelpWindow* helpWindow() const { return window_.get(); }

  private:
    // Opens the file in the window, shown and raised above its owner; false when the window
    // shows why the file cannot be read.
    bool Present(const std::string& helpFile, const Window* owner);

    QWidget* ownerWidget_;
    std::unique_ptr<HelpWindow> window_;
};

}  // namespace pellory::helpqt
