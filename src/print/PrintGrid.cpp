#include "print/PrintGrid.h"

#include <algorithm>
#include <array>
#include <string>

#include "controls/Utf8.h"
#include "engine/AllowanceRates.h"
#include "engine/Section179.h"
#include "platform/ErrorReport.h"
#include "platform/RuntimeError.h"
#include "print/ReportText.h"

namespace pellory {

namespace {

// The report is laid out on a line of 8 inches; positions are twips.
constexpr double kLineWidth = 11520.0;
constexpr double kDateX = 10000.0;
constexpr double kDateY = 500.0;
constexpr double kTitleY = 1300.0;
// Fixed widths per character for centring, not measured.
constexpr double kTitleCharWidth = 145.0;
constexpr double kDescriptionCharWidth = 123.0;
// Offsets from the left margin of the three input columns, the rules, the heading and the table.
constexpr double kFirstItem = 900.0;
constexpr double kSecondItem = 3800.0;
constexpr double kThirdItem = 7700.0;
constexpr double kRuleX = 3000.0;
constexpr double kHeadingX = 3500.0;
constexpr double kTableX = 3800.0;
constexpr double kCellShift = 300.0;
constexpr double kYearGap = 700.0;
constexpr double kAmountGap = 1200.0;
// Each of the first eight grid columns counts its own width plus this much towards the width of
// the report.
constexpr int kColumnAllowance = 460;
constexpr int kMeasuredColumns = 8;

constexpr double kBodySize = 8.0;
constexpr double kTitleSize = 12.0;
constexpr double kAssetTypeSize = 11.0;
constexpr double kDescriptionSize = 10.0;

constexpr std::size_t kYearField = 4;
constexpr std::size_t kAmountField = 13;
constexpr int kGroups = 4;
constexpr int kColumnsPerGroup = 3;

const char* const kFontName = "Courier new";
const char* const kTitle = "Depreciation Schedule";
const char* const kHeading = "YEAR         DEPRECIATION       ADJUSTED TAX BASIS";
const std::string kRule(60, '_');

double Length(const std::string& text) {
    return static_cast<double>(utf8::Length(text));
}

std::string ConventionText(AveragingConvention convention) {
    if (convention == AveragingConvention::None) {
        return "None";
    }
    const std::string_view name = ConventionName(convention);
    if (name.empty()) {
        Raise(err::kSubscript);  // no convention button has that index
    }
    return std::string(name);
}

std::string LifeOrClassText(const ReportInputs& in) {
    if (in.assetClass.empty()) {
        return "Life: " + in.life + std::string(24, ' ');
    }
    return "Class: " + in.assetClass + std::string(6, ' ');
}

// The cells of a table line: the year's row, or blank fields for a year without one.
std::array<std::string, 3> TableCells(const ReportInputs& in, int recoveryYear) {
    const auto found = std::ranges::find(in.rows, recoveryYear, &ScheduleRow::recoveryYear);
    if (found == in.rows.end()) {
        return {RightAligned("", kYearField), RightAligned("", kAmountField),
                RightAligned("", kAmountField)};
    }
    return {RightAligned(YearText(*found), kYearField),
            RightAligned(AmountText(*found), kAmountField),
            RightAligned(BasisText(*found), kAmountField)};
}

// One report being drawn: every printer operation is a step of its own.
class Report {
  public:
    Report(const ReportInputs& inputs, Printer& printer, Platform& platform)
        : in_(inputs), printer_(printer), step_(ErrorReport::Engine(platform, "Print Grid Error")) {
        for (int col = 1; col <= kMeasuredColumns; ++col) {
            width_ += in_.columnWidths[static_cast<std::size_t>(col)] + kColumnAllowance;
        }
        offset_ = (kLineWidth - width_) / 2.0;
    }

    template <typename Action>
    void Step(Action&& action) {
        failed_ = !step_(std::forward<Action>(action)) || failed_;
    }
    bool Failed() const { return failed_; }

    void Head();
    void Inputs();
    void Table();

  private:
    double Centred(const std::string& text) const {
        return offset_ + (width_ - Length(text) * kTitleCharWidth) / 2.0;
    }
    // A text at `x` from the offset, ending the line or staying on it; one step.
    template <typename Text>
    void Item(double x, const Text& text, bool endLine) {
        Step([&] {
            const std::string shown = text();
            printer_.SetCurrentX(offset_ + x);
            if (endLine) {
                printer_.PrintLine(shown);
            } else {
                printer_.PrintStay(shown);
            }
        });
    }
    void EmptyLine() {
        Step([&] { printer_.PrintLine(""); });
    }
    void TableLine(int group, int row);

