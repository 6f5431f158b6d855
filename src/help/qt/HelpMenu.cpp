#include "help/qt/HelpMenu.h"

#include "help/Help.h"
#include "help/qt/AboutDialog.h"

namespace pellory::helpqt {

HelpMenu::HelpMenu(Platform& platform, QWidget* mainWidget)
    : platform_(platform), mainWidget_(mainWidget), viewer_(mainWidget) {}

void HelpMenu::ShowAbout() {
    ShowAboutBox(platform_, mainWidget_);
}

void HelpMenu::ShowContents(const std::string& helpFilePath, const Window& owner) {
    ShowHelpContents(platform_, viewer_, helpFilePath, owner);
}

void HelpMenu::ShowTopic(const std::string& helpFilePath, const Window& owner,
                         const std::string& id) {
    ShowHelpTopic(platform_, viewer_, helpFilePath, owner, id);
}

void HelpMenu::ShowSearch(const std::string& helpFilePath) {
    ShowHelpSearch(platform_, viewer_, helpFilePath);
}

}  // namespace pellory::helpqt
