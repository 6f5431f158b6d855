#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "SysInfoFakes.h"
#include "help/FrmAbout.h"

namespace pellory {
namespace {

struct AboutBox {
    AboutBox() { about.Load(); }
    testing::FakePlatform platform;
    testing::FakeDesktop desktop;
    testing::FakeLookup lookup;
    FrmAbout about{platform, desktop, lookup, desktop};
};

TEST(AboutBox, LoadsTitleAndVersionWithOkFocused) {
    AboutBox box;
    EXPECT_EQ(box.about.lblTitle.caption, "Pellory 1031 Depreciation Solution");
    EXPECT_EQ(box.about.lblVersion.caption, "Version 3.0.2");
    EXPECT_TRUE(box.about.HasFocus(box.about.cmdOK));
    EXPECT_EQ(VersionLine({10, 0, 12}), "Version 10.0.12");
}

// Enter and Esc both press OK, which closes, wherever the focus is; System Info with nothing
// registered says so and leaves the box open.
TEST(AboutBox, EnterAndEscCloseSystemInfoStaysOpen) {
    for (const int key : {kKeyEnter, kKeyEscape}) {
        for (const bool onSysInfo : {false, true}) {
            AboutBox box;
            if (onSysInfo) {
                box.about.UserFocus(box.about.cmdSysInfo);
            }
            box.about.PressKey(key);
            EXPECT_TRUE(box.about.Closed()) << key << onSysInfo;
            EXPECT_TRUE(box.desktop.started.empty());
        }
    }
    AboutBox box;
    box.about.cmdSysInfo.Click();
    ASSERT_EQ(box.platform.boxes.size(), 1U);
    EXPECT_EQ(box.platform.boxes[0].text, "System Information Is Unavailable At This Time");
    EXPECT_FALSE(box.about.Closed());
}

// The links open the web page and the support address through the shell; a shell that cannot be
// asked is reported with number, place and description, and the box stays open.
TEST(AboutBox, LinksOpenThroughTheShellOrReportWhyNot) {
    AboutBox box;
    box.about.WebLinkClick();
    box.about.EmailClick();
    EXPECT_EQ(box.desktop.opened, (std::vector<std::string>{"https://www.pellory.example",
                                                            "mailto:support@pellory.example"}));
    EXPECT_TRUE(box.platform.boxes.empty());
    box.desktop.raise = err::kFileNotFound;
    box.about.EmailClick();
    box.desktop.raise = err::kInvalidCall;
    box.about.WebLinkClick();
    ASSERT_EQ(box.platform.boxes.size(), 2U);
    EXPECT_EQ(box.platform.boxes[0].text, "53 Error in WebLink File not found");
    EXPECT_EQ(box.platform.boxes[1].text, "5 Error in WebLink Invalid procedure call or argument");
    EXPECT_EQ(box.platform.boxes[1].title, kAppTitle);
    EXPECT_FALSE(box.about.Closed());
}

}  // namespace
}  // namespace pellory
