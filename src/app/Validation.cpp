#include <algorithm>

#include "app/FrmViewDepr.h"
#include "engine/MonthYear.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

bool IsOneOfMacrsLives(double life) {
    for (const double allowed : {3.0, 5.0, 7.0, 10.0, 15.0, 20.0, 27.5, 31.5, 39.0}) {
        if (life == allowed) {
            return true;
        }
    }
    return false;
}

bool HasMidQuarterTable(double life) {
    return std::ranges::any_of(MacrsRows(MacrsTable::Quarter1),
                               [life](const RateRow& row) { return row.life == life; });
}

}  // namespace

bool FrmViewDepr::MidQuarterChosen() const {
    return fraConvention.enabled && optConvention.Selected() == 1;
}

void FrmViewDepr::WireFields() {
    const auto select = [this] { SetSelected(); };
    const auto clearStatus = [this] { ShowStatus(""); };
    const auto clearStatusOnKey = [this](int) { ShowStatus(""); };
    const auto filter = [this](int& key) { NumberFilter(key); };

    txtCost.onGotFocus = select;
    txtCost.onKeyPress = filter;
    txtCost.onKeyDown = clearStatusOnKey;
    txtCost.onKeyUp = [this](int) { NumberEcho(txtCost); };
    txtCost.onLostFocus = clearStatus;

    txtSalesPrice.onGotFocus = select;
    txtSalesPrice.onKeyPress = filter;
    txtSalesPrice.onKeyUp = [this](int) { NumberEcho(txtSalesPrice); };
    txtSalesPrice.onLostFocus = clearStatus;

    txtAdjTaxBasis.onGotFocus = select;
    txtAdjTaxBasis.onKeyPress = filter;
    txtAdjTaxBasis.onKeyUp = [this](int) { NumberEcho(txtAdjTaxBasis); };

    txtBusinessPercent.onGotFocus = select;
    txtBusinessPercent.onKeyPress = filter;
    txtBusinessPercent.onKeyDown = clearStatusOnKey;
    txtBusinessPercent.onLostFocus = clearStatus;

    txtDescription.onGotFocus = select;

    txtInService.onGotFocus = select;
    txtInService.onKeyDown = clearStatusOnKey;
}

void FrmViewDepr::NumberFilter(int& keyAscii) {
    if (keyAscii == '.' || keyAscii <= 31) {
        return;
    }
    if (keyAscii < '0' || keyAscii > '9') {
        platform().Beep();
        keyAscii = 0;
    }
}

void FrmViewDepr::NumberEcho(const TextBox& box) {
    stbMain.foreColor = kBlue;
    const std::string& text = box.Text();
    ShowEcho(IsPlainNumber(text) ? FormatWhole(Val(text)) : text);
}

bool FrmViewDepr::Fault(Control* field, Label* label, const std::string& message) {
    depr.values.InputError = true;
    if (label != nullptr) {
        label->foreColor = kRed;
    }
    // The focus moves first: the box being left may clear the status line as it loses the
    // focus, and the message must outlive that.
    if (field != nullptr) {
        UserFocus(*field);
    }
    ShowStatus(message);
    return false;
}

void FrmViewDepr::GetBusinessPercent() {
    depr.values.BusinessFraction = BusinessFractionOf(txtBusinessPercent.Text());
}

void FrmViewDepr::ValidateInput() {
    depr.values.InputError = false;
    for (Label* label : {&lblCost, &lblMethod, &lblLife}) {
        label->foreColor = kWindowText;
    }
    for (Label* label :
         {&lblInService, &lblSalesPrice, &lblAdjTaxBasis, &lblSoldDate, &lblAutoBusiness}) {
        label->foreColor = kBlack;
    }
    // Only the first fault found is reported: the checks stop at it.
    const Method method = MethodOf(cboMethod.Text());
    (void)(CheckCostAndMethod(method) && CheckInServiceAndLife(method) &&
           CheckBusinessShare(method) && CheckAutoAllowance() && CheckDateSold() &&
           CheckExchange());
}

bool FrmViewDepr::CheckCostAndMethod(Method method) {
    const std::string& cost = txtCost.Text();
    if (Val(cost) == 0) {
        return Fault(&txtCost, &lblCost, "Cost Missing! ");
    }
    if (!IsPlainNumber(cost)) {
        return Fault(&txtCost, &lblCost, "Cost is invalid! ");
    }
    if (method == Method::None) {
        return Fault(&cboMethod, &lblMethod, "Method Missing! ");
    }
    return true;
}

