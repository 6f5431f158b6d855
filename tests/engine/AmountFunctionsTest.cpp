#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "FakePlatform.h"
#include "FakeScheduleWindow.h"
#include "engine/Depr.h"
#include "engine/Numbers.h"
#include "engine/RateTables.h"

namespace pellory {
namespace {

class AmountTest : public ::testing::Test {
  protected:
    AmountTest() { depr.values.BusinessFraction = 1.0; }
    // Cent amounts of years 1..n of one function.
    template <typename F>
    std::vector<double> Cents(int years, F amount) {
        std::vector<double> out;
        for (int y = 1; y <= years; ++y) {
            out.push_back(RoundHalfEven(amount(static_cast<std::int16_t>(y)), 2));
        }
        return out;
    }
    testing::FakePlatform platform;
    testing::FakeScheduleWindow window;
    Depr depr{window, platform};
};

TEST_F(AmountTest, MacrsTablesAndTheirMethodLines) {
    EXPECT_EQ(Cents(8, [&](auto y) { return depr.MacrsHalfYear(10000, 7, y); }),
              (std::vector<double>{1429, 2449, 1749, 1249, 893, 892, 893, 446}));
    EXPECT_EQ(depr.values.MethodText, "Method: MACRS 200% DB");
    EXPECT_EQ(Cents(4, [&](auto y) { return depr.MacrsQuarter4(10000, 3, y); }),
              (std::vector<double>{833, 6111, 2037, 1019}));
    depr.MacrsQuarter2(1000, 15, 1);
    EXPECT_EQ(depr.values.MethodText, "Method: MACRS 150% DB");
    depr.MacrsQuarter1(1000, 10, 1);
    EXPECT_EQ(depr.values.MethodText, "Method: MACRS 200% DB");
    // Only the five-year row carries the business share.
    depr.values.BusinessFraction = 0.6;
    EXPECT_EQ(Cents(6, [&](auto y) { return depr.MacrsHalfYear(10000, 5, y); }),
              (std::vector<double>{1200, 1920, 1152, 691.20, 691.20, 345.60}));
    EXPECT_DOUBLE_EQ(depr.MacrsHalfYear(10000, 7, 1), 1429);
    EXPECT_DOUBLE_EQ(depr.MacrsQuarter3(10000, 5, 1), 900);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(AmountTest, AnUnknownLifeOrYearIsReportedWithTheFunctionsTitle) {
    const struct {
        double (Depr::*function)(double, double, std::int16_t);
        double life;
        std::int16_t year;
        const char* title;
    } cases[] = {
        // clang-format off
        {&Depr::MacrsHalfYear, 8, 1, "MACRS Error"}, {&Depr::MacrsHalfYear, 5, 7, "MACRS Error"},
        {&Depr::MacrsQuarter1, 27.5, 1, "MACRS Error"},
        {&Depr::MacrsQuarter2, 27.5, 1, "MACRS 2 Error"},
        {&Depr::MacrsQuarter3, 39, 1, "MACRS 3 Error"},
        {&Depr::MacrsQuarter4, 31.5, 1, "MACRS 3 Error"},
        {&Depr::MacrsQuarter4, 3, 0, "MACRS 3 Error"},
        // clang-format on
    };
    for (const auto& c : cases) {
        platform.boxes.clear();
        depr.ClearSchedule();  // each case a calculation of its own
        EXPECT_EQ((depr.*c.function)(10000, c.life, c.year), 0.0);
        EXPECT_EQ((depr.*c.function)(10000, c.life, c.year), 0.0);  // shown once
        ASSERT_EQ(platform.boxes.size(), 1U);
        EXPECT_EQ(platform.boxes[0].title, c.title);
        EXPECT_EQ(platform.boxes[0].text, "Err: 9[Subscript out of range]");
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
    }
}

// Real-property lives from the life list (27.5, 31.5) or the class list (28, 32).
TEST_F(AmountTest, RealPropertyThroughTheHalfYearFunction) {
    const struct {
        const char* inService;
        double life;
        std::int16_t year;
        double amount;
    } cases[] = {
        {"03/2002", 27.5, 1, 2879},     {"03/2002", 27.5, 2, 3636}, {"03/2002", 27.5, 10, 3636.5},
        {"03/2002", 27.5, 28, 2576},    {"03/2002", 27.5, 29, 0},   {"03/2002", 28, 1, 2879},
        {"10/2002", 27.5, 29, 1061},    {"01/2002", 39, 1, 2461},   {"01/2002", 39, 40, 107},
        {"01/2002", 32, 9, 3174.52149}, {"02/2002", 31.5, 1, 2778}, {"__/____", 31.5, 1, 0},
        {"__/____", 31.5, 2, 3175},
    };
    for (const auto& c : cases) {
        window.inService = c.inService;
        EXPECT_DOUBLE_EQ(depr.MacrsHalfYear(100000, c.life, c.year), c.amount)
            << c.inService << " " << c.life << " year " << c.year;
    }
    EXPECT_EQ(depr.values.MethodText, "Method: MACRS- Straight Line");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(AmountTest, AdsHalfYearAndQuarterFractions) {
    EXPECT_EQ(
        Cents(11, [&](auto y) { return depr.AdsStraightLine(10000, 10, y, 0); }),
        (std::vector<double>{500, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 500}));
    EXPECT_EQ(depr.values.MethodText, "Method: ADS- Straight Line");
    const auto q1 = Cents(10, [&](auto y) { return depr.AdsStraightLine(9000, 9, y, 1); });
    EXPECT_EQ(q1.front(), 874.80);
    EXPECT_EQ(q1[1], 1000);
    EXPECT_EQ(q1.back(), 125.10);
    EXPECT_DOUBLE_EQ(depr.AdsStraightLine(9000, 9, 11, 1), 0);
    EXPECT_DOUBLE_EQ(depr.AdsStraightLine(9000, 9, 1, 7), 0);
    EXPECT_THROW(depr.AdsStraightLine(10000, 0, 1, 0), RuntimeError);
    // A business share in the box applies once to every year; one that reads as none does not.
    depr.values.BusinessFraction = 0.4;
    for (const auto& [business, amount] :
         {std::pair{"40", 400.0}, {"0", 1000.0}, {"abc", 1000.0}}) {
        window.business = business;
        EXPECT_DOUBLE_EQ(depr.AdsStraightLine(10000, 10, 5, 0), amount) << business;
    }
    window.business = "40";
    EXPECT_DOUBLE_EQ(depr.AdsStraightLine(10000, 10, 11, 0), 200);
}

TEST_F(AmountTest, StraightLineByMonthInService) {
    const struct {
        const char* inService;
        double cost;
        double life;
        std::vector<double> years;  // from year 1 to the last year with an amount
    } cases[] = {
        {"04/2002", 12000, 5, {1800, 2400, 2400, 2400, 2400, 600}},
        {"01/2002", 12000, 5, {2400, 2400, 2400, 2400, 2400, 0}},
        {"12/2002", 12000, 5, {200, 2400, 2400, 2400, 2400, 2200}},
        {"07/2002", 1000, 1, {500, 500}},
    };
    for (const auto& c : cases) {
        window.inService = c.inService;
        const auto count = static_cast<std::int16_t>(c.years.size());
        for (std::int16_t y = 1; y <= count + 1; ++y) {
            const std::optional<double> amount = depr.StraightLineYear(c.cost, c.life, y);
            ASSERT_EQ(amount.has_value(), y <= count) << c.inService << " year " << y;
            if (amount) {
                EXPECT_NEAR(*amount, c.years[y - 1U], 1e-9) << c.inService << " year " << y;
            }
        }
    }
    EXPECT_EQ(depr.values.MethodText, "");
    EXPECT_THROW(depr.StraightLineYear(1000, 0, 1), RuntimeError);
    // A fractional life takes a full year after the first.
    EXPECT_DOUBLE_EQ(depr.StraightLineFractionalYear(27500, 27.5, 1), 500);
    EXPECT_DOUBLE_EQ(depr.StraightLineFractionalYear(27500, 27.5, 29), 1000);
}

// Every row has life + 1 rates and recovers the basis; three published rows fall a little short.
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
        // clang-format off
        {Residential275Rate, {{1, 3, 0.02879}, {2, 3, 0.03636}, {9, 3, 0.03636}, {10, 3, 0.036365},
          {27, 3, 0.036365}, {28, 3, 0.02576}, {28, 9, 0.03636}, {29, 6, 0}, {29, 10, 0.01061},
          {30, 10, 0}, {1, 0, 0}, {1, 13, 0}, {1, 12, 0.00152}, {0, 5, 0}}},
        {Nonresidential315Rate, {{1, 1, 0.03042}, {2, 1, 0.03175}, {7, 1, 0.03175},
          {8, 1, 0.031745}, {9, 1, 0.0317452149}, {31, 1, 0.0317452149}, {32, 7, 0.031745},
          {33, 12, 0.01455}, {34, 12, 0}}},
        {Nonresidential39Rate, {{1, 1, 0.02461}, {2, 1, 0.02564}, {39, 1, 0.02564},
          {40, 1, 0.00107}, {40, 12, 0.02461}, {41, 12, 0}}},
        // clang-format on
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

TEST(QuarterRates, AdsFractionsByQuarter) {
    for (int quarter = -1; quarter <= 5; ++quarter) {
        EXPECT_EQ(AdsFractionsFor(quarter) == nullptr, quarter < 0 || quarter > 4) << quarter;
    }
}

}  // namespace
}  // namespace pellory
