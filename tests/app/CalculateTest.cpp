#include <gtest/gtest.h>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

using CalculateTest = testing::MainWindowTest;

// Calculate reads every box it needs (the amounts of each method are pinned by the engine's
// tests, and the differential test holds the boxes to the command line's reading): a class,
// the allowance box and an exchange. A second run starts from zero.
TEST_F(CalculateTest, ReadsTheBoxesAndASecondRunStartsFromZero) {
    w.optAssetType.SetValue(2, true);
    w.Type(w.txtCost, "100000");
    Method("MACRS");
    InService("01/2005");
    PickClass("Desks (7)");
    w.chkBonus.value = 1;
    w.Type(w.txtSalesPrice, "40000");
    w.Type(w.txtAdjTaxBasis, "25000");
    for (int run = 0; run < 2; ++run) {
        w.cmdCalculate.Click();
        EXPECT_EQ(w.lblAdjCost.caption, "85000");
        EXPECT_EQ(Amount(1), 3400255);  // 0.3 x 85,000 + 0.1429 x 59,500
        EXPECT_EQ(Rows().size(), 8U);
        EXPECT_EQ(LastBasis(), 0);
        EXPECT_EQ(w.stbMain.caption, "Method: MACRS 200% DB");
        EXPECT_EQ(w.stbMain.foreColor, kBlue);
    }
    EXPECT_TRUE(w.cmdPrint.enabled);
    EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
}  // namespace pellory
