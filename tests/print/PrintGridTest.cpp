#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "MainWindowFixture.h"
#include "app/ReportInputs.h"
#include "platform/RuntimeError.h"
#include "print/PrintGrid.h"
#include "print/RecordingPrinter.h"
#include "print/ReportText.h"

namespace pellory {
namespace {

const std::string kRule(60, '_');

// A main window with a recording printer, and ways to read the report back.
class ReportTest : public testing::MainWindowTest {
  public:
    static constexpr double kBodyLine = 8 * RecordingPrinter::kLineHeightPerPoint;  // 192

    // The report of the window's schedule, its inputs changed first by `change`.
    void Print(const std::function<void(ReportInputs&)>& change = [](ReportInputs&) {}) {
        ReportInputs inputs = ReportInputsOf(w);
        change(inputs);
        printer = RecordingPrinter{};
        printedCleanly = PrintGrid(inputs, printer, pointer, platform);
    }

    void WorkedExample() {
        w.Type(w.txtCost, "10000");
        Method("MACRS");
        InService("03/2002");
        PickLife("5");
        w.chkBonus.value = 1;
        w.Type(w.txtDescription, "Office copier");
        w.cmdCalculate.Click();
    }

    // The first printed text that begins with `start`, or an empty one.
    PrintedText Text(std::string_view start) const {
        const auto found = std::ranges::find_if(
            printer.printed, [&](const PrintedText& p) { return p.text.starts_with(start); });
        return found == printer.printed.end() ? PrintedText{} : *found;
    }

    // A line of the schedule table below the heading's rule: its cells joined with "|".
    struct TableLine {
        double y = 0;
        std::string text;
        std::vector<double> xs;
    };
    std::vector<TableLine> Table() const {
        int rules = 0;
        std::vector<TableLine> lines;
        for (const PrintedText& p : printer.printed) {
            rules += p.text == kRule ? 1 : 0;
            if (rules < 2 || p.newLine) {
                continue;
            }
            if (lines.empty() || lines.back().y != p.y) {
                lines.push_back({p.y, p.text, {p.x}});
            } else {
                lines.back().text += "|" + p.text;
                lines.back().xs.push_back(p.x);
            }
        }
        return lines;
    }

    RecordingPrinter printer;
    RecordingPointer pointer;
    bool printedCleanly = false;
};

// The worked example's landmarks (first lines, the items in three columns, the table's heading
// and first line), all in Courier new, under the hourglass.
TEST_F(ReportTest, TheWorkedExamplesLandmarks) {
    WorkedExample();
    Print();
    const struct {
        std::string text;
        double x, y, size;
    } expected[] = {
        {"12/07/2026", 10000, 500, 10},
        {"Depreciation Schedule", 4237.5, 1300, 12},
        {"Regular Asset", 4817.5, 1588, 11},
        {"Office copier", 4960.5, 2116, 10},
        {"Cost: 10,000.00", 930, 2836, 8},
        {"Method: MACRS 200% DB", 3830, 2836, 8},
        {"Convention: Half Year", 7730, 2836, 8},
        {"Life: 5" + std::string(24, ' '), 3830, 3220, 8},
        {"First year depreciation includes a special 30% depreciation allowance.", 930, 3604, 8},
        {"YEAR         DEPRECIATION       ADJUSTED TAX BASIS", 3530, 4756, 8},
        {"2002", 3530, 5332, 8},
        {"    4,400.00 ", 4690, 5332, 8},
    };
    for (const auto& e : expected) {
        const PrintedText p = Text(e.text);
        EXPECT_EQ(p.text, e.text);
        EXPECT_EQ((std::vector{p.x, p.y, p.fontSize}), (std::vector{e.x, e.y, e.size})) << e.text;
    }
    EXPECT_TRUE(std::ranges::all_of(
        printer.printed, [](const PrintedText& p) { return p.fontName == "Courier new"; }));
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
    // No convention is named None; no business percent, no item.
    Print([&](ReportInputs& in) {
        in.convention = AveragingConvention::None;
        in.businessPercent.clear();
    });
    EXPECT_EQ(Text("Convention: ").text, "Convention: None");
    EXPECT_EQ(Text("Business Percent: ").text, "");
    // The allowance's note names the rate the schedule was figured at, not a later pick.
    w.cboBonusRate.SetListIndex(w.cboBonusRate.IndexOf("60%"));
    Print();
    EXPECT_EQ(Text("First year").text,
              "First year depreciation includes a special 30% depreciation allowance.");
}

// Centred on the grid's first eight columns; the description by its characters, or at the margin.
TEST_F(ReportTest, TitleAndDescriptionAreCentred) {
    WorkedExample();
    Print([](ReportInputs& in) { in.columnWidths[1] = 1000; });  // 540 wider: 270 to the left
    EXPECT_EQ(Text("Depreciation Schedule").x, 4237.5);
    EXPECT_EQ(Text("Cost: ").x, 660);
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
    EXPECT_NE(w.ReportMethodLine(), "Method: Straight Line");
}

// Each failed step is reported and the report goes on; an item that cannot be formed is left out.
TEST_F(ReportTest, AFailedStepIsReportedAndTheReportGoesOn) {
    WorkedExample();
    Print([](ReportInputs& in) { in.convention = static_cast<AveragingConvention>(7); });
    EXPECT_FALSE(printedCleanly);
    EXPECT_EQ(platform.boxes.at(0).title + ": " + platform.boxes.at(0).text,
              "Print Grid Error: Err: 9[Subscript out of range]");
    EXPECT_EQ(pointer.shapes.back(), PointerShape::Arrow);
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
