#include <gtest/gtest.h>

#include <string>

#include "platform/RuntimeError.h"
#include "print/ReportText.h"

namespace pellory {
namespace {

TEST(RightAligned, FillsTheFieldFromTheLeftAndNeverCutsADigit) {
    struct Case {
        std::string text;
        std::size_t width;
        std::string shown;
    };
    const Case cases[] = {
        {"2002", 4, "2002"},
        {"", 4, "    "},
        {"", 13, std::string(13, ' ')},
        {".00 ", 13, "         .00 "},
        {"4,400.00 ", 13, "    4,400.00 "},
        {"9,999,999.99 ", 13, "9,999,999.99 "},
        // Ten million and more: the grid's trailing blank goes, the digits stay.
        {"10,000,000.00 ", 13, "10,000,000.00"},
        {"160,000,000.00 ", 13, "160,000,000.00"},
        {"1,000,000,000.00 ", 13, "1,000,000,000.00"},
        {"12,345,678.90   ", 13, "12,345,678.90"},
        {"12345", 4, "12345"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RightAligned(c.text, c.width), c.shown) << "\"" << c.text << "\"";
    }
}

TEST(ReportAmount, FormatsTheNumberInABoxWithGroupsAndCents) {
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"10000", "10,000.00"},
        {"85000", "85,000.00"},
        {"1234.567", "1,234.57"},
        {"0.5", ".50"},
        {"0", ".00"},
        {"-500", "-500.00"},
        {"9999999999", "9,999,999,999.00"},
        {"", ""},
        {"12a", "12a"},
        {".", "."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReportAmount(c.text), c.shown) << "\"" << c.text << "\"";
    }
    EXPECT_THROW(ReportAmount("1e300"), RuntimeError);
}

TEST(ReportDate, IsMonthDayYearWithLeadingZeros) {
    EXPECT_EQ(ReportDate({2026, 12, 7}), "12/07/2026");
    EXPECT_EQ(ReportDate({2002, 1, 31}), "01/31/2002");
}

}  // namespace
}  // namespace pellory
