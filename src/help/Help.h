#pragma once

#include <string>

#include "help/HelpViewer.h"
#include "platform/Platform.h"

namespace pellory {

class Window;

inline constexpr const char* kNoHelpMessage =
    "Unable to display Help Contents. There is no Help associated with this project.";

// The Help menu's Contents: the help file at its contents, owned by `window`. An empty path
// shows the information message above instead; a run-time error of the viewer shows its
// description.
void ShowHelpContents(Platform& platform, HelpViewer& viewer, const std::string& helpFilePath,
                      const Window& window);

// F1: the help file at the topic `id`, owned by `window`; as Contents when the path is empty or
// the viewer fails.
void ShowHelpTopic(Platform& platform, HelpViewer& viewer, const std::string& helpFilePath,
                   const Window& window, const std::string& id);

// The Help menu's Search: the help file at its keyword index with an empty search field and no
// owner window. The path goes to the viewer as it is, even when empty; a run-time error of the
// viewer shows its description.
void ShowHelpSearch(Platform& platform, HelpViewer& viewer, const std::string& helpFilePath);

}  // namespace pellory
