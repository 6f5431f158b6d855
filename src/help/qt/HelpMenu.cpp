#include "help/qt/HelpMenu.h"

#include "help/Help.h"
#include "help/qt/AboutDialog.h"

namespace pellory::helpqt {

HelpMenu::HelpMenu(FrmViewDepr& mainWindow, QWidget* mainWidget)
    : mainWindow_(mainWindow), viewer_(mainWidget) {
    mainWindow_.showAbout = [this, mainWidget] {
        ShowAboutBox(mainWindow_.platform(), mainWidget);
    };
    mainWindow_.showHelpContents = [this] {
        ShowHelpContents(mainWindow_.platform(), viewer_, mainWindow_.helpFilePath, mainWindow_);
    };
    mainWindow_.showHelpSearch = [this] {
        ShowHelpSearch(mainWindow_.platform(), viewer_, mainWindow_.helpFilePath);
    };
}

HelpMenu::~HelpMenu() {
    mainWindow_.showAbout = nullptr;
    mainWindow_.showHelpContents = nullptr;
    mainWindow_.showHelpSearch = nullptr;
}

}  // namespace pellory::helpqt
