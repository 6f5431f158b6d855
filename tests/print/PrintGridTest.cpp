#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "platform/RuntimeError.h"
#include "print/ReportText.h"

namespace pellory {
namespace {

using testing::ReportTest;

const std::string kRule(60, '_');
const std::string kBlanks24(24, ' ');

// The worked example down to the first table line, all in Courier new, under the hourglass.
TEST_F(ReportTest, TheWorkedExampleLineByLine) {
    WorkedExample();
    Print();
    const struct {
        double x, y, size;
        std::string text;
        bool newLine;
    } expected[] = {
        // clang-format off
        {10000, 500, 10, "12/07/2026", true}, {4237.5, 1300, 12, "Depreciation Schedule", true},
        {4817.5, 1588, 11, "Regular Asset", true}, {0, 1852, 11, "", true},
        {4960.5, 2116, 10, "Office copier", true}, {0, 2356, 10, "", true}, {0, 2596, 10, "", true},
        {930, 2836, 8, "Cost: 10,000.00", false}, {3830, 2836, 8, "Method: MACRS 200% DB", false},
        {7730, 2836, 8, "Convention: Half Year", true}, {0, 3028, 8, "", true},
        {930, 3220, 8, "In Service Date: 03/2002", false}, {3830, 3220, 8, "Life: 5" + kBlanks24, false},
        {7730, 3220, 8, "Business Percent: 100", true}, {0, 3412, 8, "", true},
        {930, 3604, 8, "First year depreciation includes a special 30% depreciation allowance.", true},
        {0, 3796, 8, "", true}, {0, 3988, 8, "", true}, {0, 4180, 8, "", true},
        {3030, 4372, 8, kRule, true}, {3830, 4564, 8, "", true},
        {3530, 4756, 8, "YEAR         DEPRECIATION       ADJUSTED TAX BASIS", true},
        {3030, 4948, 8, kRule, true}, {0, 5140, 8, "", true}, {3530, 5332, 8, "2002", false},
        {4690, 5332, 8, "    4,400.00 ", false}, {7170, 5332, 8, "    5,600.00 ", false},
        // clang-format on
    };
    ASSERT_GE(printer.printed.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const PrintedText& p = printer.printed[i];
        const auto& e = expected[i];
        EXPECT_EQ(p.text, e.text) << i;
        EXPECT_EQ((std::vector{p.x, p.y, p.fontSize}), (std::vector{e.x, e.y, e.size})) << e.text;
        EXPECT_EQ(p.newLine, e.newLine) << e.text;
        EXPECT_EQ(p.fontName, "Courier new") << e.text;
    }
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_EQ(pointer.shapes,
              (std::vector<PointerShape>{PointerShape::Hourglass, PointerShape::Arrow}));
    EXPECT_TRUE(printedCleanly);
    EXPECT_TRUE(platform.boxes.empty());
}

// One line per recovery year down the grid's four column groups, each where its widths put it.
TEST_F(ReportTest, TheTableHasALineForEachOfFortyFourYears) {
    w.Type(w.txtCost, "390000");
    Method("MACRS");
    InService("01/2000");
    PickClass("Buildings post 5/12/93 (39)");
    w.cmdCalculate.Click();
    ASSERT_EQ(LastWrittenYear(), 40);
    Print([](ReportInputs& in) { in.columnWidths[5] = 2000; });
    const auto table = Table();
    ASSERT_EQ(table.size(), 44U);
    const std::string blank = "    |" + std::string(13, ' ') + "|" + std::string(13, ' ');
    for (int year = 1; year <= 44; ++year) {
        const auto& line = table[static_cast<std::size_t>(year - 1)];
        const ScheduleRow* row = Row(year);
        EXPECT_EQ(line.text, row == nullptr
                                 ? blank
                                 : YearText(*row) + "|" + RightAligned(AmountText(*row), 13) + "|" +
                                       RightAligned(BasisText(*row), 13))
            << year;
        const bool wide = year >= 12 && year <= 22;  // the second group's depreciation column
        EXPECT_EQ(line.xs, (std::vector<double>{3170, 4330, wide ? 7530.0 : 6810.0})) << year;
        EXPECT_EQ(line.y, 4948 + (year - 1) * kBodyLine) << year;
    }
    EXPECT_EQ(Text("Class: ").text, "Class: Buildings post 5/12/93 (39)      ");
    EXPECT_EQ(Text("Convention: ").text, "Convention: Mid Month");
    // Amounts of ten million and more keep every digit.
    Print([](ReportInputs& in) { in.rows[0].amountCents = 4000000000; });
    EXPECT_EQ(Table()[0].text.substr(0, 18), "2000|40,000,000.00");
}

// A sale adds the date sold, an exchange its three amounts, each with an empty line after it.
TEST_F(ReportTest, TheInputLinesShowTheChoicesMade) {
    WorkedExample();
    const struct {
        std::function<void(ReportInputs&)> change;
        std::vector<std::string> lines;  // the lines printed after line B, before the rule
    } cases[] = {
        {[](ReportInputs& in) { in.allowance = false; }, {"", "", ""}},
        {[](ReportInputs& in) {
             in.allowance = false;
             in.dateSold = "06/2005";
         },
         {"", "Date Sold: 06/2005", "", "", ""}},
        {[](ReportInputs& in) {
             in.salesPrice = "40000";
             in.adjTaxBasis = "25000";
             in.adjCost = "85000";
         },
         {"", "Sales Price: 40,000.00|Adjusted Tax Basis: 25,000.00|Adjusted Cost: 85,000.00", "",
          "First year depreciation includes a special 30% depreciation allowance.", "", "", ""}},
    };
    for (const auto& c : cases) {
        Print(c.change);
        auto at = std::ranges::find(printer.printed, Text("In Service Date: ").y, &PrintedText::y);
        std::vector<std::string> lines;
        for (at += 3; at < printer.printed.end() && at->text != kRule; ++at) {
            if (at[-1].newLine) {
                lines.push_back(at->text);
            } else {
                lines.back() += "|" + at->text;  // an item on the same line
            }
        }
        EXPECT_EQ(lines, c.lines);
    }
    // The convention by its name, or None; no business percent, no item.
    for (const auto convention : {AveragingConvention::MidQuarter, AveragingConvention::None}) {
        Print([&](ReportInputs& in) {
            in.convention = convention;
            in.businessPercent.clear();
        });
        EXPECT_EQ(Text("Convention: ").text, convention == AveragingConvention::None
                                                 ? "Convention: None"
                                                 : "Convention: Mid Quarter");
        EXPECT_EQ(Text("Business Percent: ").text, "");
    }
}

// Centred on the grid's first eight columns; the description by its characters, or at the margin.
TEST_F(ReportTest, TitleAndDescriptionAreCentred) {
    WorkedExample();
    Print([](ReportInputs& in) { in.columnWidths[1] = 1000; });  // 540 wider: 270 to the left
    EXPECT_EQ(Text("Depreciation Schedule").x, 4237.5);
    EXPECT_EQ(Text("Cost: ").x, 660);
    EXPECT_EQ(Text(kRule).x, 2760);
    EXPECT_EQ(Table()[0].xs, (std::vector<double>{3260, 3260 + 1000 + 700, 3260 + 2980 + 1200}));
    const std::pair<std::string, double> descriptions[] = {
        {"Kopierger\xC3\xA4t", (11520 - 11 * 123) / 2.0},
        {std::string(93, 'x'), (11520 - 93 * 123) / 2.0},
        {std::string(100, 'x'), 0},
    };
    for (const auto& [description, x] : descriptions) {
        Print([&](ReportInputs& in) { in.description = description; });
        EXPECT_EQ(printer.printed.at(4).text, description);
        EXPECT_EQ(printer.printed.at(4).x, x) << description;
    }
    // Without an asset type an empty line stands where the title left off.
    Print([](ReportInputs& in) { in.assetType.clear(); });
    EXPECT_EQ((std::vector{printer.printed.at(2).x, printer.printed.at(2).y}),
              (std::vector<double>{0, 1588}));
}

// A method without a method line of its own prints its name until the next calculation.
TEST_F(ReportTest, TheMethodLineFromTheListStaysUntilTheNextCalculation) {
    w.Type(w.txtCost, "5000");
    Method("Straight Line");
    InService("01/2020");
    w.Type(w.cboLife, "5");
    w.cmdCalculate.Click();
    Print();
    EXPECT_EQ(Text("Method: ").text, "Method: Straight Line");
    Method("ADS");
    Print();
    EXPECT_EQ(Text("Method: ").text, "Method: Straight Line");
    w.cmdCalculate.Click();
    EXPECT_NE(w.depr.values.MethodText, "Method: Straight Line");
}

// A printer on which every call fails, as one that ran out of paper.
class BrokenPrinter : public Printer {
  public:
    void SetFontName(const std::string&) override { Fail(); }
    void SetFontSize(double) override { Fail(); }
    void SetCurrentX(double) override { Fail(); }
    void SetCurrentY(double) override { Fail(); }
    void PrintLine(const std::string&) override { Fail(); }
    void PrintStay(const std::string&) override { Fail(); }
    void EndDoc() override { Fail(); }

