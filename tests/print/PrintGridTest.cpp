#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "print/ReportText.h"

namespace pellory {
namespace {

using testing::ReportTest;

struct Expected {
    double x;
    double y;
    double size;
    std::string text;
    bool newLine;
};

const std::string kRule(60, '_');
const char* const kHeading = "YEAR         DEPRECIATION       ADJUSTED TAX BASIS";
const char* const kNote = "First year depreciation includes a special 30% depreciation allowance.";

TEST_F(ReportTest, TheHeadOfTheWorkedExampleLineByLine) {
    WorkedExample();
    Print();
    const std::vector<Expected> expected{
        {10000, 500, 10, "12/07/2026", true},
        {4237.5, 1300, 12, "Depreciation Schedule", true},
        {4817.5, 1588, 11, "Regular Asset", true},
        {0, 1852, 11, "", true},
        {4960.5, 2116, 10, "Office copier", true},
        {0, 2356, 10, "", true},
        {0, 2596, 10, "", true},
        {930, 2836, 8, "Cost: 10,000.00", false},
        {3830, 2836, 8, "Method: MACRS 200% DB", false},
        {7730, 2836, 8, "Convention: Half Year", true},
        {0, 3028, 8, "", true},
        {930, 3220, 8, "In Service Date: 03/2002", false},
        {3830, 3220, 8, "Life: 5" + std::string(24, ' '), false},
        {7730, 3220, 8, "Business Percent: 100", true},
        {0, 3412, 8, "", true},
        {930, 3604, 8, kNote, true},
        {0, 3796, 8, "", true},
        {0, 3988, 8, "", true},
        {0, 4180, 8, "", true},
        {3030, 4372, 8, kRule, true},
        {3830, 4564, 8, "", true},
        {3530, 4756, 8, kHeading, true},
        {3030, 4948, 8, kRule, true},
        {0, 5140, 8, "", true},
        {3530, 5332, 8, "2002", false},
        {4690, 5332, 8, "    4,400.00 ", false},
        {7170, 5332, 8, "    5,600.00 ", false},
    };
    ASSERT_GE(printer.printed.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const PrintedText& p = printer.printed[i];
        const Expected& e = expected[i];
        EXPECT_EQ(p.text, e.text) << "print " << i;
        EXPECT_DOUBLE_EQ(p.x, e.x) << "print " << i << " " << e.text;
        EXPECT_DOUBLE_EQ(p.y, e.y) << "print " << i << " " << e.text;
        EXPECT_DOUBLE_EQ(p.fontSize, e.size) << "print " << i << " " << e.text;
        EXPECT_EQ(p.newLine, e.newLine) << "print " << i << " " << e.text;
        EXPECT_EQ(p.fontName, "Courier new") << "print " << i;
    }
    EXPECT_TRUE(printedCleanly);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(ReportTest, OneDocumentUnderTheHourglassInCourierNew) {
    WorkedExample();
    Print();
    ASSERT_FALSE(printer.calls.empty());
    EXPECT_EQ(printer.calls.front().kind, PrinterCall::Kind::FontName);
    EXPECT_EQ(printer.calls.front().text, "Courier new");
    EXPECT_EQ(printer.calls.back().kind, PrinterCall::Kind::EndDoc);
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_EQ(pointer.shapes,
              (std::vector<PointerShape>{PointerShape::Hourglass, PointerShape::Arrow}));
    std::vector<double> sizes;
    for (const PrinterCall& call : printer.calls) {
        if (call.kind == PrinterCall::Kind::FontSize) {
            sizes.push_back(call.value);
        }
    }
    EXPECT_EQ(sizes, (std::vector<double>{12, 11, 10, 8}));
}

TEST_F(ReportTest, TheTableHasFortyFourLinesWithBlankFieldsAfterTheSchedule) {
    WorkedExample();
    Print();
    const auto table = Table();
    ASSERT_EQ(table.size(), 44u);
    const std::vector<std::string> filled{
        "2002|    4,400.00 |    5,600.00 ", "2003|    2,240.00 |    3,360.00 ",
        "2004|    1,344.00 |    2,016.00 ", "2005|      806.40 |    1,209.60 ",
        "2006|      806.40 |      403.20 ", "2007|      403.20 |         .00 ",
    };
    const std::string blank = "    |" + std::string(13, ' ') + "|" + std::string(13, ' ');
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(Joined(table[i]), i < filled.size() ? filled[i] : blank) << "line " << i;
        EXPECT_DOUBLE_EQ(table[i].y, 5332 + static_cast<double>(i) * kBodyLine) << "line " << i;
        ASSERT_EQ(table[i].cells.size(), 3u);
        EXPECT_DOUBLE_EQ(table[i].cells[0].x, 3530);
        EXPECT_DOUBLE_EQ(table[i].cells[1].x, 4690);
        EXPECT_DOUBLE_EQ(table[i].cells[2].x, 7170);
    }
}

TEST_F(ReportTest, ALongScheduleStartsEachGroupWithYearsTwelveTwentyThreeAndThirtyFour) {
    w.Type(w.txtCost, "390000");
    Method("MACRS");
    InService("01/2000");
    PickClass("Buildings post 5/12/93 (39)");
    w.cmdCalculate.Click();
    ASSERT_EQ(LastWrittenYear(), 40);
    Print();
    const auto table = Table();
    ASSERT_EQ(table.size(), 44u);
    for (int year = 1; year <= 44; ++year) {
        const auto& line = table[static_cast<std::size_t>(year - 1)];
        const std::string expected = year <= 40 ? std::to_string(1999 + year) : "    ";
        EXPECT_EQ(line.cells[0].text, expected) << "recovery year " << year;
        const std::string amount = year <= 40 ? AmountText(*Row(year)) : "";
        EXPECT_EQ(line.cells[1].text, RightAligned(amount, 13)) << "recovery year " << year;
    }
    EXPECT_EQ(Text("Class: ").text, "Class: Buildings post 5/12/93 (39)      ");
    EXPECT_EQ(Text("Convention: ").text, "Convention: Mid Month");
}

// The input block for the choices a user makes; each case names the texts it must show.
struct InputCase {
    const char* name;
    const char* method;
    const char* life;  // picked from the list or typed, or nullptr
    const char* cls;   // picked from the class list, or nullptr
    const char* business;
    std::string methodItem;
    std::string conventionItem;
    std::string lifeOrClassItem;
    std::string businessItem;
};

class InputBlockTest : public ReportTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(InputBlockTest, LinesAAndB) {
    const InputCase& c = GetParam();
    w.Type(w.txtCost, "12000");
    Method(c.method);
    InService("07/2010");
    if (c.life != nullptr) {
        Life(c.life);
    }
    if (c.cls != nullptr) {
        PickClass(c.cls);
    }
    if (c.business != nullptr) {
        w.txtBusinessPercent.SetText(c.business);
    }
    w.cmdCalculate.Click();
    ASSERT_TRUE(w.cmdPrint.enabled) << w.stbMain.caption;
    Print();
    const PrintedText method = Text("Method: ");
    EXPECT_EQ(method.text, c.methodItem);
    EXPECT_DOUBLE_EQ(method.x, 3830);
    const PrintedText convention = Text("Convention: ");
    EXPECT_EQ(convention.text, c.conventionItem);
    EXPECT_DOUBLE_EQ(convention.x, 7730);
    EXPECT_DOUBLE_EQ(convention.y, method.y);
    const PrintedText inService = Text("In Service Date: ");
    EXPECT_EQ(inService.text, "In Service Date: 07/2010");
    EXPECT_DOUBLE_EQ(inService.y, method.y + 2 * kBodyLine);
    // The second and third items of line B follow the date on the same line.
    const auto& printed = printer.printed;
    std::size_t i = 0;
    while (printed[i].text != inService.text) {
        ++i;
    }
    ASSERT_LT(i + 2, printed.size());
    EXPECT_EQ(printed[i + 1].text, c.lifeOrClassItem);
    EXPECT_DOUBLE_EQ(printed[i + 1].x, 3830);
    EXPECT_EQ(printed[i + 2].text, c.businessItem);
    EXPECT_DOUBLE_EQ(printed[i + 2].x, 7730);
    EXPECT_DOUBLE_EQ(printed[i + 2].y, inService.y);
    EXPECT_TRUE(printed[i + 2].newLine);
    EXPECT_EQ(w.depr.values.MethodText, c.methodItem);
}

INSTANTIATE_TEST_SUITE_P(
    Report, InputBlockTest,
    ::testing::Values(InputCase{"StraightLineHasNoMethodLineOrConvention", "Straight Line", "5",
                                nullptr, nullptr, "Method: Straight Line", "Convention: None",
                                "Life: 5" + std::string(24, ' '), ""},
                      InputCase{"AmortizeTheSame", "Amortize", "15", nullptr, nullptr,
                                "Method: Amortize", "Convention: None",
                                "Life: 15" + std::string(24, ' '), ""},
                      InputCase{"AClassInsteadOfALife", "MACRS", nullptr, "Desks (7)", nullptr,
                                "Method: MACRS 200% DB", "Convention: Half Year",
                                "Class: Desks (7)" + std::string(6, ' '), ""},
                      InputCase{"AnAdsClass", "ADS", nullptr, "Desks (10)", nullptr,
                                "Method: ADS- Straight Line", "Convention: Half Year",
                                "Class: Desks (10)" + std::string(6, ' '), ""},
                      InputCase{"ListedPropertyAtSixtyPercent", "MACRS", "5", nullptr, "60",
                                "Method: MACRS 200% DB", "Convention: Half Year",
                                "Life: 5" + std::string(24, ' '), "Business Percent: 60"},
                      InputCase{"ListedPropertyAsAFraction", "MACRS", "5", nullptr, ".75",
                                "Method: MACRS 200% DB", "Convention: Half Year",
                                "Life: 5" + std::string(24, ' '), "Business Percent: .75"}),
    [](const ::testing::TestParamInfo<InputCase>& param) { return param.param.name; });

TEST_F(ReportTest, TheMethodLineFromTheListStaysUntilTheNextCalculation) {
    w.Type(w.txtCost, "5000");
    Method("Straight Line");
    InService("01/2020");
    Life("5");
    w.cmdCalculate.Click();
    ASSERT_EQ(w.depr.values.MethodText, "");
    Print();
    EXPECT_EQ(w.depr.values.MethodText, "Method: Straight Line");
    // A second printout without a new calculation finds the line already filled.
    Method("ADS");
    RecordingPrinter again;
    PrintGrid(ReportInputsOf(w), again, pointer, platform);
    bool found = false;
    for (const PrintedText& p : again.printed) {
        found = found || p.text == "Method: Straight Line";
    }
    EXPECT_TRUE(found);
    w.cmdCalculate.Click();
    EXPECT_NE(w.depr.values.MethodText, "Method: Straight Line");
}

TEST_F(ReportTest, ASaleAddsTheDateSoldLine) {
    w.optAssetType.SetValue(1, true);
    w.Type(w.txtCost, "10000");
    Method("MACRS");
    InService("03/2002");
    PickLife("7");
    w.Type(w.mskSold, "06/2005");
    w.cmdCalculate.Click();
    ASSERT_EQ(LastWrittenYear(), 4);
    Print();
    const PrintedText assetType = Text("Relinquished Asset");
    EXPECT_DOUBLE_EQ(assetType.x, 30 + (11460 - 18 * 145) / 2.0);
    EXPECT_DOUBLE_EQ(assetType.fontSize, 11);
    const PrintedText inService = Text("In Service Date: ");
    const PrintedText sold = Text("Date Sold: ");
    EXPECT_EQ(sold.text, "Date Sold: 06/2005");
    EXPECT_DOUBLE_EQ(sold.x, 930);
    EXPECT_DOUBLE_EQ(sold.y, inService.y + 2 * kBodyLine);
    EXPECT_TRUE(sold.newLine);
    EXPECT_FALSE(Printed("Sales Price: "));
    EXPECT_DOUBLE_EQ(Text(kRule).y, sold.y + 4 * kBodyLine);
    EXPECT_EQ(Joined(Table()[3]), "2005|      624.50 |    3,748.50 ");
}

TEST_F(ReportTest, AnExchangeAddsTheSalesPriceLine) {
    w.optAssetType.SetValue(2, true);
    Method("MACRS");
    InService("03/2002");
    PickLife("7");
    w.Type(w.txtSalesPrice, "40000");
    w.Type(w.txtAdjTaxBasis, "25000");
    w.Type(w.txtCost, "100000");
    w.cmdCalculate.Click();
    ASSERT_EQ(w.lblAdjCost.caption, "85000");
    Print();
    EXPECT_DOUBLE_EQ(Text("Replacement Asset").x, 30 + (11460 - 17 * 145) / 2.0);
    EXPECT_EQ(Text("Cost: ").text, "Cost: 100,000.00");
    const PrintedText inService = Text("In Service Date: ");
    const PrintedText price = Text("Sales Price: ");
    const PrintedText basis = Text("Adjusted Tax Basis: ");
    const PrintedText cost = Text("Adjusted Cost: ");
    EXPECT_EQ(price.text, "Sales Price: 40,000.00");
    EXPECT_EQ(basis.text, "Adjusted Tax Basis: 25,000.00");
    EXPECT_EQ(cost.text, "Adjusted Cost: 85,000.00");
    EXPECT_DOUBLE_EQ(price.x, 930);
    EXPECT_DOUBLE_EQ(basis.x, 3830);
    EXPECT_DOUBLE_EQ(cost.x, 7730);
    EXPECT_DOUBLE_EQ(price.y, inService.y + 2 * kBodyLine);
    EXPECT_DOUBLE_EQ(cost.y, price.y);
    EXPECT_FALSE(price.newLine);
    EXPECT_TRUE(cost.newLine);
    EXPECT_FALSE(Printed("Date Sold: "));
    EXPECT_DOUBLE_EQ(Text(kRule).y, price.y + 4 * kBodyLine);
    EXPECT_EQ(Joined(Table()[0]), "2002|   12,146.50 |   72,853.50 ");
}

TEST_F(ReportTest, WithoutSaleOrAllowanceTheRuleFollowsLineB) {
    w.Type(w.txtCost, "10000");
    Method("MACRS");
    InService("03/2002");
    PickLife("7");
    w.cmdCalculate.Click();
    Print();
    EXPECT_FALSE(Printed("Sales Price: "));
    EXPECT_FALSE(Printed("Date Sold: "));
    EXPECT_FALSE(Printed("First year"));
    EXPECT_DOUBLE_EQ(Text(kRule).y, Text("In Service Date: ").y + 4 * kBodyLine);
    EXPECT_DOUBLE_EQ(Table().front().y, Text(kRule).y + 5 * kBodyLine);
}

TEST_F(ReportTest, AmountsOfTenMillionAndMoreKeepEveryDigit) {
    w.Type(w.txtCost, "200000000");
    Method("MACRS");
    InService("03/2002");
    PickLife("5");
    w.txtBusinessPercent.SetText("");
    w.cmdCalculate.Click();
    ASSERT_EQ(Amount(1), 4000000000);
    Print();
    EXPECT_EQ(Text("Cost: ").text, "Cost: 200,000,000.00");
    const auto table = Table();
    EXPECT_EQ(Joined(table[0]), "2002|40,000,000.00|160,000,000.00");
    EXPECT_EQ(Joined(table[1]), "2003|64,000,000.00|96,000,000.00");
    EXPECT_EQ(Joined(table[5]), "2007|11,520,000.00|         .00 ");
    EXPECT_DOUBLE_EQ(table[0].cells[2].x, 7170);
}

TEST_F(ReportTest, TheTitleStaysCentredWhenTheColumnsAreWider) {
    WorkedExample();
    // T grows by 540, the offset moves 270 to the left.
    Print([](ReportInputs& inputs) { inputs.columnWidths[1] = 1000; });
    EXPECT_DOUBLE_EQ(Text("Depreciation Schedule").x, 4237.5);
    EXPECT_DOUBLE_EQ(Text("Cost: ").x, 660);
    EXPECT_DOUBLE_EQ(Text(kRule).x, 2760);
    const auto first = Table().front();
    EXPECT_DOUBLE_EQ(first.cells[0].x, 3260);
    EXPECT_DOUBLE_EQ(first.cells[1].x, 3260 + 1000 + 700);
    EXPECT_DOUBLE_EQ(first.cells[2].x, 3260 + 1000 + 700 + 1280 + 1200);
}

struct DescriptionCase {
    const char* name;
    std::string description;
    double x;
};

class DescriptionTest : public ReportTest, public ::testing::WithParamInterface<DescriptionCase> {};

TEST_P(DescriptionTest, IsCentredOnTheLine) {
    WorkedExample();
    w.txtDescription.SetText(GetParam().description);
    Print();
    // The description is the fifth print: after the date, the title, the asset type and the
    // empty line below it.
    const PrintedText& p = printer.printed.at(4);
    EXPECT_EQ(p.text, GetParam().description);
    EXPECT_DOUBLE_EQ(p.x, GetParam().x);
    EXPECT_DOUBLE_EQ(p.fontSize, 10);
    EXPECT_DOUBLE_EQ(p.y, 2116);
}

INSTANTIATE_TEST_SUITE_P(
    Report, DescriptionTest,
    ::testing::Values(
        DescriptionCase{"Empty", "", 5760}, DescriptionCase{"Short", "Office copier", 4960.5},
        DescriptionCase{"CountsCharactersNotBytes", "Kopierger\xC3\xA4t", (11520 - 11 * 123) / 2.0},
        DescriptionCase{"LongestThatFits", std::string(93, 'x'), (11520 - 93 * 123) / 2.0},
        // Too long to centre: it starts at the margin, not off the page.
        DescriptionCase{"TooLongStartsAtTheMargin", std::string(100, 'x'), 0}),
    [](const ::testing::TestParamInfo<DescriptionCase>& param) { return param.param.name; });

TEST_F(ReportTest, NoAssetTypeSelectedPrintsAnEmptyLineWhereTheTitleLeftOff) {
    WorkedExample();
    w.optAssetType.SetValue(0, false);
    ASSERT_EQ(w.optAssetType.Selected(), -1);
    Print();
    const PrintedText& p = printer.printed.at(2);
    EXPECT_EQ(p.text, "");
    EXPECT_DOUBLE_EQ(p.x, 0);
    EXPECT_DOUBLE_EQ(p.y, 1588);
    EXPECT_DOUBLE_EQ(p.fontSize, 11);
}

}  // namespace
}  // namespace pellory
