#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "SysInfoFakes.h"
#include "help/FrmAbout.h"
#include "help/SysInfo.h"

namespace pellory {
namespace {

class AboutBox : public ::testing::Test {
  protected:
    AboutBox() { about.Load(); }

    testing::FakePlatform platform;
    testing::FakeShell shell;
    testing::FakeLookup lookup;
    testing::FakeStarter starter;
    FrmAbout about{platform, shell, lookup, starter};
};

TEST_F(AboutBox, LoadFillsTheTitleAndVersionBesideTheFixedLabels) {
    const std::vector<std::pair<const Label*, std::string>> labels = {
        {&about.lblTitle, "Pellory 1031 Depreciation Solution"},
        {&about.lblVersion, "Version 3.0.2"},
        {&about.lblDescription, "Website:"},
        {&about.lblWebLink, "www.pellory.example"},
        {&about.lblQuestion, "Questions:"},
        {&about.lblEmail, "support@pellory.example"},
    };
    for (const auto& [label, caption] : labels) {
        EXPECT_EQ(label->caption, caption) << label->Name();
    }
    EXPECT_NE(about.lblDisclaimer.caption.find("copyright"), std::string::npos);
    EXPECT_NE(about.lblDisclaimer.caption.find("distributing"), std::string::npos);
    EXPECT_EQ(about.cmdOK.caption, "OK");
    EXPECT_EQ(about.cmdSysInfo.caption, "&System Info...");
    EXPECT_EQ(about.picIcon.Name(), "picIcon");
    EXPECT_EQ(about.Caption(), "About Pellory 1031 Depreciation Solution");
    EXPECT_TRUE(about.HasFocus(about.cmdOK));
    EXPECT_FALSE(about.Closed());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(AboutBox, VersionLineWritesEachNumberAsAPlainDecimal) {
    struct Case {
        ProgramVersion version;
        const char* line;
    };
    const std::vector<Case> cases = {
        {{3, 0, 2}, "Version 3.0.2"},
        {{10, 0, 12}, "Version 10.0.12"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VersionLine(c.version), c.line);
        FrmAbout other{platform, shell, lookup, starter, c.version};
        other.Load();
        EXPECT_EQ(other.lblVersion.caption, c.line);
    }
    EXPECT_EQ(VersionLine(ThisProgramVersion()), "Version 3.0.2");
}

TEST_F(AboutBox, LinksAreBlueTheOtherLabelsPlain) {
    EXPECT_EQ(about.lblWebLink.foreColor, kBlue);
    EXPECT_EQ(about.lblEmail.foreColor, kBlue);
    for (const Label* label : {&about.lblTitle, &about.lblVersion, &about.lblDescription,
                               &about.lblQuestion, &about.lblDisclaimer}) {
        EXPECT_EQ(label->foreColor, kWindowText) << label->Name();
    }
}

TEST_F(AboutBox, EnterAndEscPressOkWhichCloses) {
    EXPECT_TRUE(about.cmdOK.isDefault);
    EXPECT_TRUE(about.cmdOK.isCancel);
    EXPECT_FALSE(about.cmdSysInfo.isDefault);
    EXPECT_FALSE(about.cmdSysInfo.isCancel);
    for (const int key : {kKeyEnter, kKeyEscape}) {
        for (const bool onSysInfo : {false, true}) {
            SCOPED_TRACE(std::to_string(key) + (onSysInfo ? " on System Info" : " on OK"));
            FrmAbout box{platform, shell, lookup, starter};
            box.Load();
            if (onSysInfo) {
                box.UserFocus(box.cmdSysInfo);
            }
            box.PressKey(key);
            EXPECT_TRUE(box.Closed());
        }
    }
    EXPECT_TRUE(starter.started.empty());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(AboutBox, SystemInfoWithNothingRegisteredSaysSoAndStaysOpen) {
    about.cmdSysInfo.Click();
    ASSERT_EQ(platform.boxes.size(), 1U);
    EXPECT_EQ(platform.boxes[0].text, "System Information Is Unavailable At This Time");
    EXPECT_FALSE(about.Closed());
}

TEST_F(AboutBox, LinksOpenTheWebPageAndTheSupportAddressThroughTheShell) {
    about.WebLinkClick();
    about.EmailClick();
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"https://www.pellory.example",
                                                      "mailto:support@pellory.example"}));
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_FALSE(about.Closed());
}

TEST_F(AboutBox, ALinkThatFailsReportsNumberPlaceAndDescription) {
    struct Case {
        int number;
        const char* text;
    };
    const std::vector<Case> cases = {
        {err::kInvalidCall, "5 Error in WebLink Invalid procedure call or argument"},
        {err::kFileNotFound, "53 Error in WebLink File not found"},
    };
    for (const Case& c : cases) {
        for (const bool email : {false, true}) {
            platform.boxes.clear();
            shell.raise = c.number;
            email ? about.EmailClick() : about.WebLinkClick();
            ASSERT_EQ(platform.boxes.size(), 1U);
            EXPECT_EQ(platform.boxes[0].text, c.text);
            EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
            EXPECT_EQ(platform.boxes[0].title, kAppTitle);
        }
    }
    EXPECT_FALSE(about.Closed());
}

}  // namespace
}  // namespace pellory
