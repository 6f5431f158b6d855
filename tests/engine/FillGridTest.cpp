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
    // In cents, -1 when the year has no row.
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

// Years fill the four column groups eleven rows at a time.
TEST_F(FillGridTest, YearsFillFourColumnGroupsOfElevenRows) {
    window.cost = "44000";
    for (std::int16_t year = 1; year <= 44; ++year) {
        depr.FillGrid(year, 1000);
    }
    const Grid& grid = window.grid;
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
    EXPECT_EQ(depr.Result().rows.back(), (ScheduleRow{44, 2045, 100000, 0}));
    EXPECT_TRUE(window.printEnabled);
    EXPECT_TRUE(platform.boxes.empty());
}

// A year below the grid or a cost that is not a number is reported, and the total stays.
TEST_F(FillGridTest, WhatCannotBeEnteredIsReported) {
    depr.FillGrid(1, 100);
    depr.FillGrid(45, 100);
    window.cost = "12a";
    depr.FillGrid(2, 100);
    std::vector<std::string> boxes;
    for (const auto& box : platform.boxes) {
        boxes.push_back(box.title + ": " + box.text);
    }
    EXPECT_EQ(boxes, (std::vector<std::string>{"Fill Grid Error: Err: 30009[Invalid Row value]",
                                               "Fill Grid Error: Err: 13[Type mismatch]"}));
    ASSERT_EQ(depr.Result().faults.size(), 2U);
    EXPECT_EQ(depr.Result().faults[0].number, 30009);
    EXPECT_EQ(depr.Result().rows.size(), 1U);
    EXPECT_DOUBLE_EQ(depr.TotalDepreciation(), 100);
}

TEST_F(FillGridTest, BaseYearFromTheInServiceBoxOrTheClock) {
    const std::pair<const char*, int> cases[] = {
        {"07/2002", 2002}, {"__/____", 2026}, {"01/0000", 1}};
    for (const auto& [inService, calendarYear] : cases) {
        window.inService = inService;
        depr.FillGrid(2, 10);
        EXPECT_EQ(depr.Result().Row(2)->calendarYear, calendarYear + 1) << inService;
    }
}

TEST_F(FillGridTest, CentsHalfToEvenAndNeverPastTheBasis) {
    window.cost = "1000";
    window.bonus = true;
    depr.values.BonusIncluded = true;  // already in year 1's amount, not added again
    const struct {
        double amount;
        std::int64_t shown;  // cents; -1 for no row
        std::int64_t basis;
    } years[] = {
        {0.125, 12, 99988},                     // shown as the total takes it
        {0.135, 14, 99974},   {0.004, -1, -1},  // dust: no row
        {998.74, 99874, 100}, {0.5, 50, 50},    // the cents left show
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

}  // namespace
}  // namespace pellory
