#include <gtest/gtest.h>

#include <functional>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

class CalculateTest : public testing::MainWindowTest {
  public:
    void Asset(const char* cost, const char* method, const char* inService) {
        w.Type(w.txtCost, cost);
        Method(method);
        InService(inService);
    }
    void Sold(const char* date) {
        w.optAssetType.SetValue(1, true);
        w.Type(w.mskSold, date);
    }
    void Calculate() { w.cmdCalculate.Click(); }
};

TEST_F(CalculateTest, TheWorkedExampleWithTheSpecialAllowance) {
    Asset("10000", "MACRS", "03/2002");
    PickLife("5");
    w.chkBonus.value = 1;
    Calculate();
    ASSERT_EQ(Rows().size(), 6U);
    EXPECT_EQ(Rows()[0], (ScheduleRow{1, 2002, 440000, 560000}));
    EXPECT_EQ(Rows()[1], (ScheduleRow{2, 2003, 224000, 336000}));
    EXPECT_EQ(LastBasis(), 0);
    EXPECT_EQ(w.depr.Result().methodLine, "Method: MACRS 200% DB");
    EXPECT_EQ(w.stbMain.caption, "Method: MACRS 200% DB");
    EXPECT_EQ(w.stbMain.foreColor, kBlue);
    EXPECT_FALSE(w.stbMain.bold);
    EXPECT_TRUE(w.cmdPrint.enabled);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(CalculateTest, AMidQuarterTableThatFallsShortLeavesItsRemainder) {
    Asset("10000", "MACRS", "02/2002");
    PickLife("7");
    w.optConvention.SetValue(1, true);
    Calculate();
    EXPECT_EQ(Amount(1), 250000);
    EXPECT_EQ(LastBasis(), 100);
}

TEST_F(CalculateTest, RealPropertyRunsTwentyNineYears) {
    Asset("100000", "MACRS", "03/2002");
    PickLife("27.5");
    EXPECT_TRUE(w.optConvention[2].value);
    Calculate();
    EXPECT_EQ(Amount(1), 287900);
    EXPECT_EQ(Amount(10), 363650);
    EXPECT_EQ(Amount(28), 257600);
    EXPECT_EQ(LastWrittenYear(), 28);
    EXPECT_EQ(w.stbMain.caption, "Method: MACRS- Straight Line");
    // The class list's 28 gives the same schedule.
    const std::vector<ScheduleRow> typed = Rows();
    PickClass("Buildings residential 27.5)");
    Calculate();
    EXPECT_EQ(Rows(), typed);
    EXPECT_EQ(Row(28)->calendarYear, 2029);
}

TEST_F(CalculateTest, RealPropertyTypedUnderMidQuarterReportsEveryYear) {
    Asset("100000", "MACRS", "02/2002");
    w.Type(w.cboLife, "27.5");
    w.optConvention.SetValue(1, true);
    Calculate();
    ASSERT_EQ(platform.boxes.size(), 29U);
    EXPECT_EQ(platform.boxes[0].title, "MACRS Error");
    EXPECT_EQ(platform.boxes[0].text, "Err: 9[Subscript out of range]");
    ASSERT_EQ(w.depr.Result().faults.size(), 29U);
    EXPECT_EQ(w.depr.Result().faults[28].title, "MACRS Error");
    EXPECT_EQ(w.depr.Result().faults[28].number, 9);
    EXPECT_EQ(LastWrittenYear(), 0);
}

TEST_F(CalculateTest, TheSaleYearUnderEachConvention) {
    const struct {
        const char* name;
        const char* life;
        int convention;
        const char* inService;
        const char* sold;
        int lastYear;
        std::int64_t lastAmount;
    } cases[] = {
        {"half year, third year", "5", 0, "03/2002", "06/2004", 3, 96000},
        {"mid quarter, August, sold in November", "5", 1, "08/2002", "11/2004", 3, 178500},
        {"mid quarter, sold in January", "5", 1, "08/2002", "01/2004", 3, 25500},
        {"mid month, sold in March", "27.5", 2, "01/2002", "03/2004", 3, 7575},
        {"sold in the year placed in service", "5", 0, "03/2002", "12/2002", 1, 100000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        w.cmdClear.Click();
        Asset("10000", "MACRS", c.inService);
        PickLife(c.life);
        if (c.convention != 2) {
            w.optConvention.SetValue(c.convention, true);
        }
        Sold(c.sold);
        Calculate();
        EXPECT_EQ(LastWrittenYear(), c.lastYear);
        EXPECT_EQ(Amount(c.lastYear), c.lastAmount);
    }
}

TEST_F(CalculateTest, StraightLineSaleYearKeepsItsFullAmount) {
    Asset("12000", "Straight Line", "04/2002");
    w.Type(w.cboLife, "5");
    Sold("06/2004");
    Calculate();
    EXPECT_EQ(LastWrittenYear(), 3);
    EXPECT_EQ((std::vector{Amount(1), Amount(2), Amount(3)}),
              (std::vector<std::int64_t>{180000, 240000, 240000}));
    EXPECT_EQ(w.stbMain.caption, "");
    EXPECT_EQ(w.stbMain.foreColor, kBlue);
    EXPECT_EQ(w.depr.values.Convention, AveragingConvention::None);
}

TEST_F(CalculateTest, AnExchangeDepreciatesTheAdjustedCost) {
    w.optAssetType.SetValue(2, true);
    Asset("100000", "MACRS", "01/2005");
    PickLife("7");
    w.Type(w.txtSalesPrice, "40000");
    w.Type(w.txtAdjTaxBasis, "25000");
    Calculate();
    EXPECT_EQ(w.lblAdjCost.caption, "85000");
    EXPECT_EQ(Amount(1), 1214650);
    EXPECT_EQ(Basis(1), 7285350);
}

TEST_F(CalculateTest, AnExchangeWithCentsShowsThemInTheAdjustedCost) {
    w.optAssetType.SetValue(2, true);
    Asset("1000.5", "ADS", "01/2005");
    PickLife("10");
    w.Type(w.txtSalesPrice, "0.25");
    w.Type(w.txtAdjTaxBasis, "99.1");
    Calculate();
    EXPECT_EQ(w.lblAdjCost.caption, "1099.35");
}

TEST_F(CalculateTest, RowsReconcileToTheCentAndStopAtTheBasis) {
    const struct {
        const char* name;
        std::function<void(CalculateTest&)> enter;
        int year;
        std::int64_t amount;
        std::int64_t basis;
        double total;
    } cases[] = {
        {"a half cent goes to the even cent in the cell and the total",
         [](auto& t) {
             t.Asset("29430", "MACRS", "03/2016");
             t.PickClass("Land Improvements (15)");
             t.w.optConvention.SetValue(1, true);
         },
         1, 257512, 2685488, 29429.99},  // the table falls a cent short
        {"the allowance takes 30% and ADS the 70% left",
         [](auto& t) {
             t.Asset("10000", "ADS", "01/2005");
             t.PickClass("Desks (10)");
             t.w.chkBonus.value = 1;
         },
         1, 335000, 665000, 10000},
        {"ADS first-year rate rounded up: the last year takes what is left",
         [](auto& t) {
             t.Asset("12000", "ADS", "07/2008");
             t.w.Type(t.w.cboLife, "12");
         },
         13, 49960, 0, 12000},
        {"real property cents that add up past the cost",
         [](auto& t) {
             t.Asset("1499120", "MACRS", "07/1992");
             t.PickLife("39");
         },
         40, 2085264, 0, 1499120},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        w.cmdClear.Click();
        c.enter(*this);
        Calculate();
        EXPECT_EQ(Amount(c.year), c.amount);
        EXPECT_EQ(Basis(c.year), c.basis);
        EXPECT_DOUBLE_EQ(w.depr.TotalDepreciation(), c.total);
        EXPECT_TRUE(platform.boxes.empty());
    }
}

TEST_F(CalculateTest, AdsMidQuarterRecoversAlmostTheWholeCost) {
    Asset("9000", "ADS", "02/2005");
    PickLife("9");
    w.optConvention.SetValue(1, true);
    Calculate();
    EXPECT_EQ(Amount(1), 87480);
    EXPECT_EQ(Amount(10), 12510);
    EXPECT_EQ(Basis(10), 0);
}

TEST_F(CalculateTest, AnAutomobileClassWithoutTablesAsksForThem) {
    Asset("30000", "ADS", "06/2002");
    PickClass("Automobiles (5)");
    Calculate();
    EXPECT_EQ(w.stbMain.caption,
              "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.");
    EXPECT_EQ(w.stbMain.foreColor, kRed);
    EXPECT_FALSE(w.depr.values.BonusIncluded);
}

TEST_F(CalculateTest, AfterAStoppedAutoRunTheNextScheduleGetsItsAllowance) {
    Asset("30000", "MACRS", "06/2002");
    PickClass("Automobiles (5)");
    w.chkBonus.value = 1;
    Calculate();
    PickClass("Desks (7)");
    w.chkBonus.value = 1;
    Calculate();
    EXPECT_EQ(Amount(1), 1200090);  // 0.1429 x 21000 + 0.3 x 30000
}

TEST_F(CalculateTest, TwoRunsInARowStartFromZero) {
    Asset("10000", "MACRS", "03/2002");
    PickLife("5");
    Calculate();
    Calculate();
    EXPECT_EQ(Basis(1), 800000);
    EXPECT_DOUBLE_EQ(w.depr.TotalDepreciation(), 10000);
}

TEST_F(CalculateTest, ALifeOfZeroReportsTheDivision) {
    Asset("10000", "Straight Line", "03/2002");
    w.Type(w.cboLife, "0");
    Calculate();
    ASSERT_EQ(platform.boxes.size(), 1U);
    EXPECT_EQ(platform.boxes[0].title, "Calculation Error");
    EXPECT_EQ(platform.boxes[0].text, "Err: 11[Division by zero]");
    ASSERT_EQ(w.depr.Result().faults.size(), 1U);
    EXPECT_EQ(w.depr.Result().faults[0].title, "Calculation Error");
    EXPECT_EQ(LastWrittenYear(), 0);
}

TEST_F(CalculateTest, ClearReturnsToABlankForm) {
    w.optAssetType.SetValue(2, true);
    Asset("10000", "MACRS", "03/2002");
    PickClass("Buildings post 5/12/93 (39)");
    w.Type(w.txtSalesPrice, "1000");
    w.Type(w.txtAdjTaxBasis, "500");
    w.Type(w.txtDescription, "Office building");
    Calculate();
    ASSERT_TRUE(w.cmdPrint.enabled);
    w.cmdClear.Click();
    EXPECT_EQ(w.txtCost.Text(), "");
    EXPECT_EQ(w.cboMethod.ListIndex(), -1);
    EXPECT_EQ(w.cboLife.ListCount(), 0);
    EXPECT_EQ(w.cboClass.ListIndex(), -1);
    EXPECT_FALSE(w.cboClass.enabled);
    EXPECT_EQ(w.txtInService.Text(), "12/2026");
    EXPECT_EQ(w.mskSold.Text(), "__/____");
    EXPECT_EQ(w.txtSalesPrice.Text(), "");
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "");
    EXPECT_EQ(w.lblAdjCost.caption, "");
    EXPECT_EQ(w.txtDescription.Text(), "");
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(w.grdDepr.TextMatrix(1, 1), "");
    EXPECT_EQ(w.grdDepr.TextMatrix(0, 2), "  Depreciation  ");
    EXPECT_TRUE(w.optConvention[0].value);
    EXPECT_FALSE(w.optConvention[0].enabled);
    EXPECT_FALSE(w.optConvention[2].value);
    EXPECT_FALSE(w.optConvention[2].enabled);
    EXPECT_FALSE(w.fraConvention.enabled);
    EXPECT_FALSE(w.txtBusinessPercent.enabled);
    EXPECT_FALSE(w.chkBonus.enabled);
    EXPECT_FALSE(w.cmdPrint.enabled);
    EXPECT_EQ(w.Focused(), &w.txtCost);
    EXPECT_TRUE(w.optAssetType[2].value);  // the asset type stays
    EXPECT_TRUE(w.fraRelinquished.enabled);
    EXPECT_EQ(w.stbMain.caption, "");
}

}  // namespace
}  // namespace pellory
