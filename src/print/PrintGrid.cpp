#include "print/PrintGrid.h"

#include <algorithm>
#include <string>

#include "controls/Utf8.h"
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
// Each grid column counts its own width plus this much towards the width of the report.
constexpr int kColumnAllowance = 460;

constexpr double kBodySize = 8.0;
constexpr double kTitleSize = 12.0;
constexpr double kAssetTypeSize = 11.0;
constexpr double kDescriptionSize = 10.0;

constexpr std::size_t kYearField = 4;
constexpr std::size_t kAmountField = 13;
constexpr int kGroups = 4;
constexpr int kColumnsPerGroup = 3;
constexpr int kRowsPerGroup = 11;

const char* const kFontName = "Courier new";
const char* const kTitle = "Depreciation Schedule";
const char* const kHeading = "YEAR         DEPRECIATION       ADJUSTED TAX BASIS";
const char* const kAllowanceNote =
    "First year depreciation includes a special 30% depreciation allowance.";
const std::string kRule(60, '_');

// Runs the steps of one report: a step that raises a run-time error is reported and the next
// one runs.
class Steps {
  public:
    explicit Steps(Platform& platform) : platform_(platform) {}

    template <typename Step>
    void operator()(Step&& step) {
        try {
            step();
        } catch (const RuntimeError& error) {
            failed_ = true;
            platform_.MsgBox(EngineErrorText(error), MsgButtons::Ok, MsgIcon::None,
                             "Print Grid Error");
        }
    }

    bool Failed() const { return failed_; }

  private:
    Platform& platform_;
    bool failed_ = false;
};

double Length(const std::string& text) {
    return static_cast<double>(utf8::Length(text));
}

std::string AssetTypeText(const OptionArray& assetType) {
    if (assetType[0].value) {
        return assetType[0].caption;
    }
    if (assetType[1].value) {
        return assetType[1].caption;
    }
    if (assetType[2].value) {
        return assetType[2].caption;
    }
    return {};
}

std::string ConventionText(const FrmViewDepr& w) {
    const std::int16_t convention = w.depr.values.Convention;
    if (convention == kNoConvention) {
        return "None";
    }
    if (convention < 0 || convention >= w.optConvention.Count()) {
        Raise(err::kSubscript);
    }
    return w.optConvention[convention].caption;
}

std::string LifeOrClassText(const FrmViewDepr& w) {
    if (w.cboClass.Text().empty()) {
        return "Life: " + w.cboLife.Text() + std::string(24, ' ');
    }
    return "Class: " + w.cboClass.Text() + std::string(6, ' ');
}

}  // namespace

