#include "app/FrmViewDepr.h"

#include <algorithm>
#include <cstdio>
#include <regex>

#include "app/ReportInputs.h"
#include "engine/AllowanceRates.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

constexpr const char* kHelpFileName = "Amberlot.hlp";
// The name of a saved schedule without a description.
constexpr const char* kDocumentTitle = "Depreciation Schedule";

// A pasted amount written with thousands separators ("$12,500.00") as the box takes amounts
// ("12500.00"); any other text as it is, for the box's own filter to judge.
std::string UngroupedAmount(const std::string& pasted) {
    static const std::regex grouped(R"(\s*\$?\s*(\d{1,3}(,\d{3})+(\.\d*)?)\s*)");
    std::smatch match;
    if (!std::regex_match(pasted, match, grouped)) {
        return pasted;
    }
    std::string amount = match[1].str();
    std::erase(amount, ',');
    return amount;
}

}  // namespace

FrmViewDepr::FrmViewDepr(Platform& platform)
    : Window(platform),
      selection(
          *this,
          SelectionControls{cboMethod, cboLife, cboClass, txtBusinessPercent, lblAutoBusiness,
                            chkBonus, cboBonusRate, lblSection179, txtSection179, fraConvention,
                            optConvention},
          [this](const std::string& text) { ShowStatus(text); },
          [this](ComboBox& list) { services_->FitDropDownWidth(list); }) {
    NameControls();
    ArrangeControls();
    BuildMenus();
    WireFields();
    WireCommands();
}

void FrmViewDepr::NameControls() {
    lblCost.caption = "Cost:";
    lblMethod.caption = "Method:";
    lblInService.caption = "In Service:";
    lblLife.caption = "Life:";
    Label2.caption = "Or   Type:";
    lblAutoBusiness.caption = "Business %:";
    lblSection179.caption = "Section 179:";
    chkBonus.caption = "30% Special Depreciation Allowance";
    fraConvention.caption = "Convention";
    lblSoldDate.caption = "Date Sold:";
    lblDescription.caption = "Description:";
    fraRelinquished.caption = "Relinquished Property (1031 && 1033)";
    lblSalesPrice.caption = "- Sales Price:";
    lblAdjTaxBasis.caption = "+ Adj Tax Basis:";
    lbladjustedCost.caption = "= Adj. Cost";
    cmdCalculate.caption = "&Calculate";
    cmdClear.caption = "C&lear";
    cmdPrint.caption = "&Print";
    cmdTools.caption = "&Tools";
    cmdHelp.caption = "&Help";
    for (Label* label :
         {&lblInService, &lblSalesPrice, &lblAdjTaxBasis, &lblSoldDate, &lblAutoBusiness}) {
        label->foreColor = kBlack;
    }
    stbMain.foreColor = kRed;
    const std::pair<Label*, Control*> buddies[] = {
        {&lblCost, &txtCost},
        {&lblMethod, &cboMethod},
        {&lblInService, &txtInService},
        {&lblLife, &cboLife},
        {&Label2, &cboClass},
        {&lblAutoBusiness, &txtBusinessPercent},
        {&lblSection179, &txtSection179},
        {&lblSoldDate, &mskSold},
        {&lblDescription, &txtDescription},
        {&lblSalesPrice, &txtSalesPrice},
        {&lblAdjTaxBasis, &txtAdjTaxBasis},
    };
    for (const auto& [label, field] : buddies) {
        label->buddy = field;
    }
}

void FrmViewDepr::ArrangeControls() {
    txtCost.maxLength = 10;
    txtBusinessPercent.maxLength = 4;
    txtDescription.maxLength = 100;
    txtSalesPrice.maxLength = 10;
    txtAdjTaxBasis.maxLength = 10;
    txtSection179.maxLength = 10;
    txtSalesPrice.rightAligned = true;
    txtAdjTaxBasis.rightAligned = true;
    for (TextBox* amount : {&txtCost, &txtSalesPrice, &txtAdjTaxBasis, &txtSection179}) {
        amount->onPaste = UngroupedAmount;
    }

    for (int i = 0; i < optAssetType.Count(); ++i) {
        optAssetType[i].container = &Frame2;
    }
    for (int i = 0; i < optConvention.Count(); ++i) {
        optConvention[i].container = &fraConvention;
    }
    optConvention[2].enabled = false;  // Mid Month only for real property
    chkBonus.enabled = false;
    cboBonusRate.enabled = false;
    cboBonusRate.backColor = kGrey;
    lblSection179.enabled = false;
    txtSection179.enabled = false;
    txtSection179.backColor = kGrey;
    for (Control* c :
         std::initializer_list<Control*>{&lblSalesPrice, &txtSalesPrice, &lblAdjTaxBasis,
                                         &txtAdjTaxBasis, &lbladjustedCost, &lblAdjCost}) {
        c->container = &fraRelinquished;
    }
    for (Control* c : std::initializer_list<Control*>{
             &lblCost,       &txtCost,      &lblMethod,       &cboMethod,
             &lblInService,  &txtInService, &lblLife,         &cboLife,
             &Label2,        &cboClass,     &lblAutoBusiness, &txtBusinessPercent,
             &chkBonus,      &cboBonusRate, &lblSection179,   &txtSection179,
             &fraConvention, &lblSoldDate,  &mskSold,         &lblDescription,
             &txtDescription}) {
        c->container = &pnl3dDepr;
    }

    defaultButton_ = &cmdCalculate;
    int tab = 0;
    for (Control* c : TabOrder()) {
        c->tabIndex = tab++;
    }
}

