#include "help/Help.h"

#include "platform/RuntimeError.h"

namespace pellory {

namespace {

void ReportViewerError(Platform& platform, const RuntimeError& error) {
    platform.MsgBox(error.Description(), MsgButtons::Ok, MsgIcon::None, {});
}

}  // namespace

void ShowHelpContents(Platform& platform, HelpViewer& viewer, const std::string& helpFilePath,
                      const Window& window) {
    if (helpFilePath.empty()) {
        platform.MsgBox(kNoHelpMessage, MsgButtons::Ok, MsgIcon::Information, {});
        return;
    }
    try {
        viewer.ShowContents(helpFilePath, &window);
    } catch (const RuntimeError& error) {
        ReportViewerError(platform, error);
    }
}

void ShowHelpSearch(Platform& platform, HelpViewer& viewer, const std::string& helpFilePath) {
    // An error here would otherwise end the program from inside a menu click; it is reported
    // as Contents reports it.
    try {
        viewer.ShowIndex(helpFilePath, nullptr, {});
    } catch (const RuntimeError& error) {
        ReportViewerError(platform, error);
    }
}

}  // namespace pellory
