#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <vector>

#include "engine/RateTables.h"

namespace pellory {
namespace {

// Every row has life + 1 rates and recovers the whole basis; three rows of the published tables
// fall a little short.
TEST(MacrsTables, EveryRowHasLifePlusOneRatesAndRecoversTheBasis) {
    const struct {
        MacrsTable table;
        double life;
        double sum;
    } shortRows[] = {
        {MacrsTable::Quarter1, 7, 0.9999},
        {MacrsTable::Quarter1, 20, 0.99992},
        {MacrsTable::Quarter2, 7, 0.9999},
    };
    const double lives[] = {3, 5, 7, 10, 15, 20};
    for (const MacrsTable table : {MacrsTable::HalfYear, MacrsTable::Quarter1, MacrsTable::Quarter2,
                                   MacrsTable::Quarter3, MacrsTable::Quarter4}) {
        const auto rows = MacrsRows(table);
        ASSERT_EQ(rows.size(), 6U);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].life, lives[i]);
            EXPECT_EQ(rows[i].rates.size(), static_cast<std::size_t>(lives[i]) + 1);
            double expected = 1.0;
            for (const auto& s : shortRows) {
                expected = s.table == table && s.life == lives[i] ? s.sum : expected;
            }
            EXPECT_NEAR(std::accumulate(rows[i].rates.begin(), rows[i].rates.end(), 0.0), expected,
                        1e-12)
                << "table " << static_cast<int>(table) << " life " << lives[i];
        }
    }
    // Cells whose exchange would keep the sums.
    EXPECT_DOUBLE_EQ(MacrsRows(MacrsTable::HalfYear)[2].rates[7], 0.0446);
    EXPECT_DOUBLE_EQ(MacrsRows(MacrsTable::HalfYear)[5].rates[1], 0.07219);
    EXPECT_DOUBLE_EQ(MacrsRows(MacrsTable::Quarter2)[5].rates[14], 0.04462);
    EXPECT_DOUBLE_EQ(MacrsRows(MacrsTable::Quarter3)[3].rates[10], 0.041);
    EXPECT_DOUBLE_EQ(MacrsRows(MacrsTable::Quarter4)[4].rates[9], 0.0591);
}

// Each branch's first and last year, and months outside the year: {year, month, rate}.
TEST(RealPropertyRates, ByYearAndMonthPlaced) {
    const struct {
        double (*rate)(int, int);
        std::vector<std::array<double, 3>> points;
    } cases[] = {
        {Residential275Rate,
         {{1, 3, 0.02879},
          {2, 3, 0.03636},
          {9, 3, 0.03636},
          {10, 3, 0.036365},
          {27, 3, 0.036365},
          {28, 3, 0.02576},
          {28, 9, 0.03636},
          {29, 6, 0},
          {29, 10, 0.01061},
          {30, 10, 0},
          {1, 0, 0},
          {1, 13, 0},
          {1, 12, 0.00152},
          {0, 5, 0}}},
        {Nonresidential315Rate,
         {{1, 1, 0.03042},
          {2, 1, 0.03175},
          {7, 1, 0.03175},
          {8, 1, 0.031745},
          {9, 1, 0.0317452149},
          {31, 1, 0.0317452149},
          {32, 7, 0.031745},
          {33, 12, 0.01455},
          {34, 12, 0}}},
        {Nonresidential39Rate,
         {{1, 1, 0.02461},
          {2, 1, 0.02564},
          {39, 1, 0.02564},
          {40, 1, 0.00107},
          {40, 12, 0.02461},
          {41, 12, 0}}},
    };
    for (const auto& c : cases) {
        for (const auto& [year, month, rate] : c.points) {
            EXPECT_DOUBLE_EQ(c.rate(static_cast<int>(year), static_cast<int>(month)), rate)
                << year << "/" << month;
        }
    }
    // Each month's row recovers the whole basis, to the tables' rounding.
    for (const auto rate : {Residential275Rate, Nonresidential315Rate, Nonresidential39Rate}) {
        for (int month = 1; month <= 12; ++month) {
            double sum = 0;
            for (int year = 1; year <= 41; ++year) {
                sum += rate(year, month);
            }
            EXPECT_NEAR(sum, 1.0, 0.0002) << month;
        }
    }
}

TEST(QuarterRates, AutomobileRatesAndAdsFractionsByQuarter) {
    const double firstRates[] = {0.2, 0.35, 0.25, 0.15, 0.05, 0.2};
    for (int quarter = -1; quarter <= 5; ++quarter) {
        const auto rates = LuxuryAutoRates(quarter);
        ASSERT_EQ(rates.size(), 5U);
        EXPECT_DOUBLE_EQ(rates[0], firstRates[quarter < 0 ? 0 : quarter]) << quarter;
        const AdsFractions* ads = AdsFractionsFor(quarter);
        EXPECT_EQ(ads == nullptr, quarter < 0 || quarter > 4) << quarter;
    }
    EXPECT_DOUBLE_EQ(LuxuryAutoRates(3)[4], 0.113);
    EXPECT_DOUBLE_EQ(AdsFractionsFor(1)->first, 0.875);
    EXPECT_DOUBLE_EQ(AdsFractionsFor(4)->last, 0.875);
}

}  // namespace
}  // namespace pellory
