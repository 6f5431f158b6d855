#include <gtest/gtest.h>

#include <random>

#include "engine/AllowanceRates.h"
#include "engine/FirstYearDeductions.h"
#include "engine/Section179.h"

namespace pellory {
namespace {

TEST(AllowanceRate, TakesTheGeneralRateOfTheFirstDayOfTheMonth) {
    const struct {
        int month, year, rate;
    } cases[] = {
        {8, 2001, 30},   {10, 2001, 30}, {5, 2003, 30},  {6, 2003, 50},   {12, 2004, 50},
        {1, 2005, 30},   {12, 2007, 30}, {1, 2008, 50},  {9, 2010, 50},   {10, 2010, 100},
        {12, 2011, 100}, {1, 2012, 50},  {9, 2017, 50},  {10, 2017, 100}, {6, 2019, 100},
        {12, 2022, 100}, {1, 2023, 80},  {12, 2023, 80}, {6, 2024, 60},   {1, 2025, 40},
        {2, 2025, 100},  {6, 2026, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AllowanceRateFor({c.month, c.year}), c.rate) << c.month << '/' << c.year;
    }
}

TEST(AllowanceRate, NamesTheRateInTheCaptionAndTheReport) {
    EXPECT_EQ(OfferedAllowanceRates(), (std::array{100, 80, 60, 50, 40, 30, 20}));
    EXPECT_EQ(AllowanceCaption(30), "30% Special Depreciation Allowance");
    EXPECT_EQ(AllowanceReportNote(30),
              "First year depreciation includes a special 30% depreciation allowance.");
    EXPECT_EQ(AllowanceReportNote(60),
              "First year depreciation includes a special 60% depreciation allowance.");
}

TEST(Section179, ReadsTheYearsLimitsInCents) {
    EXPECT_FALSE(Section179LimitsFor(2000) || Section179LimitsFor(2027));
    EXPECT_EQ(Section179LimitsFor(2001), (Section179Limits{2'400'000, 20'000'000, std::nullopt}));
    EXPECT_EQ(Section179LimitsFor(2024), (Section179Limits{122'000'000, 305'000'000, 3'050'000}));
}

TEST(Section179, IsRefusedToRealPropertyAndListedPropertyAtHalfUseOrLess) {
    for (const double life : {27.5, 28.0, 31.5, 32.0, 39.0, 40.0}) {
        EXPECT_FALSE(MayTakeSection179(life, false, 100)) << life;
    }
    EXPECT_TRUE(MayTakeSection179(7, false, 0));
    EXPECT_TRUE(MayTakeSection179(5, true, 50.01));
    EXPECT_FALSE(MayTakeSection179(5, true, 50));
}

TEST(Section179, WarnsOfTheLimitAnAmountPasses) {
    const struct {
        int year;
        std::int64_t amount, cost;
        const char* warning;
    } cases[] = {
        {2024, 122'000'000, 122'000'000, ""},
        {2024, 122'000'001, 200'000'000,
         "Section 179 of 1,220,000.01 is above the 2024 limit "
         "of 1,220,000.00."},
        {2024, 50'000'000, 395'000'000,
         "Section 179 of 500,000.00 is above the 2024 limit of "
         "320,000.00 left by the cost above 3,050,000.00."},
        {2001, 1'000, 50'000'000,
         "Section 179 of 10.00 is above the 2001 limit of .00 left by "
         "the cost above 200,000.00."},
        {2001, 2'400'000, 20'000'000, ""},
        {1999, 900'000'000, 900'000'000, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Section179LimitWarning(c.year, c.amount, c.cost).value_or(""), c.warning);
    }
    EXPECT_EQ(Section179ReportNote(2'400'000),
              "First year depreciation includes a section 179 deduction of 24,000.00.");
}

TEST(FirstYear, TakesSection179ThenTheAllowanceOnWhatIsLeft) {
    const struct {
        std::int64_t basis, section179;
        std::optional<int> rate;
        FirstYearDeductions out;
    } cases[] = {
        {10'000'000, 2'400'000, 30, {2'400'000, 2'280'000, 5'320'000}},  // year 1 54,402.28
        {10'000'000, 0, 50, {0, 5'000'000, 5'000'000}},
        {5'000'000, 0, 100, {0, 5'000'000, 0}},
        {1'000'000, 200'000, std::nullopt, {200'000, 0, 800'000}},
        {1'000'000, 1'500'000, 60, {1'000'000, 0, 0}},
        {1'000'005, 0, 30, {0, 300'002, 700'003}},
        {1'000'015, 0, 30, {0, 300'004, 700'011}},
        {-5'000, 1'000, 30, {0, 0, -5'000}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitFirstYear(c.basis, c.section179, c.rate), c.out) << c.basis;
    }
}

TEST(FirstYear, NeverTakesMoreThanTheBasis) {
    std::mt19937_64 random(24);
    for (int i = 0; i < 2000; ++i) {
        const auto basis = static_cast<std::int64_t>(random() % 1'000'000'000'000);
        const auto section179 = static_cast<std::int64_t>(random() % 1'000'000'000'000);
        const int rate = OfferedAllowanceRates()[random() % 7];
        const FirstYearDeductions out = SplitFirstYear(basis, section179, rate);
        ASSERT_EQ(out.section179 + out.allowance + out.tableBasis, basis);
        ASSERT_TRUE(out.allowance >= 0 && out.tableBasis >= 0);
    }
}

}  // namespace
}  // namespace pellory
