#pragma once

#include <string>

#include "controls/Window.h"
#include "help/qt/QtHelpViewer.h"
#include "platform/Platform.h"

class QWidget;

namespace pellory::helpqt {

// The main window's Help menu on the desktop: About shows the About box modally over
// `mainWidget`, Contents opens the help file at its contents above `mainWidget`'s window, Search
// at its keyword index.
class HelpMenu {
  public:
    HelpMenu(Platform& platform, QWidget* mainWidget);

    void ShowAbout();
    void ShowContents(const std::string& helpFilePath, const Window& owner);
    void ShowSearch(const std::string& helpFilePath);
    void ShowTopic(const std::string& helpFilePath, const Window& owner, const std::string& id);

    QtHelpViewer& viewer() { return viewer_; }

  private:
    Platform& platform_;
    QWidget* mainWidget_;
    QtHelpViewer viewer_;
};

}  // namespace pellory::helpqt