void FrmViewDepr::BuildMenus() {
    mnuhelp = {
        "mnuhelp",
        "Help",
        {{"mnuAbout", "About", [this] { services_->ShowAbout(); }},
         {"mnuContents", "Contents", [this] { services_->ShowHelpContents(helpFilePath, *this); }},
         {"munSearch", "Search", [this] { services_->ShowHelpSearch(helpFilePath); }}}};
    mnuTools = {
        "mnuTools",
        "Tools",
        {{"mnuline", "-", {}},
         {"mnuAutoMax", "Automobile Max Amount", [this] { OpenAutoMaxEditor(false); }},
         {"munElectricAuto", "Clean Fuel Auto Max Amount", [this] { OpenAutoMaxEditor(true); }},
         {"mnuline2", "-", {}},
         {"mnuCopySchedule", "Copy Schedule", [this] { CopySchedule(); },
          [this] { return cmdPrint.enabled; }},
         {"mnuSavePdf", "Save Schedule as PDF...", [this] { SaveScheduleAsPdf(); },
          [this] { return cmdPrint.enabled; }}}};
}

void FrmViewDepr::OpenAutoMaxEditor(bool cleanFuel) {
    if (dataFile.OpenFile(cleanFuel ? DataFile::kCleanFuelTable : DataFile::kOrdinaryTable) !=
        OpenResult::Opened) {
        return;  // the message says which table and why; there is nothing to edit
    }
    // A fresh editor at every opening, with its design caption unless the clean-fuel table.
    FrmAutoMax editor(platform(), dataFile);
    if (cleanFuel) {
        editor.SetCaption(FrmAutoMax::kCleanFuelCaption);
    }
    services_->RunAutoMaxEditor(editor);
    if (!editor.Closed()) {
        dataFile.CloseFile();  // no window ran, so nothing closed the table
    }
}

void FrmViewDepr::CopySchedule() {
    const std::string text = ScheduleText(Result());
    if (!text.empty()) {
        services_->CopyToClipboard(text);
    }
}

void FrmViewDepr::Print() {
    if (services_->HasDefaultPrinter()) {
        services_->PrintSchedule([this] { return ReportInputsOf(*this); });
    } else {
        SaveScheduleAsPdf();
    }
}

void FrmViewDepr::SaveScheduleAsPdf() {
    if (!cmdPrint.enabled) {
        return;
    }
    // A slash would make the description a path into folders.
    std::string name = txtDescription.Text().empty() ? kDocumentTitle : txtDescription.Text();
    std::replace(name.begin(), name.end(), '/', '-');
    const std::filesystem::path folder =
        pdfFolder_.empty() ? services_->DocumentsFolder() : pdfFolder_;
    const auto path = services_->ChoosePdfFile(folder / (name + ".pdf"));
    if (!path) {
        return;
    }
    pdfFolder_ = path->parent_path();
    if (services_->SavePdf([this] { return ReportInputsOf(*this); }, *path)) {
        ShowStatus("Schedule saved as " + path->string());
        SetStatusStyle(kBlue, false);
    }
}

std::vector<Control*> FrmViewDepr::TabOrder() {
    return {&optAssetType[0],    &optAssetType[1],  &optAssetType[2],  &txtCost,
            &cboMethod,          &txtInService,     &cboLife,          &cboClass,
            &txtBusinessPercent, &chkBonus,         &cboBonusRate,     &txtSection179,
            &optConvention[0],   &optConvention[1], &optConvention[2], &mskSold,
            &txtDescription,     &txtSalesPrice,    &txtAdjTaxBasis,   &cmdCalculate,
            &cmdClear,           &cmdPrint,         &cmdTools,         &cmdHelp,
            &grdDeprFocus};
}

void FrmViewDepr::WireCommands() {
    optAssetType.onClick = [this](int index) {
        if (index >= 0 && index <= 2) {
            ShowAssetType(index);
        }
    };
    cmdCalculate.onClick = [this] { Calculate(); };
    cmdClear.onClick = [this] { Clear(); };
    cmdPrint.onClick = [this] { Print(); };
    cmdTools.onClick = [this] { services_->PopUpMenu(mnuTools); };
    cmdHelp.onClick = [this] { services_->PopUpMenu(mnuhelp); };
    cboMethod.onClick = [this] { selection.MethodChosen(); };
    cboMethod.onDropDown = [this] { selection.MethodListOpened(); };
    cboClass.onClick = [this] { selection.ClassChosen(); };
    cboClass.onDropDown = [this] { selection.ClassListOpened(); };
    cboLife.onClick = [this] { selection.LifeChosen(); };
    cboLife.onDropDown = [this] { selection.LifeListOpened(); };
    cboLife.onKeyPress = [this](int& key) { selection.LifeKeyPress(key); };
    cboLife.onKeyUp = [this](int) { selection.LifeKeyUp(); };
    cboBonusRate.onClick = [this] { ShowAllowanceRate(); };
}

