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

void FrmViewDepr::Calculate() {
    EngineValues& v = depr.values;
    // A run-time error is reported and the run goes on with the next step.
    const auto step = [this](auto&& action) {
        try {
            action();
        } catch (const RuntimeError& error) {
            depr.ReportError("Calculation Error", error);
        }
    };

    double cost = 0.0;
    double life = 0.0;
    std::int16_t years = 0;
    std::int16_t quarter = 0;
    double amount = 0.0;

    v.ResetTotal = true;
    SetStatusStyle(kRed, stbMain.bold);
    ShowStatus("");
    v.MethodText.clear();
    step([this] {
        grdDepr.Clear();
        depr.SetGridHeadings();
    });

    step([this] { ValidateInput(); });
    if (v.InputError) {
        return;
    }

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

    const std::string method = cboMethod.Text();
    const bool straightLine = method == "Straight Line" || method == "Amortize";
    const std::string& lifeText = cboLife.Text();
    const bool fractionalLife = straightLine && !IsWholeNumber(Val(lifeText));
    if (!lifeText.empty()) {
        life = Val(lifeText);
        step([&] { years = ToInt16(life); });
        if (fractionalLife) {
            // Far enough for the last part year to recover what is left of the cost.
            years = static_cast<std::int16_t>(std::ceil(life));
        }
    } else if (cboClass.Text().empty()) {
        ShowStatus("Please select a life or a class.");
        return;
    } else {
        step([&] {
            life = cboClass.ItemData(cboClass.ListIndex());
            years = ToInt16(life);
        });
    }
    years = static_cast<std::int16_t>(years + 1);

    if (fraConvention.enabled) {
        const int selected = optConvention.Selected();
        if (selected >= 0) {
            v.Convention = static_cast<std::int16_t>(selected);
        }
    } else {
        v.Convention = kNoConvention;
    }
    const std::string inService = txtInService.Text();
    if (v.Convention == kMidQuarter) {
        step([&] {
            const int month = ToInt16(Val(inService.substr(0, 2)));
            quarter = static_cast<std::int16_t>(month >= 1 && month <= 12 ? (month + 2) / 3 : 0);
        });
    }

    if (cboClass.ListIndex() != -1) {
        const std::string& cls = cboClass.Text();
        const std::string yearText = inService.substr(inService.size() - 4);
        const auto luxury = [&](const char* fileCode) {
            step([&] {
                depr.MacrsLuxuryAuto(cost, ToInt16(Val(lifeText)), yearText, fileCode, quarter);
            });
        };
        if (cls.rfind("Automobiles ", 0) == 0) {
            return luxury("A");
        }
        if (cls.rfind("Automobiles, Clean Fuel", 0) == 0) {
            return luxury("E");
        }
    }

    if (chkBonus.value == 1 && method == "MACRS") {
        cost = cost * 0.7;
    }

    const std::optional<MonthYear> placed = ReadMonthYear(inService);
    const std::optional<MonthYear> soldOn = ReadMonthYear(mskSold.Text());
    for (std::int16_t year = 1; year <= years; ++year) {
        const std::string yearMethod = cboMethod.Text();
        step([&] {
            if (yearMethod == "Straight Line" || yearMethod == "Amortize") {
                const double slLife = Val(cboLife.Text());
                // What is left is measured against the cent amounts already entered, so the
                // last year brings the schedule's total to the cost to the cent.
                amount = fractionalLife
                             ? depr.StraightLineFractionalYear(
                                   cost, slLife, year, year == 1 ? 0.0 : depr.TotalDepreciation())
                             : depr.StraightLineYear(cost, slLife, year).value_or(0.0);
            } else if (yearMethod == "MACRS") {
                if (v.Convention == kHalfYear || v.Convention == kMidMonth) {
                    amount = depr.MacrsHalfYear(cost, life, year);
                } else if (v.Convention == kMidQuarter) {
                    switch (quarter) {
                        case 1:
                            amount = depr.MacrsQuarter1(cost, life, year);
                            break;
                        case 2:
                            amount = depr.MacrsQuarter2(cost, life, year);
                            break;
                        case 3:
                            amount = depr.MacrsQuarter3(cost, life, year);
                            break;
                        case 4:
                            amount = depr.MacrsQuarter4(cost, life, year);
                            break;
                        default:
                            break;
                    }
                }
            } else if (yearMethod == "ADS") {
                amount = depr.AdsStraightLine(cost, life, year, quarter);
            }
        });
        const bool sold = placed && soldOn && placed->year + (year - 1) == soldOn->year;
        if (sold) {
            amount = ProrateSaleYear(amount, v.Convention, soldOn->month);
        }
        depr.FillGrid(year, amount);
        if (sold) {
            break;
        }
    }

    SetStatusStyle(kBlue, false);
    ShowStatus(v.MethodText);
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
    grdDepr.Clear();
    depr.SetGridHeadings();
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
