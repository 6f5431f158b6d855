#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Numbers.h"
#include "platform/RuntimeError.h"

namespace pellory {
namespace {

int ErrorOf(double (*function)(double, double), double a, double b) {
    try {
        function(a, b);
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(Val, ReadsTheLeadingNumber) {
    // Views that end before their literal's last character: a scan past the end finds it.
    const struct {
        std::string_view literal;
        double value;
    } cases[] = {
        {"_", 0},         {"abc_", 0},        {"12_", 12},    {"12.5_", 12.5},  {".75_", 0.75},
        {"1.2.3_", 1.2},  {"._", 0},          {" 42_", 42},   {"4 25", 42},     {"80x_", 80},
        {"-500_", -500},  {"1e3_", 1000},     {"1e_", 1},     {"20__", 20},     {"_5", 0},
        {"125", 12},      {"1e5", 1},         {"1e25", 100},  {"1e-25", 0.01},  {"100000_", 100000},
        {"3060 _", 3060}, {"27.5  x_", 27.5}, {"5 e2_", 500}, {"1.5 .5_", 1.5}, {"7 -3_", 7},
        {"- 4_", -4},
    };
    for (const auto& c : cases) {
        const std::string_view text = c.literal.substr(0, c.literal.size() - 1);
        EXPECT_DOUBLE_EQ(Val(text), c.value) << '"' << text << '"';
    }
    const std::vector<char> bare{'4', '2'};  // a view that ends where its memory does
    EXPECT_EQ(Val({bare.data(), bare.size()}), 42);
}

TEST(Val, EveryNumberTextRoundsAsTheCLibraryRoundsIt) {
    std::mt19937_64 random(1031);
    const char* const kSigns[] = {"", "-", "+"};
    for (int i = 0; i < 200000; ++i) {
        std::string digits;
        for (std::uint64_t n = 1 + random() % 24; n > 0; --n) {
            digits += static_cast<char>('0' + random() % 10);
        }
        digits.insert(random() % (digits.size() + 1), random() % 4 == 0 ? "" : ".");
        const int exponent = static_cast<int>(random() % 80) - 40;
        const std::string text = std::string(kSigns[random() % 3]) + digits +
                                 (random() % 3 == 0 ? "e" + std::to_string(exponent) : "");
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(Val(text), expected) << text;
        ASSERT_EQ(StrictNumber(" " + text + " "), expected) << text;
    }
}

// A whole number text or "Type mismatch"; a plain number is digits with at most one point.
TEST(StrictNumber, TakesOnlyAWholeNumberText) {
    const struct {
        const char* text;
        std::optional<double> strict;
        bool plain;
    } cases[] = {
        {"10000", 10000, true}, {" 12.5 ", 12.5, false}, {"12.", 12, true},  {".5", 0.5, true},
        {"3060 ", 3060, false}, {"", {}, false},         {".", {}, false},   {"1.2.3", {}, false},
        {"12a", {}, false},     {"     ", {}, false},    {"--1", {}, false}, {"1,000", {}, false},
        {"-5", -5, false},
    };
    EXPECT_EQ(StrictNumber(std::string_view("120").substr(0, 2)), 12);  // a view inside a text
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlainNumber(c.text), c.plain) << '"' << c.text << '"';
        try {
            EXPECT_EQ(StrictNumber(c.text), c.strict) << '"' << c.text << '"';
        } catch (const RuntimeError& e) {
            EXPECT_FALSE(c.strict) << '"' << c.text << '"';
            EXPECT_EQ(e.Description(), "Type mismatch");
        }
    }
}

TEST(RoundHalfEven, ExactHalvesGoToTheEvenNeighbour) {
    EXPECT_DOUBLE_EQ(RoundHalfEven(2.675, 2), 2.68);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.875 / 9, 4), 0.0972);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.125 / 9, 4), 0.0139);
    EXPECT_EQ(ToInt16(27.5), 28);
    EXPECT_EQ(ToInt16(26.5), 26);
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_THROW(ToInt16(40000), RuntimeError);
}

