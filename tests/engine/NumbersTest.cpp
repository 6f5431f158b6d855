#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "engine/Numbers.h"
#include "platform/RuntimeError.h"

namespace pellory {
namespace {

TEST(Val, ReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},   {"abc", 0},     {"12", 12},   {"12.5", 12.5}, {".75", 0.75},  {"1.2.3", 1.2},
        {".", 0},  {" 42", 42},    {"4 2", 42},  {"80x", 80},    {"-500", -500}, {"1e3", 1000},
        {"1e", 1}, {"2002", 2002}, {"20__", 20}, {"_5", 0},      {"0.5", 0.5},   {"100000", 100000},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(Val, EveryNumberTextRoundsAsTheCLibraryRoundsIt) {
    std::mt19937_64 random(1031);
    for (int i = 0; i < 200000; ++i) {
        std::string digits;
        for (std::uint64_t n = 1 + random() % 24; n > 0; --n) {
            digits += static_cast<char>('0' + random() % 10);
        }
        digits.insert(random() % (digits.size() + 1), random() % 4 == 0 ? "" : ".");
        const int exponent = static_cast<int>(random() % 80) - 40;
        const std::string text = (random() % 2 == 0 ? "-" : "") + digits +
                                 (random() % 3 == 0 ? "e" + std::to_string(exponent) : "");
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(Val(text), expected) << text;
        ASSERT_EQ(StrictNumber(" " + text + " "), expected) << text;
    }
}

TEST(StrictNumber, TakesOnlyAWholeNumberText) {
    EXPECT_DOUBLE_EQ(StrictNumber("10000"), 10000);
    EXPECT_DOUBLE_EQ(StrictNumber(" 12.5 "), 12.5);
    EXPECT_DOUBLE_EQ(StrictNumber("12."), 12);
    EXPECT_DOUBLE_EQ(StrictNumber("3060 "), 3060);
    for (const char* bad : {"", ".", "1.2.3", "12a", "     ", "--1"}) {
        try {
            StrictNumber(bad);
            ADD_FAILURE() << '"' << bad << '"';
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), 13);
            EXPECT_EQ(e.Description(), "Type mismatch");
        }
    }
}

TEST(IsPlainNumber, DigitsWithAtMostOnePoint) {
    for (const char* good : {"1", "10000", "12.", ".5", "0.75", "27.5"}) {
        EXPECT_TRUE(IsPlainNumber(good)) << good;
    }
    for (const char* bad : {"", ".", "1.2.3", "..", "1,000", "-5", " 5"}) {
        EXPECT_FALSE(IsPlainNumber(bad)) << bad;
    }
}

TEST(RoundHalfEven, ExactHalvesGoToTheEvenNeighbour) {
    EXPECT_DOUBLE_EQ(RoundHalfEven(2.675, 2), 2.68);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.875 / 9, 4), 0.0972);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.125 / 9, 4), 0.0139);
    EXPECT_EQ(ToInt16(27.5), 28);
    EXPECT_EQ(ToInt16(31.5), 32);
    EXPECT_EQ(ToInt16(26.5), 26);
    EXPECT_EQ(ToInt16(28.5), 28);
    EXPECT_THROW(ToInt16(40000), RuntimeError);
}

TEST(ScaledRound, AHalfIsJudgedOnTheFifteenDigitFormNearOrFar) {
    const struct {
        double value;
        int decimals;
        std::int64_t expected;
    } cases[] = {
        // 0.285 is stored a little below the half cent; its decimal form is the half.
        {0.285, 2, 28},
        {-0.285, 2, -28},
        {0.125, 2, 12},
        {0.135, 2, 14},
        {1.005, 2, 100},
        {1234567.135, 2, 123456714},
        {1234567.125, 2, 123456712},
        // Close to a half without being one, and far from it.
        {0.2850004, 2, 29},
        {0.2849996, 2, 28},
        {0.28549, 2, 29},
        {232.558139534884, 2, 23256},
        {-1234.5678, 2, -123457},
        {9999999999.995, 2, 1000000000000},
        // Beyond 10^12 units.
        {123456789012.345, 2, 12345678901234},
        {123456789012.355, 2, 12345678901236},
        // Whole numbers.
        {27.5, 0, 28},
        {26.5, 0, 26},
        {-2.5, 0, -2},
        {28.4999, 0, 28},
        {2002, 0, 2002},
        {1e-20, 2, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaledRound(c.value, c.decimals), c.expected)
            << c.value << " to " << c.decimals << " decimals";
    }
}

TEST(Format, GridAmountsHaveTwoDecimalsAndATrailingBlank) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1234.5, "1,234.50 "},
        {1234567.891, "1,234,567.89 "},
        {0.5, ".50 "},
        {0, ".00 "},
        {4400, "4,400.00 "},
        {999.995, "1,000.00 "},
        {1429.0000000000002, "1,429.00 "},
        {100, "100.00 "},
        {1.005, "1.00 "},
        {2575.125, "2,575.12 "},
        {9999999999.99, "9,999,999,999.99 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatAmount(c.value), c.text) << c.value;
    }
    EXPECT_EQ(FormatPrintAmount(0.125), ".12");
    EXPECT_EQ(FormatAmountCents(257512), "2,575.12 ");
}

TEST(Format, TheTypingEchoIsAGroupedWholeNumberOrNothing) {
    EXPECT_EQ(FormatWhole(1234567), "1,234,567");
    EXPECT_EQ(FormatWhole(0), "");
    EXPECT_EQ(FormatWhole(999.5), "1,000");
    EXPECT_EQ(FormatWhole(9999999999), "9,999,999,999");
    EXPECT_EQ(FormatWhole(998.5), "998");
}

TEST(PlainText, AsManyDecimalsAsTheValueNeeds) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {85000, "85000"},   {1234.56, "1234.56"},
        {0.5, "0.5"},       {-500, "-500"},
        {1209.6, "1209.6"}, {0, "0"},
        {1e15, "1E+15"},    {10000 - 4400.0, "5600"},
        {0.1 + 0.2, "0.3"}, {123456789012345, "123456789012345"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlainText(c.value), c.text);
    }
}

TEST(Divide, ByZeroRaisesTheRuntimesErrors) {
    try {
        Divide(5, 0);
        ADD_FAILURE();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 11);
    }
    try {
        Divide(0, 0);
        ADD_FAILURE();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 6);
    }
}

}  // namespace
}  // namespace pellory
