#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/AutoLimitTables.h"
#include "app/MainWindowServices.h"
#include "autolimits/DataFile.h"
#include "autolimits/FrmAutoMax.h"
#include "classes/ClassSelection.h"
#include "controls/Controls.h"
#include "controls/Window.h"
#include "engine/Calculation.h"
#include "engine/Grid.h"
#include "engine/Method.h"

namespace pellory {

// The main window: every input of the one asset, the schedule grid, the status line and the
// command buttons, with the handlers that run when the user works them.
class FrmViewDepr : public Window {
  public:
    explicit FrmViewDepr(Platform& platform);

    // Runs the load steps: grid headings, method list, start-up enabling, this month as the
    // in-service date, Regular Asset.
    void Load();

    // The commands.
    void Calculate();
    void Clear();
    void ShowAssetType(int assetType);

    // The inputs as Calculate reads them from the boxes.
    Asset ReadAsset() const;
    // The last calculation: its schedule, method line and faults (the check's among them).
    const CalcResult& LastRun() const { return lastRun_; }
    // The special allowance's rate in the rate list: the in-service month's until the user
    // picks another.
    int AllowanceRate() const;
    const Schedule& Result() const { return lastRun_.schedule; }
    // The method line the report shows: the last schedule's, else the chosen method's.
    std::string ReportMethodLine();
    double AdjustedBasis() const { return adjustedBasis_; }
    // The live echo of a typed amount: shown, but no news for the user.
    void ShowEcho(const std::string& text);
    // Whether the status line shows the echo of an amount rather than a message.
    bool StatusIsEcho() const { return statusEcho_; }

    void ShowStatus(const std::string& text);
    void SetStatusStyle(Color color, bool bold);
    void EnableConvention(bool enabled) { selection.EnableConvention(enabled); }

    // What the window asks of the desktop around it: pop-up menus, printing, the clipboard, help,
    // About, the limit editor and the drop-down width. None (null) does nothing at all.
    void SetServices(MainWindowServices* services) {
        services_ = services != nullptr ? services : &noServices_;
    }

    // The Tools entries: the ordinary or the clean-fuel table in the auto limits editor.
    void OpenAutoMaxEditor(bool cleanFuel);
    // Copy Schedule, and Ctrl+C in the grid: the schedule as text on the clipboard; nothing
    // when the grid holds no row.
    void CopySchedule();
    // Print: the report on the default printer, or saved as PDF when there is none.
    void Print();
    // Save Schedule as PDF: the user picks the file (the description, or "Depreciation
    // Schedule", with ".pdf", in the folder of the last one saved, else the documents folder),
    // the report is written there whole and the status line says where. Nothing without a
    // schedule in view or when the user cancels.
    void SaveScheduleAsPdf();
    // F1: the help at the topic of the focused control.
    void ShowHelpForFocus();
    std::string HelpTopicOf(const Control* control) const;

    std::string caption = kAppTitle;
    std::string helpFilePath;

    // The controls, in tab order.
    Frame Frame2{"Frame2"};
    OptionArray optAssetType{"optAssetType",
                             {"Regular Asset", "Relinquished Asset", "Replacement Asset"}};
    Frame pnl3dDepr{"pnl3dDepr"};
    Label lblCost{"lblCost"};
    TextBox txtCost{"txtCost"};
    Label lblMethod{"lblMethod"};
    ComboBox cboMethod{"cboMethod", ComboStyle::DropDownList};
    Label lblInService{"lblInService"};
    MaskedEdit txtInService{"txtInService"};
    Label lblLife{"lblLife"};
    ComboBox cboLife{"cboLife", ComboStyle::DropDownCombo};
    Label Label2{"Label2"};
    ComboBox cboClass{"cboClass", ComboStyle::DropDownList};
    Label lblAutoBusiness{"lblAutoBusiness"};
    TextBox txtBusinessPercent{"txtBusinessPercent"};
    CheckBox chkBonus{"chkBonus"};
    ComboBox cboBonusRate{"cboBonusRate", ComboStyle::DropDownList};
    Label lblSection179{"lblSection179"};
    TextBox txtSection179{"txtSection179"};
    Frame fraConvention{"fraConvention"};
    OptionArray optConvention{"optConvention", {"Half Year", "Mid Quarter", "Mid Month"}};
    Label lblSoldDate{"lblSoldDate"};
    MaskedEdit mskSold{"mskSold"};
    Label lblDescription{"lblDescription"};
    TextBox txtDescription{"txtDescription"};
    Frame fraRelinquished{"fraRelinquished"};
    Label lblSalesPrice{"lblSalesPrice"};
    TextBox txtSalesPrice{"txtSalesPrice"};
    Label lblAdjTaxBasis{"lblAdjTaxBasis"};
    TextBox txtAdjTaxBasis{"txtAdjTaxBasis"};
    Label lbladjustedCost{"lbladjustedCost"};
    Label lblAdjCost{"lblAdjCost"};
    Grid grdDepr{kGridRows, kGridCols};
    // The grid as a place for the focus: the user clicks into it to copy the schedule.
    Control grdDeprFocus{"grdDepr"};
    Label stbMain{"stbMain"};
    Button cmdCalculate{"cmdCalculate"};
    Button cmdClear{"cmdClear"};
    Button cmdPrint{"cmdPrint"};
    Button cmdTools{"cmdTools"};
    Button cmdHelp{"cmdHelp"};
    Menu mnuhelp;
    Menu mnuTools;

    // The record files of automobile caps, and the method, life and class rules.
    DataFile dataFile{platform()};
    AutoLimitTables autoLimitTables{dataFile};
    ClassSelection selection;

    // Every control that takes the focus, in tab order.
    std::vector<Control*> TabOrder();

  private:
    // Calculate's outcome shown: a fault's message, red label and focus, or the schedule.
    void ShowFault(const InputFault& fault);
    void ShowResult();
    void ClearSchedule();

    void NameControls();
    void ArrangeControls();
    void BuildMenus();
    void WireFields();
    void WireCommands();
    void NumberFilter(int& keyAscii);
    void NumberEcho(const TextBox& box);
    void WriteToday();
    // A whole in-service date other than the one the rate was last taken from sets the rate list
    // to that month's rate.
    void RateFromInService();
    void ShowAllowanceRate();

    CalcResult lastRun_;
    std::string methodText_;      // the last run's method line; the report may fill it in
    double adjustedBasis_ = 0.0;  // what the last year entered left of the basis
    NoServices noServices_;
    MainWindowServices* services_ = &noServices_;
    bool statusEcho_ = false;
    std::string rateDate_;             // the in-service text the rate list last took its rate from
    std::filesystem::path pdfFolder_;  // where the last PDF was saved; empty before the first
};

}  // namespace pellory