bool PrintGrid(FrmViewDepr& w, Printer& printer, MousePointer& pointer) {
    Steps step(w.platform());
    const Grid& grid = w.grdDepr;

    step([&] { pointer.Show(PointerShape::Hourglass); });
    step([&] { printer.SetFontName(kFontName); });
    const double bodySize = kBodySize;

    step([&] { printer.SetCurrentY(kDateY); });
    step([&] { printer.SetCurrentX(kDateX); });
    step([&] { printer.PrintLine(ReportDate(w.platform().Today())); });

    double width = 0.0;  // of the schedule's columns
    double offset = 0.0;
    step([&] {
        int total = 0;
        for (int col = 1; col <= 8; ++col) {
            total += grid.ColWidth(col) + kColumnAllowance;
        }
        width = total;
        offset = (kLineWidth - width) / 2.0;
    });
    const auto centred = [&](const std::string& text) {
        return offset + (width - Length(text) * kTitleCharWidth) / 2.0;
    };

    step([&] { printer.SetCurrentY(kTitleY); });
    step([&] { printer.SetCurrentX(centred(kTitle)); });
    step([&] { printer.SetFontSize(kTitleSize); });
    step([&] { printer.PrintLine(kTitle); });

    const std::string assetType = AssetTypeText(w.optAssetType);
    if (!assetType.empty()) {
        step([&] { printer.SetCurrentX(centred(assetType)); });
    }
    step([&] { printer.SetFontSize(kAssetTypeSize); });
    step([&] { printer.PrintLine(assetType); });
    step([&] { printer.PrintLine(""); });

    step([&] { printer.SetFontSize(kDescriptionSize); });
    step([&] {
        // A description too long to centre starts at the left margin rather than off the page.
        const std::string& description = w.txtDescription.Text();
        printer.SetCurrentX(
            std::max(0.0, (kLineWidth - Length(description) * kDescriptionCharWidth) / 2.0));
    });
    step([&] { printer.PrintLine(w.txtDescription.Text()); });
    step([&] { printer.PrintLine(""); });
    step([&] { printer.PrintLine(""); });

    step([&] { printer.SetFontSize(bodySize); });

    std::string& methodText = w.depr.values.MethodText;
    if (methodText.empty()) {
        methodText = "Method: " + w.cboMethod.Text();
    }

    // The inputs, three to a line.
    const auto item = [&](double x, const auto& text, bool endLine) {
        step([&] {
            const std::string shown = text();
            printer.SetCurrentX(offset + x);
            if (endLine) {
                printer.PrintLine(shown);
            } else {
                printer.PrintStay(shown);
            }
        });
    };
    const auto emptyLine = [&] { step([&] { printer.PrintLine(""); }); };

    item(
        kFirstItem, [&] { return "Cost: " + ReportAmount(w.txtCost.Text()); }, false);
    item(
        kSecondItem, [&] { return methodText; }, false);
    item(
        kThirdItem, [&] { return "Convention: " + ConventionText(w); }, true);
    emptyLine();

    item(
        kFirstItem, [&] { return "In Service Date: " + w.txtInService.Text(); }, false);
    item(
        kSecondItem, [&] { return LifeOrClassText(w); }, false);
    item(
        kThirdItem,
        [&] {
            const std::string& business = w.txtBusinessPercent.Text();
            return business.empty() ? std::string() : "Business Percent: " + business;
        },
        true);
    emptyLine();

    if (!w.txtSalesPrice.Text().empty()) {
        item(
            kFirstItem, [&] { return "Sales Price: " + ReportAmount(w.txtSalesPrice.Text()); },
            false);
        item(
            kSecondItem,
            [&] { return "Adjusted Tax Basis: " + ReportAmount(w.txtAdjTaxBasis.Text()); }, false);
        item(
            kThirdItem, [&] { return "Adjusted Cost: " + ReportAmount(w.lblAdjCost.caption); },
            true);
        emptyLine();
    }
    if (!w.mskSold.IsEmpty()) {
        item(
            kFirstItem, [&] { return "Date Sold: " + w.mskSold.Text(); }, true);
        emptyLine();
    }
    if (w.chkBonus.value == 1) {
        item(
            kFirstItem, [&] { return std::string(kAllowanceNote); }, true);
        emptyLine();
    }
    emptyLine();
    emptyLine();

    item(
        kRuleX, [&] { return kRule; }, true);
    item(
        kTableX, [&] { return std::string(); }, true);
    item(
        kHeadingX, [&] { return std::string(kHeading); }, true);
    item(
        kRuleX, [&] { return kRule; }, true);

    // The table: the four column groups one below the other, eleven lines each.
    for (int group = 0; group < kGroups; ++group) {
        for (int row = 1; row <= kRowsPerGroup; ++row) {
            emptyLine();
            double x = offset + kTableX;
            for (int i = 0; i < kColumnsPerGroup; ++i) {
                const int col = group * kColumnsPerGroup + 1 + i;
                const bool yearColumn = i == 0;
                step([&] {
                    printer.SetCurrentX(x - kCellShift);
                    printer.PrintStay(RightAligned(grid.TextMatrix(row, col),
                                                   yearColumn ? kYearField : kAmountField));
                });
                step([&] { x += grid.ColWidth(col) + (yearColumn ? kYearGap : kAmountGap); });
            }
        }
    }

    step([&] { printer.EndDoc(); });
    step([&] { pointer.Show(PointerShape::Arrow); });
    return !step.Failed();
}

bool PrintSchedule(FrmViewDepr& w, const PrinterOpener& open, MousePointer& pointer) {
    try {
        const std::unique_ptr<Printer> printer = open();
        return PrintGrid(w, *printer, pointer);
    } catch (const RuntimeError& error) {
        w.platform().MsgBox(EngineErrorText(error), MsgButtons::Ok, MsgIcon::None, "Printer Error");
        return false;
    }
}

}  // namespace pellory
