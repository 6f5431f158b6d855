#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "controls/Window.h"
#include "help/Help.h"
#include "platform/RuntimeError.h"

namespace pellory {
namespace {

// Records what the help engine was asked to show as "kind path owner keyword"; fails when told.
class FakeViewer : public HelpViewer {
  public:
    void ShowContents(const std::string& file, const Window* owner) override {
        Record("contents " + file, owner, "");
    }
    void ShowIndex(const std::string& file, const Window* owner, const std::string& key) override {
        Record("index " + file, owner, key);
    }
    std::vector<std::string> calls;
    std::optional<int> raise;

  private:
    void Record(const std::string& what, const Window* owner, const std::string& key) {
        calls.push_back(what + (owner != nullptr ? " owned" : " free") + " [" + key + "]");
        if (raise) {
            Raise(*raise);
        }
    }
};

// Contents opens the file owned by the asking window, Search its index with an empty keyword and
// no owner; a viewer's failure is its description under the application title, OK only.
TEST(HelpAccess, ContentsAndSearchOpenTheViewerOrSayWhyNot) {
    const std::string path = "/opt/pellory/Amberlot.hlp";
    const struct {
        bool search;
        std::string path;
        std::optional<int> error;
        std::string call;
        std::string box;
    } cases[] = {
        {false, path, std::nullopt, "contents " + path + " owned []", ""},
        {true, path, std::nullopt, "index " + path + " free []", ""},
        {true, "", std::nullopt, "index  free []", ""},
        {false, "", std::nullopt, "",
         "Unable to display Help Contents. There is no Help associated with this project."},
        {false, path, err::kPermissionDenied, "contents " + path + " owned []",
         "Permission denied"},
        {true, path, err::kPathNotFound, "index " + path + " free []", "Path not found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call + c.box);
        testing::FakePlatform platform;
        FakeViewer viewer;
        const Window mainWindow(platform);
        viewer.raise = c.error;
        if (c.search) {
            EXPECT_NO_THROW(ShowHelpSearch(platform, viewer, c.path));
        } else {
            ShowHelpContents(platform, viewer, c.path, mainWindow);
        }
        EXPECT_EQ(viewer.calls,
                  c.call.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.call});
        ASSERT_EQ(platform.boxes.size(), c.box.empty() ? 0U : 1U);
        if (!c.box.empty()) {
            EXPECT_EQ(platform.boxes[0].text, c.box);
            EXPECT_EQ(platform.boxes[0].title, kAppTitle);
            EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
            EXPECT_EQ(platform.boxes[0].icon, c.error ? MsgIcon::None : MsgIcon::Information);
        }
    }
}

}  // namespace
}  // namespace pellory
