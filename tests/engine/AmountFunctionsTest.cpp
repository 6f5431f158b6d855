#include <gtest/gtest.h>

#include <vector>

#include "FakePlatform.h"
#include "FakeScheduleWindow.h"
#include "engine/Depr.h"
#include "engine/Numbers.h"

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

TEST_F(AmountTest, MacrsHalfYearSevenYear) {
    const auto amounts = Cents(8, [&](auto y) { return depr.MacrsHalfYear(10000, 7, y); });
    EXPECT_EQ(amounts, (std::vector<double>{1429, 2449, 1749, 1249, 893, 892, 893, 446}));
    EXPECT_EQ(depr.values.MethodText, "Method: MACRS 200% DB");
}

TEST_F(AmountTest, OnlyTheFiveYearRowCarriesTheBusinessShare) {
    depr.values.BusinessFraction = 0.6;
    EXPECT_EQ(Cents(6, [&](auto y) { return depr.MacrsHalfYear(10000, 5, y); }),
              (std::vector<double>{1200, 1920, 1152, 691.20, 691.20, 345.60}));
    EXPECT_DOUBLE_EQ(depr.MacrsHalfYear(10000, 7, 1), 1429);
    EXPECT_DOUBLE_EQ(depr.MacrsQuarter3(10000, 5, 1), 900);
}

TEST_F(AmountTest, MidQuarterTablesAndMethodLines) {
    EXPECT_EQ(Cents(4, [&](auto y) { return depr.MacrsQuarter4(10000, 3, y); }),
              (std::vector<double>{833, 6111, 2037, 1019}));
    depr.MacrsQuarter2(1000, 15, 1);
    EXPECT_EQ(depr.values.MethodText, "Method: MACRS 150% DB");
    depr.MacrsQuarter1(1000, 10, 1);
    EXPECT_EQ(depr.values.MethodText, "Method: MACRS 200% DB");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(AmountTest, AnUnknownLifeOrYearIsReportedWithTheFunctionsTitle) {
    const struct {
        double (Depr::*function)(double, double, std::int16_t);
        double life;
        std::int16_t year;
        const char* title;
    } cases[] = {
        {&Depr::MacrsHalfYear, 8, 1, "MACRS Error"},
        {&Depr::MacrsHalfYear, 5, 7, "MACRS Error"},
        {&Depr::MacrsQuarter1, 27.5, 1, "MACRS Error"},
        {&Depr::MacrsQuarter2, 27.5, 1, "MACRS 2 Error"},
        {&Depr::MacrsQuarter3, 39, 1, "MACRS 3 Error"},
        {&Depr::MacrsQuarter4, 31.5, 1, "MACRS 3 Error"},
        {&Depr::MacrsQuarter4, 3, 0, "MACRS 3 Error"},
    };
    for (const auto& c : cases) {
        platform.boxes.clear();
        EXPECT_EQ((depr.*c.function)(10000, c.life, c.year), 0.0);
        ASSERT_EQ(platform.boxes.size(), 1U);
        EXPECT_EQ(platform.boxes[0].title, c.title);
        EXPECT_EQ(platform.boxes[0].text, "Err: 9[Subscript out of range]");
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
    }
}

TEST_F(AmountTest, RealPropertyThroughTheHalfYearFunction) {
    window.inService = "03/2002";
    const auto amounts = Cents(29, [&](auto y) { return depr.MacrsHalfYear(100000, 27.5, y); });
    EXPECT_EQ(amounts[0], 2879);
    EXPECT_EQ(amounts[1], 3636);
    EXPECT_EQ(amounts[8], 3636);
    EXPECT_EQ(amounts[9], 3636.50);
    EXPECT_EQ(amounts[26], 3636.50);
    EXPECT_EQ(amounts[27], 2576);
    EXPECT_EQ(amounts[28], 0);
    EXPECT_EQ(depr.values.MethodText, "Method: MACRS- Straight Line");
    EXPECT_DOUBLE_EQ(depr.MacrsHalfYear(100000, 28, 1), 2879);  // the class list's 27.5
    window.inService = "10/2002";
    EXPECT_DOUBLE_EQ(depr.MacrsHalfYear(100000, 27.5, 29), 1061);
    window.inService = "01/2002";
    EXPECT_DOUBLE_EQ(depr.MacrsHalfYear(100000, 39, 1), 2461);
    EXPECT_DOUBLE_EQ(depr.MacrsHalfYear(100000, 39, 40), 107);
    EXPECT_DOUBLE_EQ(depr.MacrsHalfYear(100000, 32, 9), 3174.52149);
    window.inService = "__/____";
    EXPECT_DOUBLE_EQ(depr.MacrsHalfYear(100000, 31.5, 1), 0);
    EXPECT_DOUBLE_EQ(depr.MacrsHalfYear(100000, 31.5, 2), 3175);
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
}

TEST_F(AmountTest, AdsAppliesTheBusinessShareOnceToEveryYear) {
    window.business = "40";
    depr.values.BusinessFraction = 0.4;
    EXPECT_DOUBLE_EQ(depr.AdsStraightLine(10000, 10, 1, 0), 200);
    EXPECT_DOUBLE_EQ(depr.AdsStraightLine(10000, 10, 5, 0), 400);
    EXPECT_DOUBLE_EQ(depr.AdsStraightLine(10000, 10, 11, 0), 200);
    for (const char* ignored : {"0", "abc"}) {
        window.business = ignored;
        EXPECT_DOUBLE_EQ(depr.AdsStraightLine(10000, 10, 5, 0), 1000) << ignored;
    }
}

TEST_F(AmountTest, AdsWithALifeOfZeroRaisesToTheCaller) {
    EXPECT_THROW(depr.AdsStraightLine(10000, 0, 1, 0), RuntimeError);
}

TEST_F(AmountTest, StraightLineWholeLives) {
    window.inService = "04/2002";
    std::vector<double> amounts;
    for (std::int16_t y = 1; y <= 6; ++y) {
        amounts.push_back(depr.StraightLineYear(12000, 5, y).value_or(-1));
    }
    EXPECT_EQ(amounts, (std::vector<double>{1800, 2400, 2400, 2400, 2400, 600}));
    EXPECT_FALSE(depr.StraightLineYear(12000, 5, 7).has_value());
    window.inService = "01/2002";
    EXPECT_DOUBLE_EQ(*depr.StraightLineYear(12000, 5, 1), 2400);
    EXPECT_DOUBLE_EQ(*depr.StraightLineYear(12000, 5, 6), 0);
    window.inService = "12/2002";
    EXPECT_DOUBLE_EQ(*depr.StraightLineYear(12000, 5, 1), 200);
    EXPECT_DOUBLE_EQ(*depr.StraightLineYear(12000, 5, 6), 2200);
    window.inService = "07/2002";
    EXPECT_DOUBLE_EQ(*depr.StraightLineYear(1000, 1, 1), 500);
    EXPECT_DOUBLE_EQ(*depr.StraightLineYear(1000, 1, 2), 500);
    EXPECT_EQ(depr.values.MethodText, "");
    EXPECT_THROW(depr.StraightLineYear(1000, 0, 1), RuntimeError);
}

TEST_F(AmountTest, StraightLineFractionalLivesTakeAFullYearAfterTheFirst) {
    window.inService = "07/2002";
    EXPECT_DOUBLE_EQ(depr.StraightLineFractionalYear(27500, 27.5, 1), 500);
    EXPECT_DOUBLE_EQ(depr.StraightLineFractionalYear(27500, 27.5, 29), 1000);
}

}  // namespace
}  // namespace pellory