    const ReportInputs& in_;
    Printer& printer_;
    ErrorReport step_;
    bool failed_ = false;
    double width_ = 0.0;  // of the schedule's columns
    double offset_ = 0.0;
};

void Report::Head() {
    Step([&] { printer_.SetCurrentY(kDateY); });
    Step([&] { printer_.SetCurrentX(kDateX); });
    Step([&] { printer_.PrintLine(ReportDate(in_.today)); });

    Step([&] { printer_.SetCurrentY(kTitleY); });
    Step([&] { printer_.SetCurrentX(Centred(kTitle)); });
    Step([&] { printer_.SetFontSize(kTitleSize); });
    Step([&] { printer_.PrintLine(kTitle); });

    if (!in_.assetType.empty()) {
        Step([&] { printer_.SetCurrentX(Centred(in_.assetType)); });
    }
    Step([&] { printer_.SetFontSize(kAssetTypeSize); });
    Step([&] { printer_.PrintLine(in_.assetType); });
    EmptyLine();

    Step([&] { printer_.SetFontSize(kDescriptionSize); });
    Step([&] {
        // A description too long to centre starts at the left margin rather than off the page.
        printer_.SetCurrentX(
            std::max(0.0, (kLineWidth - Length(in_.description) * kDescriptionCharWidth) / 2.0));
    });
    Step([&] { printer_.PrintLine(in_.description); });
    EmptyLine();
    EmptyLine();
}

void Report::Inputs() {
    Step([&] { printer_.SetFontSize(kBodySize); });
    Item(
        kFirstItem, [&] { return "Cost: " + ReportAmount(in_.cost); }, false);
    Item(
        kSecondItem, [&] { return in_.methodLine; }, false);
    Item(
        kThirdItem, [&] { return "Convention: " + ConventionText(in_.convention); }, true);
    EmptyLine();

    Item(
        kFirstItem, [&] { return "In Service Date: " + in_.inService; }, false);
    Item(
        kSecondItem, [&] { return LifeOrClassText(in_); }, false);
    Item(
        kThirdItem,
        [&] {
            return in_.businessPercent.empty() ? std::string()
                                               : "Business Percent: " + in_.businessPercent;
        },
        true);
    EmptyLine();

    if (!in_.salesPrice.empty()) {
        Item(
            kFirstItem, [&] { return "Sales Price: " + ReportAmount(in_.salesPrice); }, false);
        Item(
            kSecondItem, [&] { return "Adjusted Tax Basis: " + ReportAmount(in_.adjTaxBasis); },
            false);
        Item(
            kThirdItem, [&] { return "Adjusted Cost: " + ReportAmount(in_.adjCost); }, true);
        EmptyLine();
    }
    if (!in_.dateSold.empty()) {
        Item(
            kFirstItem, [&] { return "Date Sold: " + in_.dateSold; }, true);
        EmptyLine();
    }
    if (in_.allowance) {
        Item(
            kFirstItem, [&] { return AllowanceReportNote(in_.allowanceRate); }, true);
        EmptyLine();
    }
    if (in_.section179Cents > 0) {
        Item(
            kFirstItem, [&] { return Section179ReportNote(in_.section179Cents); }, true);
        EmptyLine();
    }
    EmptyLine();
    EmptyLine();
}

void Report::Table() {
    Item(
        kRuleX, [&] { return kRule; }, true);
    Item(
        kTableX, [&] { return std::string(); }, true);
    Item(
        kHeadingX, [&] { return std::string(kHeading); }, true);
    Item(
        kRuleX, [&] { return kRule; }, true);
    // The four column groups one below the other, eleven lines each.
    for (int group = 0; group < kGroups; ++group) {
        for (int row = 1; row <= kYearsPerGroup; ++row) {
            EmptyLine();
            TableLine(group, row);
        }
    }
}

void Report::TableLine(int group, int row) {
    const std::array<std::string, 3> cells = TableCells(in_, group * kYearsPerGroup + row);
    double x = offset_ + kTableX;
    for (int i = 0; i < kColumnsPerGroup; ++i) {
        Step([&] {
            printer_.SetCurrentX(x - kCellShift);
            printer_.PrintStay(cells[static_cast<std::size_t>(i)]);
        });
        const int col = group * kColumnsPerGroup + 1 + i;
        x += in_.columnWidths[static_cast<std::size_t>(col)] + (i == 0 ? kYearGap : kAmountGap);
    }
}

}  // namespace

bool PrintGrid(const ReportInputs& inputs, Printer& printer, MousePointer& pointer,
               Platform& platform) {
    Report report(inputs, printer, platform);
    report.Step([&] { pointer.Show(PointerShape::Hourglass); });
    report.Step([&] { printer.SetFontName(kFontName); });
    report.Head();
    report.Inputs();
    report.Table();
    report.Step([&] { printer.EndDoc(); });
    report.Step([&] { pointer.Show(PointerShape::Arrow); });
    return !report.Failed();
}

bool PrintSchedule(const ReportSource& inputs, const PrinterOpener& open, MousePointer& pointer,
                   Platform& platform) {
    try {
        const std::unique_ptr<Printer> printer = open();
        return PrintGrid(inputs(), *printer, pointer, platform);
    } catch (const RuntimeError& error) {
        ErrorReport::Engine(platform, "Printer Error").Show(error);
        return false;
    }
}

}  // namespace pellory
