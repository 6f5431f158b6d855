#include <gtest/gtest.h>

#include <string>

#include "platform/RuntimeError.h"
#include "print/ReportText.h"

namespace pellory {
namespace {

// A field is filled from the left; a text too long for it loses trailing blanks, never a digit.
TEST(ReportText, RightAlignedNeverCutsADigit) {
    const struct {
        std::string text;
        std::size_t width;
        std::string shown;
    } cases[] = {
        {"2002", 4, "2002"},
        {"", 4, "    "},
        {"4,400.00 ", 13, "    4,400.00 "},
        {"9,999,999.99 ", 13, "9,999,999.99 "},
        {"10,000,000.00 ", 13, "10,000,000.00"},
        {"1,000,000,000.00 ", 13, "1,000,000,000.00"},
        {"12,345,678.90   ", 13, "12,345,678.90"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RightAligned(c.text, c.width), c.shown) << '"' << c.text << '"';
    }
}

// The number in a box with groups and cents; an empty box as nothing, other text as it stands.
TEST(ReportText, AmountsAndDates) {
    const std::pair<const char*, const char*> cases[] = {
        {"10000", "10,000.00"},
        {"1234.567", "1,234.57"},
        {"0.5", ".50"},
        {"0", ".00"},
        {"-500", "-500.00"},
        {"9999999999", "9,999,999,999.00"},
        {"", ""},
        {"12a", "12a"},
        {".", "."},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(ReportAmount(text), shown) << '"' << text << '"';
    }
    EXPECT_THROW(ReportAmount("1e300"), RuntimeError);
    EXPECT_EQ(ReportDate({2002, 1, 31}), "01/31/2002");
}

}  // namespace
}  // namespace pellory
