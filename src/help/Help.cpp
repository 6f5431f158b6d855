#include "help/Help.h"

#include "platform/ErrorReport.h"

namespace pellory {

namespace {

// A run-time error of the viewer shows its description alone.
ErrorReport ViewerErrors(Platform& platform) {
    return {platform, ErrorReport::Form::Description, {}, {}};
}

}  // namespace

void ShowHelpContents(Platform& platform, HelpViewer& viewer, const std::string& helpFilePath,
                      const Window& window) {
    if (helpFilePath.empty()) {
        platform.MsgBox(kNoHelpMessage, MsgButtons::Ok, MsgIcon::Information, {});
        return;
    }
    ViewerErrors(platform)([&] { viewer.ShowContents(helpFilePath, &window); });
}

void ShowHelpTopic(Platform& platform, HelpViewer& viewer, const std::string& helpFilePath,
                   const Window& window, const std::string& id) {
    if (helpFilePath.empty()) {
        platform.MsgBox(kNoHelpMessage, MsgButtons::Ok, MsgIcon::Information, {});
        return;
    }
    ViewerErrors(platform)([&] { viewer.ShowTopic(helpFilePath, &window, id); });
}

void ShowHelpSearch(Platform& platform, HelpViewer& viewer, const std::string& helpFilePath) {
    // An error here would otherwise end the program from inside a menu click; it is reported
    // as Contents reports it.
    ViewerErrors(platform)([&] { viewer.ShowIndex(helpFilePath, nullptr, {}); });
}

}  // namespace pellory
