#include <gtest/gtest.h>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

using StartupTest = testing::MainWindowTest;

// What a loaded window and a cleared one share.
void ExpectBlankForm(const FrmViewDepr& w) {
    EXPECT_EQ(w.txtCost.Text(), "");
    EXPECT_EQ(w.cboMethod.ListIndex(), -1);
    EXPECT_EQ(w.cboLife.ListCount(), 0);
    EXPECT_EQ(w.cboClass.ListIndex(), -1);
    EXPECT_FALSE(w.cboClass.enabled);
    EXPECT_EQ(w.cboClass.backColor, kGrey);
    EXPECT_EQ(w.txtInService.Text(), "12/2026");
    EXPECT_EQ(w.mskSold.Text(), "__/____");
    EXPECT_FALSE(w.txtBusinessPercent.enabled);
    EXPECT_EQ(w.txtBusinessPercent.backColor, kGrey);
    EXPECT_FALSE(w.fraConvention.enabled);
    EXPECT_TRUE(w.optConvention[0].value);
    EXPECT_FALSE(w.optConvention[2].value);
    EXPECT_FALSE(w.optConvention[2].enabled);
    EXPECT_FALSE(w.chkBonus.enabled);
    EXPECT_FALSE(w.cmdPrint.enabled);
    EXPECT_TRUE(w.depr.Result().rows.empty());
    EXPECT_EQ(w.grdDepr.TextMatrix(1, 1), "");
    EXPECT_EQ(w.grdDepr.TextMatrix(0, 2), "  Depreciation  ");
    EXPECT_EQ(w.stbMain.caption, "");
}

TEST_F(StartupTest, TheFormAfterLoadAndAfterClear) {
    ExpectBlankForm(w);
    EXPECT_EQ(w.caption, "Pellory 1031 Depreciation Solution");
    EXPECT_TRUE(w.optAssetType[0].value);
    EXPECT_FALSE(w.fraRelinquished.enabled);
    EXPECT_FALSE(w.mskSold.enabled);
    EXPECT_EQ(w.helpFilePath, (platform.folder / "Amberlot.hlp").string());

    w.optAssetType.SetValue(2, true);
    w.Type(w.txtCost, "10000");
    Method("MACRS");
    InService("03/2002");
    PickClass("Buildings post 5/12/93 (39)");
    w.Type(w.txtSalesPrice, "1000");
    w.Type(w.txtAdjTaxBasis, "500");
    w.Type(w.txtDescription, "Office building");
    w.cmdCalculate.Click();
    ASSERT_TRUE(w.cmdPrint.enabled);
    w.cmdClear.Click();
    ExpectBlankForm(w);
    EXPECT_EQ(w.txtSalesPrice.Text(), "");
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "");
    EXPECT_EQ(w.lblAdjCost.caption, "");
    EXPECT_EQ(w.txtDescription.Text(), "");
    EXPECT_EQ(w.Focused(), &w.txtCost);
    EXPECT_TRUE(w.optAssetType[2].value);  // the asset type stays
    EXPECT_TRUE(w.fraRelinquished.enabled);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(StartupTest, TheButtonsAndMenusAskTheDesktopForItsServices) {
    struct Recording : NoServices {
        std::vector<std::string> asked;
        const Window* owner = nullptr;
        void PopUpMenu(const Menu& menu) override { asked.push_back(menu.name); }
        void ShowHelpContents(const std::string& path, const Window& above) override {
            asked.push_back("contents " + path + (&above == owner ? " above the window" : ""));
        }
        void ShowHelpSearch(const std::string& path) override { asked.push_back("search " + path); }
        void ShowAbout() override { asked.push_back("about"); }
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

TEST_F(StartupTest, TypingInTheCostBoxFiltersAndEchoesIt) {
    w.Type(w.txtCost, "12a34567");
    EXPECT_EQ(w.txtCost.Text(), "1234567");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(w.stbMain.caption, "1,234,567");
    EXPECT_EQ(w.stbMain.foreColor, kBlue);
    w.UserFocus(w.txtDescription);
    EXPECT_EQ(w.stbMain.caption, "");
    w.Type(w.txtCost, "99999999999");  // focus selects the whole text, so typing replaces it
    EXPECT_EQ(w.txtCost.Text(), "9999999999");
    w.UserFocus(w.txtDescription);
    w.Type(w.txtCost, "0");  // an empty or zero amount echoes nothing
    EXPECT_EQ(w.stbMain.caption, "");
    w.PressKey(kKeyBackspace);
    EXPECT_EQ(w.stbMain.caption, "");
    w.Type(w.txtCost, "1234.5");
    EXPECT_EQ(w.stbMain.caption, "1,234");
}

}  // namespace
}  // namespace pellory