void FrmViewDepr::WriteToday() {
    const CalendarDate today = platform().Today();
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%04d", today.month, today.year);
    txtInService.SetText(text);
    RateFromInService();
}

void FrmViewDepr::Load() {
    const ErrorReport step = ErrorReport::Engine(platform(), "Load Error");
    step([this] { helpFilePath = (platform().ProgramFolder() / kHelpFileName).string(); });
    step([this] { HeadScheduleGrid(grdDepr); });
    step([this] {
        for (const Method method : kMethodList) {
            cboMethod.AddItem(std::string(MethodName(method)));
        }
    });
    step([this] {
        txtBusinessPercent.enabled = false;
        lblAutoBusiness.enabled = false;
        txtBusinessPercent.backColor = kGrey;
    });
    step([this] {
        for (const int rate : OfferedAllowanceRates()) {
            cboBonusRate.AddItem(std::to_string(rate) + "%");
            cboBonusRate.SetItemData(cboBonusRate.NewIndex(), rate);
        }
    });
    step([this] {
        cboClass.enabled = false;
        cboClass.backColor = kGrey;
    });
    step([this] { EnableConvention(false); });
    step([this] { WriteToday(); });
    step([this] { cmdPrint.enabled = false; });
    step([this] { optAssetType.SetValue(0, true); });
    // Ready for the first thing a user types: the cost, where Clear also leaves the focus.
    step([this] { SetFocus(txtCost); });
}

void FrmViewDepr::ShowStatus(const std::string& text) {
    stbMain.caption = text;
    statusEcho_ = false;
}

void FrmViewDepr::ShowEcho(const std::string& text) {
    stbMain.caption = text;
    statusEcho_ = true;
}

std::string FrmViewDepr::HelpTopicOf(const Control* control) const {
    const std::pair<const Control*, const char*> topics[] = {
        {&txtCost, "cost"},
        {&cboMethod, "method"},
        {&txtInService, "in-service"},
        {&cboLife, "life"},
        {&cboClass, "asset-class"},
        {&txtBusinessPercent, "business-percent"},
        {&chkBonus, "special-allowance"},
        {&cboBonusRate, "allowance-rates"},
        {&txtSection179, "allowance-rates"},
        {&mskSold, "date-sold"},
        {&txtDescription, "description"},
        {&txtSalesPrice, "exchange-panel"},
        {&txtAdjTaxBasis, "exchange-panel"},
        {&grdDeprFocus, "schedule-grid"},
        {&cmdCalculate, "calculate"},
        {&cmdPrint, "printing"},
    };
    for (const auto& [shown, topic] : topics) {
        if (shown == control) {
            return topic;
        }
    }
    for (int i = 0; i < optAssetType.Count(); ++i) {
        if (control == &optAssetType[i]) {
            return "asset-type";
        }
    }
    for (int i = 0; i < optConvention.Count(); ++i) {
        if (control == &optConvention[i]) {
            return "conventions";
        }
    }
    return "main-window";
}

void FrmViewDepr::ShowHelpForFocus() {
    services_->ShowHelpTopic(helpFilePath, *this, HelpTopicOf(Focused()));
}

void FrmViewDepr::SetStatusStyle(Color color, bool bold) {
    stbMain.foreColor = color;
    stbMain.bold = bold;
}

void FrmViewDepr::ShowAssetType(int assetType) {
    if (assetType < 0 || assetType > 2) {
        return;
    }
    const bool replacement = assetType == 2;
    const bool relinquished = assetType == 1;
    fraRelinquished.enabled = replacement;
    if (!replacement) {
        txtSalesPrice.SetText("");
        txtAdjTaxBasis.SetText("");
        lblAdjCost.caption.clear();
    }
    txtSalesPrice.backColor = replacement ? kWhite : kGrey;
    txtAdjTaxBasis.backColor = replacement ? kWhite : kGrey;
    lblSalesPrice.enabled = replacement;
    lblAdjTaxBasis.enabled = replacement;
    lbladjustedCost.enabled = replacement;
    if (replacement && adjustedBasis_ > 0) {
        txtAdjTaxBasis.SetText(PlainText(adjustedBasis_));
    }
    if (!relinquished) {
        mskSold.SetText(mskSold.EmptyText());
    }
    lblSoldDate.enabled = relinquished;
    mskSold.enabled = relinquished;
    mskSold.backColor = relinquished ? kWhite : kGrey;
}

}  // namespace pellory
