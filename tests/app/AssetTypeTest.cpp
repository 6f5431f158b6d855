#include <gtest/gtest.h>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

using AssetTypeTest = testing::MainWindowTest;

TEST_F(AssetTypeTest, RelinquishedOpensTheDateSold) {
    w.optAssetType.SetValue(1, true);
    EXPECT_FALSE(w.fraRelinquished.enabled);
    EXPECT_TRUE(w.mskSold.enabled);
    EXPECT_EQ(w.mskSold.backColor, kWhite);
    EXPECT_TRUE(w.lblSoldDate.enabled);
    w.Type(w.mskSold, "05/2004");
    w.optAssetType.SetValue(0, true);
    EXPECT_EQ(w.mskSold.Text(), "__/____");
    w.optAssetType.SetValue(1, true);
    EXPECT_EQ(w.mskSold.Text(), "__/____");
}

TEST_F(AssetTypeTest, ReplacementCarriesTheRelinquishedBasisOver) {
    w.optAssetType.SetValue(1, true);
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
    EXPECT_TRUE(w.lbladjustedCost.enabled);
    EXPECT_EQ(w.mskSold.Text(), "__/____");
    EXPECT_FALSE(w.mskSold.enabled);
    w.optAssetType.SetValue(0, true);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "");
    EXPECT_FALSE(w.fraRelinquished.enabled);
    EXPECT_EQ(w.txtAdjTaxBasis.backColor, kGrey);
}

TEST_F(AssetTypeTest, NoBasisToCarryLeavesTheFieldEmpty) {
    w.optAssetType.SetValue(2, true);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "");
    w.optAssetType.SetValue(0, true);
    w.Type(w.txtCost, "10000");
    Method("MACRS");
    InService("03/2002");
    PickLife("5");
    w.cmdCalculate.Click();
    EXPECT_EQ(w.depr.values.AdjustedBasis, 0);
    w.optAssetType.SetValue(2, true);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "");
}

}  // namespace
}  // namespace pellory