bool FrmViewDepr::CheckInServiceAndLife(Method method) {
    if (txtInService.IsEmpty()) {
        return Fault(&txtInService, &lblInService, "In service date is missing! ");
    }
    if (!ReadMonthYear(txtInService.Text())) {
        return Fault(&txtInService, &lblInService, "In service date is invalid! ");
    }
    const std::string& life = cboLife.Text();
    if (!HasClasses(method) && life.empty()) {
        return Fault(&cboLife, &lblLife, "Life Missing! ");
    }
    if (!life.empty() && !IsPlainNumber(life)) {
        return Fault(&cboLife, &lblLife, "Life is invalid! ");
    }
    if (Val(life) > 43) {
        return Fault(&cboLife, &lblLife, "Life Can't be greater than 43! ");
    }
    if (!life.empty() && Val(life) == 0) {
        return Fault(&cboLife, &lblLife, "Life must be greater than 0! ");
    }
    if (method == Method::Macrs && !life.empty() && !IsOneOfMacrsLives(StrictNumber(life))) {
        return Fault(nullptr, nullptr, "Life must be 3,5,7,10,15,20,27.5,31.5,39! ");
    }
    if (method == Method::Macrs && !life.empty() && MidQuarterChosen() &&
        !HasMidQuarterTable(StrictNumber(life))) {
        // Real property is recovered month by month; the mid-quarter tables have no row for it.
        return Fault(&cboLife, &lblLife, "Life " + life + " has no Mid Quarter table! ");
    }
    return true;
}

bool FrmViewDepr::CheckBusinessShare(Method method) {
    GetBusinessPercent();
    const double share = depr.values.BusinessFraction;
    if (txtBusinessPercent.enabled && share == 0) {
        return Fault(&txtBusinessPercent, &lblAutoBusiness, "Business Percent is required.");
    }
    if (method == Method::Macrs && share > 0 && (share > 1.0 || share < 0.5)) {
        return Fault(nullptr, nullptr,
                     "MACRS Buisness Percent must be between 50% and 100%. Use ADS for less then "
                     "50%.");
    }
    if (share > 1.0) {
        return Fault(nullptr, nullptr, "Business Percent can't be greater than 100%. ");
    }
    return true;
}

// A car used 50% or less for business takes no special allowance.
bool FrmViewDepr::CheckAutoAllowance() {
    if (chkBonus.value == 1 && AutoFileCode() != nullptr &&
        !AutoQualifiesForAllowance(depr.values.BusinessFraction)) {
        return Fault(&chkBonus, &lblAutoBusiness,
                     "Special allowance requires business use over 50%.");
    }
    return true;
}

bool FrmViewDepr::CheckDateSold() {
    if (mskSold.IsEmpty()) {
        return true;
    }
    const std::optional<MonthYear> placed = ReadMonthYear(txtInService.Text());
    const std::optional<MonthYear> sold = ReadMonthYear(mskSold.Text());
    if (!sold || sold->year * 12 + sold->month < placed->year * 12 + placed->month) {
        return Fault(&mskSold, &lblSoldDate, "Date sold is invalid! ");
    }
    return true;
}

bool FrmViewDepr::CheckExchange() {
    const std::string& sales = txtSalesPrice.Text();
    const std::string& basis = txtAdjTaxBasis.Text();
    if (basis.empty() && !sales.empty()) {
        return Fault(&txtAdjTaxBasis, &lblAdjTaxBasis,
                     "Adj Tax Basis is required if Sales Price is populated! ");
    }
    if (sales.empty() && !basis.empty()) {
        return Fault(&txtSalesPrice, &lblSalesPrice,
                     "Sales Price is required if Adj Tax Basis is populated! ");
    }
    if (!sales.empty() && !IsPlainNumber(sales)) {
        return Fault(&txtSalesPrice, &lblSalesPrice, "Sales Price is invalid! ");
    }
    if (!basis.empty() && !IsPlainNumber(basis)) {
        return Fault(&txtAdjTaxBasis, &lblAdjTaxBasis, "Adj Tax Basis is invalid! ");
    }
    if (!sales.empty() &&
        StrictNumber(txtCost.Text()) - StrictNumber(sales) + StrictNumber(basis) <= 0) {
        return Fault(&txtSalesPrice, &lblSalesPrice, "Adj. Cost must be greater than 0! ");
    }
    return true;
}

}  // namespace pellory
