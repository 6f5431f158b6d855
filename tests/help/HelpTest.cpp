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

// Records what the help engine was asked to show; raises an error when told to.
class FakeViewer : public HelpViewer {
  public:
    struct Call {
        std::string kind;
        std::string path;
        const Window* owner = nullptr;
        std::string keyword;
    };

    void ShowContents(const std::string& helpFile, const Window* owner) override {
        calls.push_back({"contents", helpFile, owner, {}});
        Fail();
    }
    void ShowIndex(const std::string& helpFile, const Window* owner,
                   const std::string& keyword) override {
        calls.push_back({"index", helpFile, owner, keyword});
        Fail();
    }

    std::vector<Call> calls;
    std::optional<int> raise;

  private:
    void Fail() const {
        if (raise) {
            Raise(*raise);
        }
    }
};

class HelpAccess : public ::testing::Test {
  protected:
    testing::FakePlatform platform;
    FakeViewer viewer;
    Window mainWindow{platform};
    const std::string path = "/opt/pellory/Amberlot.hlp";
};

TEST_F(HelpAccess, ContentsOpensTheFileAtItsContentsOwnedByTheAskingWindow) {
    ShowHelpContents(platform, viewer, path, mainWindow);

    ASSERT_EQ(viewer.calls.size(), 1U);
    EXPECT_EQ(viewer.calls[0].kind, "contents");
    EXPECT_EQ(viewer.calls[0].path, path);
    EXPECT_EQ(viewer.calls[0].owner, &mainWindow);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(HelpAccess, ContentsWithoutAHelpFileShowsTheInformationMessageOnly) {
    ShowHelpContents(platform, viewer, "", mainWindow);

    EXPECT_TRUE(viewer.calls.empty());
    ASSERT_EQ(platform.boxes.size(), 1U);
    EXPECT_EQ(platform.boxes[0].text,
              "Unable to display Help Contents. There is no Help associated with this project.");
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(platform.boxes[0].title, kAppTitle);
}

TEST_F(HelpAccess, SearchOpensTheIndexWithAnEmptyKeywordAndNoOwner) {
    ShowHelpSearch(platform, viewer, path);

    ASSERT_EQ(viewer.calls.size(), 1U);
    EXPECT_EQ(viewer.calls[0].kind, "index");
    EXPECT_EQ(viewer.calls[0].path, path);
    EXPECT_EQ(viewer.calls[0].owner, nullptr);
    EXPECT_EQ(viewer.calls[0].keyword, "");

    ShowHelpSearch(platform, viewer, "");  // the path goes on unchecked
    ASSERT_EQ(viewer.calls.size(), 2U);
    EXPECT_EQ(viewer.calls[1].path, "");
    EXPECT_TRUE(platform.boxes.empty());
}

// A viewer failure is shown as its description under the application title, OK only, by both
// entries; Search does not let it escape the menu click.
TEST_F(HelpAccess, ViewerErrorsShowTheirDescription) {
    struct Case {
        const char* entry;
        int number;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"contents", err::kFileNotFound, "File not found"},
        {"contents", err::kPermissionDenied, "Permission denied"},
        {"index", err::kFileNotFound, "File not found"},
        {"index", err::kPathNotFound, "Path not found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " " + c.text);
        platform.boxes.clear();
        viewer.raise = c.number;
        if (std::string(c.entry) == "contents") {
            ShowHelpContents(platform, viewer, path, mainWindow);
        } else {
            EXPECT_NO_THROW(ShowHelpSearch(platform, viewer, path));
        }
        ASSERT_EQ(platform.boxes.size(), 1U);
        EXPECT_EQ(platform.boxes[0].text, c.text);
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(platform.boxes[0].icon, MsgIcon::None);
        EXPECT_EQ(platform.boxes[0].title, kAppTitle);
    }
}

}  // namespace
}  // namespace pellory