// A half is judged on the fifteen-digit decimal form (0.285 is stored a little below the half).
TEST(ScaledRound, AHalfIsJudgedOnTheFifteenDigitForm) {
    const struct {
        double value;
        int decimals;
        std::int64_t expected;
    } cases[] = {
        // clang-format off
        {0.285, 2, 28}, {-0.285, 2, -28}, {0.125, 2, 12}, {0.135, 2, 14}, {1.005, 2, 100},
        {1234567.135, 2, 123456714}, {1234567.125, 2, 123456712}, {0.2850004, 2, 29},
        {0.2849996, 2, 28}, {0.28549, 2, 29}, {232.558139534884, 2, 23256},
        {-1234.5678, 2, -123457}, {9999999999.995, 2, 1000000000000},
        {123456789012.345, 2, 12345678901234}, {123456789012.355, 2, 12345678901236},
        {27.5, 0, 28}, {26.5, 0, 26}, {-2.5, 0, -2}, {28.4999, 0, 28}, {2002, 0, 2002},
        {1e-20, 2, 0}, {1.5e15, 2, 150000000000000000},
        // a tie in the binary value itself goes to the even fifteenth digit first
        {0.005, 2, 0}, {0.015, 2, 2}, {6274050091733.625, 2, 627405009173362},
        {6274050091733.875, 2, 627405009173388}, {999999999999999.5, 0, 1000000000000000},
        {0.000123456789012345678, 6, 123}, {0.0000000000001234, 2, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaledRound(c.value, c.decimals), c.expected) << c.value << " to " << c.decimals;
    }
}

TEST(Format, GridPrintAndEchoForms) {
    const struct {
        double value;
        const char* grid;
        const char* echo;
    } cases[] = {
        // clang-format off
        {1234.5, "1,234.50 ", "1,234"}, {1234567.891, "1,234,567.89 ", "1,234,568"},
        {0.5, ".50 ", ""}, {0, ".00 ", ""}, {999.995, "1,000.00 ", "1,000"},
        {1429.0000000000002, "1,429.00 ", "1,429"}, {100, "100.00 ", "100"}, {1.005, "1.00 ", "1"},
        {2575.125, "2,575.12 ", "2,575"}, {9999999999.99, "9,999,999,999.99 ", "10,000,000,000"},
        {998.5, "998.50 ", "998"}, {-1234.5, "-1,234.50 ", "-1,234"},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatAmount(c.value), c.grid) << c.value;
        EXPECT_EQ(FormatWhole(c.value), c.echo) << c.value;
    }
    EXPECT_EQ(FormatPrintAmount(0.125), ".12");
    EXPECT_EQ(FormatAmountCents(257512), "2,575.12 ");
}

TEST(PlainText, AsManyDecimalsAsTheValueNeeds) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {85000, "85000"},    {1234.56, "1234.56"},
        {0.5, "0.5"},        {-500, "-500"},
        {1209.6, "1209.6"},  {0, "0"},
        {1.5e15, "1.5E+15"}, {10000 - 4400.0, "5600"},
        {0.1 + 0.2, "0.3"},  {123456789012345, "123456789012345"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlainText(c.value), c.text);
    }
}

TEST(Arithmetic, RaisesTheRuntimesErrors) {
    EXPECT_EQ(ErrorOf(Divide, 5, 0), err::kDivisionByZero);
    EXPECT_EQ(ErrorOf(Divide, 0, 0), err::kOverflow);
    EXPECT_EQ(ErrorOf(Divide, 1e300, 1e-300), err::kOverflow);
    EXPECT_EQ(ErrorOf(Multiply, 1e300, 1e300), err::kOverflow);
    EXPECT_EQ(ErrorOf(Divide, 5, 2), 0);
}

}  // namespace
}  // namespace pellory
