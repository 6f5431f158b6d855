#pragma once

#include <string>

namespace pellory {

class Window;

// The help engine: shows a help file at its contents or at its keyword index. A file it cannot
// find or read is reported by the viewer itself, in its own window.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;

    // Opens `helpFile` at its contents, owned by `owner` (no owner window when null).
    virtual void ShowContents(const std::string& helpFile, const Window* owner) = 0;
    // Opens `helpFile` at its keyword index with `keyword` in the search field.
    virtual void ShowIndex(const std::string& helpFile, const Window* owner,
                           const std::string& keyword) = 0;
    // Opens `helpFile` at the topic `id`; at its contents when the viewer knows no topics.
    virtual void ShowTopic(const std::string& helpFile, const Window* owner,
                           const std::string& id) {
        (void)id;
        ShowContents(helpFile, owner);
    }
};

}  // namespace pellory
