#pragma once

#include "app/FrmViewDepr.h"
#include "help/qt/QtHelpViewer.h"

class QWidget;

namespace pellory::helpqt {

// The main window's Help menu on the desktop: About shows the About box modally over
// `mainWidget`, Contents opens the help file at its contents above `mainWidget`'s window, Search
// at its keyword index. Fills the main window model's hooks for as long as it lives.
class HelpMenu {
  public:
    HelpMenu(FrmViewDepr& mainWindow, QWidget* mainWidget);
    ~HelpMenu();
    HelpMenu(const HelpMenu&) = delete;
    HelpMenu& operator=(const HelpMenu&) = delete;

    QtHelpViewer& viewer() { return viewer_; }

  private:
    FrmViewDepr& mainWindow_;
    QtHelpViewer viewer_;
};

}  // namespace pellory::helpqt