  private:
    [[noreturn]] static void Fail() { throw RuntimeError(err::kPrinter); }
};

// Each failed step is reported and the report goes on; an item that cannot be formed is left out.
TEST_F(ReportTest, AFailedStepIsReportedAndTheReportGoesOn) {
    WorkedExample();
    BrokenPrinter broken;
    EXPECT_FALSE(PrintGrid(ReportInputsOf(w), broken, pointer, platform));
    EXPECT_GT(platform.boxes.size(), 44U * 3);
    for (const auto& box : platform.boxes) {
        ASSERT_EQ(box.title + ": " + box.text, "Print Grid Error: Err: 482[Printer error]");
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(pointer.shapes.back(), PointerShape::Arrow);

    platform.boxes.clear();
    Print([](ReportInputs& in) { in.convention = static_cast<AveragingConvention>(7); });
    EXPECT_FALSE(printedCleanly);
    EXPECT_EQ(platform.boxes.at(0).text, "Err: 9[Subscript out of range]");
    EXPECT_EQ(Text("Convention: ").text, "");
    EXPECT_EQ(Text("In Service Date: ").y, Text("Cost: ").y + kBodyLine);
    EXPECT_EQ(Table().size(), 44U);
    Print([](ReportInputs& in) { in.cost = "1e300"; });
    EXPECT_EQ(platform.boxes.at(1).text, "Err: 6[Overflow]");
    EXPECT_EQ(Text("Cost: ").text, "");
    EXPECT_EQ(Text("Method: ").text, "Method: MACRS 200% DB");
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_EQ(platform.boxes.size(), 2U);
}

// A text too long for its field loses trailing blanks, never a digit.
TEST(ReportText, RightAlignedNeverCutsADigit) {
    const struct {
        std::string text;
        std::size_t width;
        std::string shown;
    } cases[] = {
        {"", 4, "    "},
        {"9,999,999.99 ", 13, "9,999,999.99 "},
        {"10,000,000.00 ", 13, "10,000,000.00"},
        {"1,000,000,000.00 ", 13, "1,000,000,000.00"},
        {"12,345,678.90   ", 13, "12,345,678.90"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RightAligned(c.text, c.width), c.shown) << '"' << c.text << '"';
    }
}

TEST(ReportText, AmountsAndDates) {
    const std::pair<const char*, const char*> cases[] = {
        {"1234.567", "1,234.57"},           {"0.5", ".50"}, {"-500", "-500.00"},
        {"9999999999", "9,999,999,999.00"}, {"", ""},       {"12a", "12a"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(ReportAmount(text), shown) << '"' << text << '"';
    }
    EXPECT_THROW(ReportAmount("1e300"), RuntimeError);
    EXPECT_EQ(ReportDate({2002, 1, 31}), "01/31/2002");
}

}  // namespace
}  // namespace pellory
