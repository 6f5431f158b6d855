#include <cmath>

#include "app/FrmViewDepr.h"
#include "engine/MonthYear.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

bool IsWholeNumber(double value) {
    return std::floor(value) == value;
}

}  // namespace

// The values of one Calculate run.
struct FrmViewDepr::ScheduleRun {
    Method method = Method::None;
    double cost = 0.0;
    double life = 0.0;
    int years = 0;
    std::int16_t quarter = 0;
    bool fractionalLife = false;
};

void FrmViewDepr::Calculate() {
    EngineValues& v = depr.values;
    v.ResetTotal = true;
    SetStatusStyle(kRed, stbMain.bold);
    ShowStatus("");
    v.MethodText.clear();
    cmdPrint.enabled = false;  // the first row written enables it again
    const ErrorReport step = depr.Report("Calculation Error");
    step([this] { depr.ClearSchedule(); });
    step([this] { ValidateInput(); });
    if (v.InputError) {
        return;
    }

    ScheduleRun run{MethodOf(cboMethod.Text())};
    run.cost = ScheduleCost(step);
    if (!ScheduleLength(run, step)) {
        ShowStatus("Please select a life or a class.");
        return;
    }
    ScheduleConvention(run, step);
    if (RunLuxuryAuto(run, step)) {
        return;
    }
    if (chkBonus.value == 1 && HasClasses(run.method)) {
        run.cost = run.cost * 0.7;  // the allowance itself is added to year 1 by the grid
    }
    RunYears(run, step);
    depr.ShowMethodLine();
}

double FrmViewDepr::ScheduleCost(const ErrorReport& step) {
    double cost = 0.0;
    const std::string& sales = txtSalesPrice.Text();
    step([&] {
        if (!sales.empty() && !txtCost.Text().empty() && !txtAdjTaxBasis.Text().empty()) {
            lblAdjCost.caption = PlainText(StrictNumber(txtCost.Text()) - StrictNumber(sales) +
                                           StrictNumber(txtAdjTaxBasis.Text()));
            cost = Val(lblAdjCost.caption);
        }
    });
    step([&] {
        if (sales.empty()) {
            lblAdjCost.caption.clear();
            cost = StrictNumber(txtCost.Text());
        }
    });
    return cost;
}

bool FrmViewDepr::ScheduleLength(ScheduleRun& run, const ErrorReport& step) {
    const std::string& lifeText = cboLife.Text();
    if (!lifeText.empty()) {
        step([&] {
            run.life = Val(lifeText);
            run.years = ToInt16(run.life);
            run.fractionalLife = IsStraightLine(run.method) && !IsWholeNumber(run.life);
            if (run.fractionalLife) {
                // Far enough for the last part year to recover what is left of the cost.
                run.years = ToInt16(std::ceil(run.life));
            }
        });
    } else if (cboClass.Text().empty()) {
        return false;
    } else {
        step([&] {
            run.life = cboClass.ItemData(cboClass.ListIndex());
            run.years = ToInt16(run.life);
        });
    }
    run.years += 1;
    return true;
}

void FrmViewDepr::ScheduleConvention(ScheduleRun& run, const ErrorReport& step) {
    EngineValues& v = depr.values;
    if (fraConvention.enabled) {
        const int selected = optConvention.Selected();
        if (selected >= 0) {
            v.Convention = static_cast<AveragingConvention>(selected);
        }
    } else {
        v.Convention = AveragingConvention::None;
    }
    if (v.Convention == AveragingConvention::MidQuarter) {
        step([&] {
            const int month = ToInt16(Val(txtInService.Text().substr(0, 2)));
            run.quarter =
                static_cast<std::int16_t>(month >= 1 && month <= 12 ? (month + 2) / 3 : 0);
        });
    }
}

const char* FrmViewDepr::AutoFileCode() const {
    if (cboClass.ListIndex() == -1) {
        return nullptr;
    }
    const std::string& cls = cboClass.Text();
    if (cls.rfind("Automobiles ", 0) == 0) {
        return "A";
    }
    if (cls.rfind("Automobiles, Clean Fuel", 0) == 0) {
        return "E";
    }
    return nullptr;
}

