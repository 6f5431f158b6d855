#include "app/ReportInputs.h"

#include "app/FrmViewDepr.h"

namespace pellory {

std::string FrmViewDepr::ReportMethodLine() {
    if (methodText_.empty()) {
        methodText_ = "Method: " + cboMethod.Text();
    }
    return methodText_;
}

ReportInputs ReportInputsOf(FrmViewDepr& w) {
    ReportInputs in;
    in.today = w.platform().Today();
    const int assetType = w.optAssetType.Selected();
    if (assetType >= 0) {
        in.assetType = w.optAssetType[assetType].caption;
    }
    in.description = w.txtDescription.Text();
    in.methodLine = w.ReportMethodLine();
    in.cost = w.txtCost.Text();
    in.convention = w.LastRun().convention;
    in.inService = w.txtInService.Text();
    in.life = w.cboLife.Text();
    in.assetClass = w.cboClass.Text();
    in.businessPercent = w.txtBusinessPercent.Text();
    in.salesPrice = w.txtSalesPrice.Text();
    in.adjTaxBasis = w.txtAdjTaxBasis.Text();
    in.adjCost = w.lblAdjCost.caption;
    if (!w.mskSold.IsEmpty()) {
        in.dateSold = w.mskSold.Text();
    }
    in.allowance = w.chkBonus.value == 1;
    // The rate the schedule was figured at, though the list was changed since.
    in.allowanceRate = w.LastRun().allowanceRate.value_or(w.AllowanceRate());
    in.section179Cents = w.LastRun().section179Cents;
    for (int col = 0; col < kGridCols; ++col) {
        in.columnWidths[static_cast<std::size_t>(col)] = w.grdDepr.ColWidth(col);
    }
    in.rows = w.Result().rows;
    return in;
}

}  // namespace pellory
