#include "app/FrmViewDepr.h"

#include "engine/AllowanceRates.h"

namespace pellory {

int FrmViewDepr::AllowanceRate() const {
    const int index = cboBonusRate.ListIndex();
    return index >= 0 ? cboBonusRate.ItemData(index) : kDefaultAllowanceRate;
}

void FrmViewDepr::RateFromInService() {
    const std::string& text = txtInService.Text();
    const std::optional<MonthYear> date = MonthEntry::Of(text).date;
    if (!date || text == rateDate_) {
        return;
    }
    rateDate_ = text;
    const int index = cboBonusRate.IndexOf(std::to_string(AllowanceRateFor(*date)) + "%");
    if (index >= 0) {
        cboBonusRate.SetListIndex(index);
    }
}

void FrmViewDepr::ShowAllowanceRate() {
    chkBonus.caption = AllowanceCaption(AllowanceRate());
}

Asset FrmViewDepr::ReadAsset() const {
    Asset a;
    const int type = optAssetType.Selected();
    a.type = type >= 0 ? static_cast<AssetType>(type) : AssetType::Regular;
    a.cost = NumberEntry::Of(txtCost.Text());
    a.method = MethodOf(cboMethod.Text());
    a.inService = MonthEntry::Of(txtInService.Text());
    a.life = NumberEntry::Of(cboLife.Text());
    if (const int index = cboClass.ListIndex(); index >= 0) {
        a.assetClass = ClassChoice::Of(cboClass.Text(), cboClass.ItemData(index));
    }
    a.business = BusinessEntry::Of(txtBusinessPercent.Text(), txtBusinessPercent.enabled);
    if (chkBonus.value == 1) {
        a.allowanceRate = AllowanceRate();
    }
    a.section179 = NumberEntry::Of(txtSection179.Text());
    if (fraConvention.enabled) {
        const int selected = optConvention.Selected();
        a.convention =
            selected >= 0 ? static_cast<AveragingConvention>(selected) : lastRun_.convention;
    }
    a.sold = MonthEntry::Of(mskSold.Text());
    a.salesPrice = NumberEntry::Of(txtSalesPrice.Text());
    a.adjTaxBasis = NumberEntry::Of(txtAdjTaxBasis.Text());
    a.description = txtDescription.Text();
    return a;
}

void FrmViewDepr::Calculate() {
    SetStatusStyle(kRed, stbMain.bold);
    ShowStatus("");
    methodText_.clear();
    cmdPrint.enabled = false;  // a written row enables it again
    ClearSchedule();
    for (Label* label : {&lblCost, &lblMethod, &lblLife, &lblSection179}) {
        label->foreColor = kWindowText;
    }
    for (Label* label :
         {&lblInService, &lblSalesPrice, &lblAdjTaxBasis, &lblSoldDate, &lblAutoBusiness}) {
        label->foreColor = kBlack;
    }
    const AveragingConvention convention = lastRun_.convention;
    lastRun_ = pellory::Calculate(ReadAsset(), {platform(), &autoLimitTables});
    if (lastRun_.fault) {
        lastRun_.convention = convention;  // nothing was computed
        ShowFault(*lastRun_.fault);
    } else {
        ShowResult();
    }
}

void FrmViewDepr::ShowFault(const InputFault& fault) {
    const struct {
        InputBox box;
        Control* field;
        Label* label;
    } places[] = {
        {InputBox::Cost, &txtCost, &lblCost},
        {InputBox::Method, &cboMethod, &lblMethod},
        {InputBox::InService, &txtInService, &lblInService},
        {InputBox::Life, &cboLife, &lblLife},
        {InputBox::BusinessPercent, &txtBusinessPercent, &lblAutoBusiness},
        {InputBox::Allowance, &chkBonus, &lblAutoBusiness},
        {InputBox::Section179, &txtSection179, &lblSection179},
        {InputBox::Sold, &mskSold, &lblSoldDate},
        {InputBox::SalesPrice, &txtSalesPrice, &lblSalesPrice},
        {InputBox::AdjTaxBasis, &txtAdjTaxBasis, &lblAdjTaxBasis},
    };
    for (const auto& place : places) {
        if (place.box == fault.box) {
            place.label->foreColor = kRed;
            // The focus moves first: the box being left may clear the status line as it loses
            // the focus, and the message must outlive that.
            UserFocus(*place.field);
        }
    }
    ShowStatus(fault.message);
}

void FrmViewDepr::ShowResult() {
    const CalcResult& r = lastRun_;
    lblAdjCost.caption = r.adjCost;
    if (r.autoBusinessRed) {
        lblAutoBusiness.foreColor = *r.autoBusinessRed ? kRed : kBlack;
    }
    if (r.adjustedBasis) {
        adjustedBasis_ = *r.adjustedBasis;
    }
    methodText_ = r.schedule.methodLine;
    WriteScheduleGrid(grdDepr, r.schedule);
    cmdPrint.enabled = !r.schedule.rows.empty();
    if (r.statusBlue) {
        SetStatusStyle(kBlue, false);
    }
    ShowStatus(r.status);
}

void FrmViewDepr::ClearSchedule() {
    grdDepr.Clear();
    HeadScheduleGrid(grdDepr);
    lastRun_.schedule = {};
}

void FrmViewDepr::Clear() {
    ShowStatus("");
    for (Label* label : {&lblCost, &lblMethod, &lblLife, &lblSection179}) {
        label->foreColor = kWindowText;
    }
    cboLife.SetText("");
    cboMethod.SetListIndex(-1);
    txtCost.SetText("");
    txtBusinessPercent.SetText("");
    txtDescription.SetText("");
    rateDate_.clear();  // a cleared window takes today's rate again
    WriteToday();
    mskSold.SetText(mskSold.EmptyText());
    txtSalesPrice.SetText("");
    txtAdjTaxBasis.SetText("");
    lblAdjCost.caption.clear();
    ClearSchedule();
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
