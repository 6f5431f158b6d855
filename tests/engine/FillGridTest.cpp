#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "FakeScheduleWindow.h"
#include "engine/Depr.h"

namespace pellory {
namespace {

class FillGridTest : public ::testing::Test {
  protected:
    FillGridTest() { depr.values.ResetTotal = true; }
    testing::FakePlatform platform;
    testing::FakeScheduleWindow window;
    Depr depr{window, platform};
};

TEST_F(FillGridTest, HeadingsWidthsAndAlignment) {
    depr.SetGridHeadings();
    EXPECT_EQ(window.grid.ColWidth(0), 0);
    for (int group = 0; group < 4; ++group) {
        const int c = group * 3 + 1;
        EXPECT_EQ(window.grid.TextMatrix(0, c), " Year ");
        EXPECT_EQ(window.grid.TextMatrix(0, c + 1), "  Depreciation  ");
        EXPECT_EQ(window.grid.TextMatrix(0, c + 2), " Adj. Tax Basis ");
        EXPECT_EQ(window.grid.ColWidth(c), 460);
        EXPECT_EQ(window.grid.ColWidth(c + 1), 1280);
        EXPECT_EQ(window.grid.ColWidth(c + 2), 1280);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(window.grid.ColAlignment(c + k), CellAlignment::RightCenter);
        }
    }
}

TEST_F(FillGridTest, YearsFillFourColumnGroupsOfElevenRows) {
    window.cost = "44000";
    for (std::int16_t year = 1; year <= 44; ++year) {
        depr.FillGrid(year, 1000);
    }
    const struct {
        int row;
        int col;
        const char* year;
        const char* basis;
    } cases[] = {
        {1, 1, "2002", "43,000.00 "},  {11, 1, "2012", "33,000.00 "}, {1, 4, "2013", "32,000.00 "},
        {1, 10, "2035", "10,000.00 "}, {11, 10, "2045", ".00 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(window.grid.TextMatrix(c.row, c.col), c.year);
        EXPECT_EQ(window.grid.TextMatrix(c.row, c.col + 1), "1,000.00 ");
        EXPECT_EQ(window.grid.TextMatrix(c.row, c.col + 2), c.basis);
    }
    EXPECT_TRUE(window.printEnabled);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(FillGridTest, AYearBeyondTheGridIsReportedBeforeTheTotalChanges) {
    depr.FillGrid(1, 100);
    depr.FillGrid(45, 100);
    ASSERT_EQ(platform.boxes.size(), 1U);
    EXPECT_EQ(platform.boxes[0].title, "Fill Grid Error");
    EXPECT_EQ(platform.boxes[0].text, "Err: 30009[Invalid Row value]");
    EXPECT_DOUBLE_EQ(depr.TotalDepreciation(), 100);
}

TEST_F(FillGridTest, BaseYearFromTheInServiceBoxOrTheClock) {
    window.inService = "07/2002";
    depr.FillGrid(1, 10);
    depr.FillGrid(2, 10);
    EXPECT_EQ(window.Cell(1, 0), "2002");
    EXPECT_EQ(window.Cell(2, 0), "2003");
    window.inService = "__/____";
    depr.FillGrid(1, 10);
    EXPECT_EQ(window.Cell(1, 0), "2026");
    window.inService = "01/0000";
    depr.FillGrid(1, 10);
    EXPECT_EQ(window.Cell(1, 0), "1");
}

TEST_F(FillGridTest, AnAllowanceAlreadyIncludedIsNotAddedAgain) {
    window.bonus = true;
    depr.values.BonusIncluded = true;
    depr.FillGrid(1, 3060);
    EXPECT_EQ(window.Cell(1, 1), "3,060.00 ");
}

TEST_F(FillGridTest, AZeroYearWritesNoRowButCounts) {
    depr.FillGrid(1, 0);
    EXPECT_FALSE(window.printEnabled);
    depr.FillGrid(2, 2500.004);
    EXPECT_EQ(window.Cell(1, 0), "");
    EXPECT_EQ(window.Cell(1, 1), "");
    EXPECT_EQ(window.Cell(2, 2), "7,500.00 ");
}

TEST_F(FillGridTest, CentsHalfToEvenAndNeverPastTheBasis) {
    window.cost = "1000";
    const struct {
        double amount;
        const char* shown;
        const char* basis;
    } years[] = {
        {0.125, ".12 ", "999.88 "},  // shown as the total takes it
        {0.135, ".14 ", "999.74 "},
        {0.004, "", ""},  // dust: no row
        {998.74, "998.74 ", "1.00 "},
        {0.5, ".50 ", ".00 "},  // below one dollar of basis
        {5, ".50 ", ".00 "},    // the year that reaches the basis takes what is left
        {5, "", ""},
    };
    std::int16_t year = 1;
    for (const auto& y : years) {
        depr.FillGrid(year, y.amount);
        EXPECT_EQ(window.Cell(year, 1), y.shown) << year;
        EXPECT_EQ(window.Cell(year, 2), y.basis) << year;
        ++year;
    }
    EXPECT_DOUBLE_EQ(depr.TotalDepreciation(), 1000);
    EXPECT_DOUBLE_EQ(depr.values.AdjustedBasis, 0);
}

TEST_F(FillGridTest, BusinessCostFromTheShareOrTheExchange) {
    const struct {
        const char* business;
        const char* adjCost;
        const char* basis;
    } cases[] = {
        {"50", "", "4,000.00 "},     {".5", "", "4,000.00 "},   {"0.5", "", "4,000.00 "},
        {"", "", "9,000.00 "},       {"100", "", "9,000.00 "},  {"1", "", ".00 "},
        {"", "60000", "59,000.00 "}, {"", "-500", "9,000.00 "},
    };
    for (const auto& c : cases) {
        window.business = c.business;
        window.adjCost = c.adjCost;
        depr.values.ResetTotal = true;
        depr.FillGrid(1, 1000);
        EXPECT_EQ(window.Cell(1, 2), c.basis) << c.business << " / " << c.adjCost;
    }
}

TEST_F(FillGridTest, ACostThatIsNotANumberIsReported) {
    window.cost = "12a";
    depr.FillGrid(1, 100);
    ASSERT_EQ(platform.boxes.size(), 1U);
    EXPECT_EQ(platform.boxes[0].text, "Err: 13[Type mismatch]");
    EXPECT_EQ(window.Cell(1, 0), "");
}

}  // namespace
}  // namespace pellory