bool FrmViewDepr::RunLuxuryAuto(const ScheduleRun& run, const ErrorReport& step) {
    const char* fileCode = AutoFileCode();
    if (fileCode == nullptr) {
        return false;
    }
    const std::string inService = txtInService.Text();
    const std::string yearText =
        inService.size() >= 4 ? inService.substr(inService.size() - 4) : inService;
    step([&] {
        depr.MacrsLuxuryAuto(run.cost, ToInt16(Val(cboLife.Text())), yearText, fileCode,
                             run.quarter,
                             run.method == Method::Ads ? AutoSystem::Ads : AutoSystem::Macrs);
    });
    return true;
}

std::optional<double> FrmViewDepr::YearAmount(const ScheduleRun& run, std::int16_t year) {
    switch (run.method) {
        case Method::StraightLine:
        case Method::Amortize: {
            const double life = Val(cboLife.Text());
            return run.fractionalLife ? depr.StraightLineFractionalYear(run.cost, life, year)
                                      : depr.StraightLineYear(run.cost, life, year).value_or(0.0);
        }
        case Method::Ads:
            return depr.AdsStraightLine(run.cost, run.life, year, run.quarter);
        case Method::Macrs:
            break;
        case Method::None:
            return std::nullopt;
    }
    const AveragingConvention convention = depr.values.Convention;
    if (convention == AveragingConvention::HalfYear ||
        convention == AveragingConvention::MidMonth) {
        return depr.MacrsHalfYear(run.cost, run.life, year);
    }
    if (convention != AveragingConvention::MidQuarter) {
        return std::nullopt;
    }
    switch (run.quarter) {
        case 1:
            return depr.MacrsQuarter1(run.cost, run.life, year);
        case 2:
            return depr.MacrsQuarter2(run.cost, run.life, year);
        case 3:
            return depr.MacrsQuarter3(run.cost, run.life, year);
        case 4:
            return depr.MacrsQuarter4(run.cost, run.life, year);
        default:
            return std::nullopt;
    }
}

void FrmViewDepr::RunYears(const ScheduleRun& run, const ErrorReport& step) {
    const std::optional<MonthYear> placed = ReadMonthYear(txtInService.Text());
    const std::optional<MonthYear> soldOn = ReadMonthYear(mskSold.Text());
    // A year whose computation failed or that no method covers keeps the amount before it.
    double amount = 0.0;
    bool failed = false;
    for (int year = 1; year <= run.years; ++year) {
        const auto recoveryYear = static_cast<std::int16_t>(year);
        const std::size_t faults = depr.Result().faults.size();
        failed |= !step([&] {
            if (const std::optional<double> computed = YearAmount(run, recoveryYear)) {
                amount = *computed;
            }
        });
        failed |= depr.Result().faults.size() != faults;
        const bool sold = placed && soldOn && placed->year + (year - 1) == soldOn->year;
        if (sold) {
            amount = ProrateSaleYear(amount, depr.values.Convention, soldOn->month);
        }
        // The last year of a recovery that runs to its end takes what the years before it left;
        // a schedule a fault broke off does not run to its end.
        depr.FillGrid(recoveryYear, amount, !sold && !failed && year == run.years);
        if (sold) {
            break;
        }
    }
}

void FrmViewDepr::Clear() {
    ShowStatus("");
    for (Label* label : {&lblCost, &lblMethod, &lblLife}) {
        label->foreColor = kWindowText;
    }
    cboLife.SetText("");
    cboMethod.SetListIndex(-1);
    txtCost.SetText("");
    txtBusinessPercent.SetText("");
    txtDescription.SetText("");
    WriteToday();
    mskSold.SetText(mskSold.EmptyText());
    txtSalesPrice.SetText("");
    txtAdjTaxBasis.SetText("");
    lblAdjCost.caption.clear();
    depr.ClearSchedule();
    txtBusinessPercent.SetText("");
    txtBusinessPercent.enabled = false;
    lblAutoBusiness.enabled = false;
    EnableConvention(false);
    optConvention.SetValue(2, false);
    optConvention[2].enabled = false;
    cmdPrint.enabled = false;
    SetFocus(txtCost);
}

}  // namespace pellory
