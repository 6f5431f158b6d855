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
    EXPECT_EQ(w.stbMain.caption, "");
}

TEST_F(StartupTest, TheFormAfterLoadAndAfterClear) {
    ExpectBlankForm(w);
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

TEST_F(StartupTest, TypingInTheCostBoxFiltersAndEchoesIt) {
    w.Type(w.txtCost, "12a34567");
    EXPECT_EQ(w.txtCost.Text(), "1234567");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(w.stbMain.caption, "1,234,567");
    EXPECT_EQ(w.stbMain.foreColor, kBlue);
    w.PressKey(kKeyBackspace);
    EXPECT_EQ(w.stbMain.caption, "123,456");
    w.UserFocus(w.txtDescription);
    EXPECT_EQ(w.stbMain.caption, "");
}

TEST_F(StartupTest, RelinquishedOpensTheDateSoldAndReplacementCarriesItsBasisOver) {
    w.optAssetType.SetValue(2, true);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "") << "no basis to carry";
    w.optAssetType.SetValue(1, true);
    EXPECT_FALSE(w.fraRelinquished.enabled);
    EXPECT_TRUE(w.mskSold.enabled);
    EXPECT_EQ(w.mskSold.backColor, kWhite);
    w.Type(w.txtCost, "12345.67");
    Method("MACRS");
    InService("03/2002");
    PickLife("7");
    w.Type(w.mskSold, "06/2004");
    w.cmdCalculate.Click();
    ASSERT_EQ(LastBasis(), 647839);
    w.optAssetType.SetValue(2, true);
    EXPECT_TRUE(w.fraRelinquished.enabled);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "6478.39");
    EXPECT_EQ(w.txtSalesPrice.Text(), "");
    EXPECT_EQ(w.txtSalesPrice.backColor, kWhite);
    EXPECT_EQ(w.mskSold.Text(), "__/____");
    EXPECT_FALSE(w.mskSold.enabled);
    w.optAssetType.SetValue(0, true);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "");
    EXPECT_FALSE(w.fraRelinquished.enabled);
    EXPECT_EQ(w.txtAdjTaxBasis.backColor, kGrey);
    w.cmdCalculate.Click();  // a schedule without a sale leaves no basis to carry
    w.optAssetType.SetValue(2, true);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "");
}

}  // namespace
}  // namespace pellory
