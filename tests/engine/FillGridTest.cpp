#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "FakeScheduleWindow.h"
#include "engine/Depr.h"
#include "engine/Numbers.h"

namespace pellory {
namespace {

class FillGridTest : public ::testing::Test {
  protected:
    FillGridTest() { depr.values.ResetTotal = true; }
    // A year's depreciation and the basis after it in cents, -1 when it has no row.
    std::int64_t Amount(int year) const {
        const ScheduleRow* row = depr.Result().Row(year);
        return row != nullptr ? row->amountCents : -1;
    }
    std::int64_t Basis(int year) const {
        const ScheduleRow* row = depr.Result().Row(year);
        return row != nullptr ? row->basisCents : -1;
    }
    testing::FakePlatform platform;
    testing::FakeScheduleWindow window;
    Depr depr{window, platform};
};

// Each of the four column groups is headed, sized and aligned alike; years fill them eleven rows
// at a time.
TEST_F(FillGridTest, YearsFillFourHeadedColumnGroupsOfElevenRows) {
    depr.SetGridHeadings();
    window.cost = "44000";
    for (std::int16_t year = 1; year <= 44; ++year) {
        depr.FillGrid(year, 1000);
    }
    const Grid& grid = window.grid;
    EXPECT_EQ(grid.ColWidth(0), 0);
    const char* const headings[] = {" Year ", "  Depreciation  ", " Adj. Tax Basis "};
    for (int col = 1; col < kGridCols; ++col) {
        const int kind = (col - 1) % 3;
        EXPECT_EQ(grid.TextMatrix(0, col), headings[kind]) << col;
        EXPECT_EQ(grid.ColWidth(col), kind == 0 ? 460 : 1280) << col;
        EXPECT_EQ(grid.ColAlignment(col), CellAlignment::RightCenter) << col;
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
        EXPECT_EQ(grid.TextMatrix(c.row, c.col), c.year);
        EXPECT_EQ(grid.TextMatrix(c.row, c.col + 1), "1,000.00 ");
        EXPECT_EQ(grid.TextMatrix(c.row, c.col + 2), c.basis);
    }
    for (const ScheduleRow& row : depr.Result().rows) {
        EXPECT_EQ(window.Cell(row.recoveryYear, 0), std::to_string(row.calendarYear));
        EXPECT_EQ(window.Cell(row.recoveryYear, 2), FormatAmountCents(row.basisCents));
    }
    EXPECT_EQ(depr.Result().rows.back(), (ScheduleRow{44, 2045, 100000, 0}));
    EXPECT_TRUE(window.printEnabled);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(FillGridTest, AYearBeyondTheGridIsReportedBeforeTheTotalChanges) {
    depr.FillGrid(1, 100);
    depr.FillGrid(45, 100);
    ASSERT_EQ(platform.boxes.size(), 1U);
    EXPECT_EQ(platform.boxes[0].title, "Fill Grid Error");
    EXPECT_EQ(platform.boxes[0].text, "Err: 30009[Invalid Row value]");
    ASSERT_EQ(depr.Result().faults.size(), 1U);
    EXPECT_EQ(depr.Result().faults[0].number, 30009);
    EXPECT_DOUBLE_EQ(depr.TotalDepreciation(), 100);
}

TEST_F(FillGridTest, BaseYearFromTheInServiceBoxOrTheClock) {
    const auto calendarYear = [&](std::int16_t year) {
        depr.FillGrid(year, 10);
        return depr.Result().Row(year)->calendarYear;
    };
    window.inService = "07/2002";
    EXPECT_EQ(calendarYear(1), 2002);
    EXPECT_EQ(calendarYear(2), 2003);
    window.inService = "__/____";
    EXPECT_EQ(calendarYear(1), 2026);
    window.inService = "01/0000";
    EXPECT_EQ(calendarYear(1), 1);
}

TEST_F(FillGridTest, AnAllowanceAlreadyIncludedIsNotAddedAgain) {
    window.bonus = true;
    depr.values.BonusIncluded = true;
    depr.FillGrid(1, 3060);
    EXPECT_EQ(Amount(1), 306000);
}

TEST_F(FillGridTest, AZeroYearWritesNoRowButCounts) {
    depr.FillGrid(1, 0);
    EXPECT_FALSE(window.printEnabled);
    depr.FillGrid(2, 2500.004);
    EXPECT_EQ(Amount(1), -1);
    EXPECT_EQ(window.Cell(1, 1), "");
    EXPECT_EQ(Basis(2), 750000);
}

TEST_F(FillGridTest, CentsHalfToEvenAndNeverPastTheBasis) {
    window.cost = "1000";
    const struct {
        double amount;
        std::int64_t shown;  // cents; -1 for no row
        std::int64_t basis;
    } years[] = {
        {0.125, 12, 99988},                     // shown as the total takes it
        {0.135, 14, 99974},   {0.004, -1, -1},  // dust: no row
        {998.74, 99874, 100}, {0.5, 50, 0},     // below one dollar of basis
        {5, 50, 0},  // the year that reaches the basis takes what is left
        {5, -1, -1},
    };
    std::int16_t year = 1;
    for (const auto& y : years) {
        depr.FillGrid(year, y.amount);
        EXPECT_EQ(Amount(year), y.shown) << year;
        EXPECT_EQ(Basis(year), y.basis) << year;
        ++year;
    }
    EXPECT_DOUBLE_EQ(depr.TotalDepreciation(), 1000);
    EXPECT_DOUBLE_EQ(depr.values.AdjustedBasis, 0);
}

TEST_F(FillGridTest, BusinessCostFromTheShareOrTheExchange) {
    const struct {
        const char* business;
        const char* adjCost;
        std::int64_t basis;
    } cases[] = {
        {"50", "", 400000},  {".5", "", 400000}, {"0.5", "", 400000},    {"", "", 900000},
        {"100", "", 900000}, {"1", "", 0},       {"", "60000", 5900000}, {"", "-500", 900000},
    };
    for (const auto& c : cases) {
        window.business = c.business;
        window.adjCost = c.adjCost;
        depr.values.ResetTotal = true;
        depr.FillGrid(1, 1000);
        EXPECT_EQ(Basis(1), c.basis) << c.business << " / " << c.adjCost;
    }
}

TEST_F(FillGridTest, ACostThatIsNotANumberIsReported) {
    window.cost = "12a";
    depr.FillGrid(1, 100);
    ASSERT_EQ(platform.boxes.size(), 1U);
    EXPECT_EQ(platform.boxes[0].text, "Err: 13[Type mismatch]");
    EXPECT_TRUE(depr.Result().rows.empty());
}

}  // namespace
}  // namespace pellory
