#include <gtest/gtest.h>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

using StartupTest = testing::MainWindowTest;

TEST_F(StartupTest, TheWindowAfterLoad) {
    EXPECT_EQ(w.caption, "Pellory 1031 Depreciation Solution");
    EXPECT_EQ(w.txtInService.Text(), "12/2026");
    EXPECT_EQ(w.mskSold.Text(), "__/____");
    ASSERT_EQ(w.cboMethod.ListCount(), 4);
    EXPECT_EQ(w.cboMethod.Items()[3].text, "Straight Line");
    EXPECT_EQ(w.cboMethod.ListIndex(), -1);
    EXPECT_FALSE(w.txtBusinessPercent.enabled);
    EXPECT_FALSE(w.lblAutoBusiness.enabled);
    EXPECT_EQ(w.txtBusinessPercent.backColor, kGrey);
    EXPECT_FALSE(w.cboClass.enabled);
    EXPECT_EQ(w.cboClass.backColor, kGrey);
    EXPECT_FALSE(w.fraConvention.enabled);
    EXPECT_TRUE(w.optConvention[0].value);
    EXPECT_FALSE(w.optConvention[2].enabled);
    EXPECT_FALSE(w.chkBonus.enabled);
    EXPECT_FALSE(w.cmdPrint.enabled);
    EXPECT_TRUE(w.optAssetType[0].value);
    EXPECT_FALSE(w.fraRelinquished.enabled);
    EXPECT_EQ(w.txtSalesPrice.backColor, kGrey);
    EXPECT_FALSE(w.mskSold.enabled);
    EXPECT_FALSE(w.lblSoldDate.enabled);
    EXPECT_EQ(w.grdDepr.TextMatrix(0, 1), " Year ");
    EXPECT_EQ(w.helpFilePath, (platform.folder / "Amberlot.hlp").string());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(StartupTest, CaptionsAndLimits) {
    EXPECT_EQ(w.fraRelinquished.caption, "Relinquished Property (1031 && 1033)");
    EXPECT_EQ(w.Label2.caption, "Or   Type:");
    EXPECT_EQ(w.cmdClear.caption, "C&lear");
    EXPECT_EQ(w.chkBonus.caption, "30% Special Depreciation Allowance");
    EXPECT_EQ(w.txtCost.maxLength, 10);
    EXPECT_EQ(w.txtBusinessPercent.maxLength, 4);
    EXPECT_EQ(w.txtDescription.maxLength, 100);
    EXPECT_TRUE(w.cmdCalculate.isDefault);
    ASSERT_EQ(w.mnuTools.entries.size(), 6U);
    EXPECT_EQ(w.mnuTools.entries[1].caption, "Automobile Max Amount");
    EXPECT_EQ(w.mnuTools.entries[2].name, "munElectricAuto");
    EXPECT_EQ(w.mnuhelp.entries[2].name, "munSearch");
    EXPECT_EQ(w.TabOrder()[3], &w.txtCost);
    EXPECT_EQ(w.txtCost.tabIndex, 3);
    EXPECT_EQ(w.cmdHelp.tabIndex, 21);
}

TEST_F(StartupTest, TheButtonsAndMenusAskTheDesktopForItsServices) {
    // Records what the window asks for, in order.
    struct Recording : NoServices {
        std::vector<std::string> asked;
        void PopUpMenu(const Menu& menu) override { asked.push_back(menu.name); }
        void ShowHelpContents(const std::string& path, const Window& above) override {
            asked.push_back("contents " + path + (&above == owner ? " above the window" : ""));
        }
        void ShowHelpSearch(const std::string& path) override { asked.push_back("search " + path); }
        void ShowAbout() override { asked.push_back("about"); }
        const Window* owner = nullptr;
    } services;
    services.owner = &w;
    w.SetServices(&services);
    w.cmdTools.Click();
    w.cmdHelp.Click();
    for (const MenuEntry& entry : w.mnuhelp.entries) {
        entry.onClick();
    }
    const std::string help = (platform.folder / "Amberlot.hlp").string();
    EXPECT_EQ(services.asked, (std::vector<std::string>{"mnuTools", "mnuhelp", "about",
                                                        "contents " + help + " above the window",
                                                        "search " + help}));
}

TEST_F(StartupTest, TypingInTheCostBox) {
    w.Type(w.txtCost, "12a34567");
    EXPECT_EQ(w.txtCost.Text(), "1234567");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(w.stbMain.caption, "1,234,567");
    EXPECT_EQ(w.stbMain.foreColor, kBlue);
    w.UserFocus(w.txtDescription);
    EXPECT_EQ(w.stbMain.caption, "");
    w.Type(w.txtCost, "9");  // focus selects the whole text, so typing replaces it
    EXPECT_EQ(w.txtCost.Text(), "9");
    w.Type(w.txtCost, "99999999999");
    EXPECT_EQ(w.txtCost.Text(), "9999999999");
}

TEST_F(StartupTest, TheEchoOfAnEmptyOrZeroAmountIsEmpty) {
    w.Type(w.txtCost, "0");
    EXPECT_EQ(w.stbMain.caption, "");
    w.PressKey(kKeyBackspace);
    EXPECT_EQ(w.stbMain.caption, "");
    w.Type(w.txtCost, "1234.5");
    EXPECT_EQ(w.stbMain.caption, "1,234");
}

}  // namespace
}  // namespace pellory
