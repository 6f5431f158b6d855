#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "engine/RateTables.h"

namespace pellory {
namespace {

double Sum(std::span<const double> rates) {
    return std::accumulate(rates.begin(), rates.end(), 0.0);
}

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
    for (const MacrsTable table : {MacrsTable::HalfYear, MacrsTable::Quarter1, MacrsTable::Quarter2,
                                   MacrsTable::Quarter3, MacrsTable::Quarter4}) {
        const auto rows = MacrsRows(table);
        ASSERT_EQ(rows.size(), 6U);
        const double lives[] = {3, 5, 7, 10, 15, 20};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].life, lives[i]);
            EXPECT_EQ(rows[i].rates.size(), static_cast<std::size_t>(lives[i]) + 1);
            double expected = 1.0;
            for (const auto& s : shortRows) {
                if (s.table == table && s.life == rows[i].life) {
                    expected = s.sum;
                }
            }
            EXPECT_NEAR(Sum(rows[i].rates), expected, 1e-12)
                << "table " << static_cast<int>(table) << " life " << rows[i].life;
        }
    }
}

TEST(MacrsTables, SpotRates) {
    const struct {
        MacrsTable table;
        std::size_t row;
        std::size_t year;
        double rate;
    } cases[] = {
        {MacrsTable::HalfYear, 2, 1, 0.1429},  {MacrsTable::HalfYear, 2, 8, 0.0446},
        {MacrsTable::HalfYear, 5, 2, 0.07219}, {MacrsTable::HalfYear, 5, 21, 0.02231},
        {MacrsTable::Quarter1, 0, 1, 0.5833},  {MacrsTable::Quarter1, 5, 21, 0.00557},
        {MacrsTable::Quarter2, 2, 1, 0.1785},  {MacrsTable::Quarter2, 5, 15, 0.04462},
        {MacrsTable::Quarter3, 1, 5, 0.113},   {MacrsTable::Quarter3, 3, 11, 0.041},
        {MacrsTable::Quarter4, 0, 2, 0.6111},  {MacrsTable::Quarter4, 5, 18, 0.04459},
        {MacrsTable::Quarter4, 4, 10, 0.0591}, {MacrsTable::Quarter4, 1, 6, 0.0958},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(MacrsRows(c.table)[c.row].rates[c.year - 1], c.rate);
    }
}

TEST(RealPropertyRates, ByMonthRowsAndFlatYears) {
    EXPECT_DOUBLE_EQ(Residential275Rate(1, 3), 0.02879);
    EXPECT_DOUBLE_EQ(Residential275Rate(9, 3), 0.03636);
    EXPECT_DOUBLE_EQ(Residential275Rate(10, 3), 0.036365);
    EXPECT_DOUBLE_EQ(Residential275Rate(27, 3), 0.036365);
    EXPECT_DOUBLE_EQ(Residential275Rate(28, 3), 0.02576);
    EXPECT_DOUBLE_EQ(Residential275Rate(28, 9), 0.03636);
    EXPECT_DOUBLE_EQ(Residential275Rate(29, 6), 0.0);
    EXPECT_DOUBLE_EQ(Residential275Rate(29, 10), 0.01061);
    EXPECT_DOUBLE_EQ(Residential275Rate(30, 10), 0.0);
    EXPECT_DOUBLE_EQ(Residential275Rate(1, 0), 0.0);
    EXPECT_DOUBLE_EQ(Residential275Rate(5, 0), 0.03636);
    EXPECT_DOUBLE_EQ(Nonresidential315Rate(8, 1), 0.031745);
    EXPECT_DOUBLE_EQ(Nonresidential315Rate(9, 1), 0.0317452149);
    EXPECT_DOUBLE_EQ(Nonresidential315Rate(32, 7), 0.031745);
    EXPECT_DOUBLE_EQ(Nonresidential315Rate(33, 12), 0.01455);
    EXPECT_DOUBLE_EQ(Nonresidential39Rate(1, 1), 0.02461);
    EXPECT_DOUBLE_EQ(Nonresidential39Rate(40, 1), 0.00107);
    EXPECT_DOUBLE_EQ(Nonresidential39Rate(40, 12), 0.02461);
    EXPECT_DOUBLE_EQ(Nonresidential39Rate(41, 12), 0.0);
    // Each month's row recovers the whole basis, to the tables' rounding.
    for (int month = 1; month <= 12; ++month) {
        double r275 = 0;
        double r39 = 0;
        for (int year = 1; year <= 40; ++year) {
            r275 += Residential275Rate(year, month);
            r39 += Nonresidential39Rate(year, month);
        }
        EXPECT_NEAR(r275, 1.0, 0.0002) << month;
        EXPECT_NEAR(r39, 1.0, 0.0002) << month;
    }
}

TEST(LuxuryAutoRates, FiveRatesByQuarter) {
    EXPECT_DOUBLE_EQ(LuxuryAutoRates(0)[4], 0.1152);
    EXPECT_DOUBLE_EQ(LuxuryAutoRates(3)[4], 0.113);
    EXPECT_DOUBLE_EQ(LuxuryAutoRates(4)[0], 0.05);
    EXPECT_EQ(LuxuryAutoRates(2).size(), 5U);
    ASSERT_NE(AdsFractionsFor(1), nullptr);
    EXPECT_DOUBLE_EQ(AdsFractionsFor(1)->first, 0.875);
    EXPECT_EQ(AdsFractionsFor(5), nullptr);
}

}  // namespace
}  // namespace pellory
