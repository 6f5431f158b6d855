#include "KeyDrivenCalc.h"

#include "engine/Numbers.h"

// The command line as it first worked: the window model started, worked key by key in a fixed
// order and its Calculate pressed. What pellory-calc computes without a window is checked
// against it, byte for byte.
namespace pellory::reference {

using cli::CalcOptions;
using cli::Message;
using cli::UsageError;
using pellory::JsonString;

namespace {

const char* const kConventionNames[] = {"--convention half-year", "--convention mid-quarter",
                                        "--convention mid-month"};

std::optional<UsageError> Refuse(const std::string& option, const std::string& why) {
    return UsageError{option + ": " + why};
}

}  // namespace

namespace {

using Refusal = std::optional<UsageError>;

// Picks an entry of a list as a user does: the list opened, then the entry clicked.
void Pick(ComboBox& list, int index) {
    list.DropDown();
    list.SetListIndex(index);
}

Refusal ChooseMethod(FrmViewDepr& w, const std::string& method) {
    const int index = w.cboMethod.IndexOf(method);
    if (index < 0) {
        return Refuse("--method", "\"" + method +
                                      "\" is not in the method list (ADS, Amortize, MACRS, "
                                      "Straight Line)");
    }
    Pick(w.cboMethod, index);
    return std::nullopt;
}

// The life picked from the list when the list holds it, otherwise typed.
void EnterLife(FrmViewDepr& w, const std::string& life) {
    const int index = w.cboLife.IndexOf(life);
    if (index >= 0) {
        Pick(w.cboLife, index);
    } else {
        w.Type(w.cboLife, life);
    }
}

Refusal ChooseClass(FrmViewDepr& w, const std::string& label) {
    if (!w.cboClass.Usable()) {
        return Refuse("--class",
                      "the class list is disabled; classes are offered for the methods MACRS and "
                      "ADS only");
    }
    const int index = w.cboClass.IndexOf(label);
    if (index < 0) {
        return Refuse("--class",
                      "\"" + label + "\" is not in the " + w.cboMethod.Text() + " class list");
    }
    Pick(w.cboClass, index);
    return std::nullopt;
}

// Business %, the allowance and the convention, which the method, life and class open.
Refusal ChooseShareAllowanceAndConvention(FrmViewDepr& w, const CalcOptions& o) {
    if (o.business) {
        if (!w.txtBusinessPercent.Usable()) {
            return Refuse("--business",
                          "the Business % box is disabled; it is asked for 5-year listed "
                          "property only");
        }
        w.Type(w.txtBusinessPercent, *o.business);
    }
    if (o.bonus || o.bonusRate) {
        if (!w.chkBonus.Usable()) {
            return Refuse(o.bonusRate ? "--bonus-rate" : "--bonus",
                          "the special allowance is not available for this method, life or "
                          "class");
        }
        w.chkBonus.value = 1;
        if (o.bonusRate) {
            Pick(w.cboBonusRate, w.cboBonusRate.IndexOf(std::to_string(*o.bonusRate) + "%"));
        }
    }
    if (o.section179) {
        if (!w.txtSection179.Usable()) {
            return Refuse("--section-179",
                          "the Section 179 box is disabled; real property and amortization take "
                          "no section 179");
        }
        w.Type(w.txtSection179, *o.section179);
    }
    if (o.convention) {
        if (!w.optConvention[*o.convention].Usable()) {
            return Refuse(kConventionNames[*o.convention],
                          "that convention button is disabled for this method, life or class");
        }
        w.optConvention.SetValue(*o.convention, true);
    }
    return std::nullopt;
}

// The date sold of a relinquished asset and the exchange of a replacement one.
Refusal EnterSaleAndExchange(FrmViewDepr& w, const CalcOptions& o) {
    const char* const kExchangeOnly =
        "the exchange panel is disabled; it is for a Replacement Asset only (--asset-type "
        "replacement)";
    const struct {
        const std::optional<std::string>& text;
        EditControl& box;
        const char* option;
        const char* why;
    } boxes[] = {
        {o.sold, w.mskSold, "--sold",
         "the Date Sold box is disabled; it is for a Relinquished Asset only (--asset-type "
         "relinquished)"},
        {o.salesPrice, w.txtSalesPrice, "--sales-price", kExchangeOnly},
        {o.adjTaxBasis, w.txtAdjTaxBasis, "--adj-tax-basis", kExchangeOnly},
    };
    for (const auto& b : boxes) {
        if (b.text) {
            if (!b.box.Usable()) {
                return Refuse(b.option, b.why);
            }
            w.Type(b.box, *b.text);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<UsageError> Drive(FrmViewDepr& w, const CalcOptions& o) {
    if (o.assetType) {
        w.optAssetType.SetValue(*o.assetType, true);
    }
    if (o.method) {
        if (auto refused = ChooseMethod(w, *o.method)) {
            return refused;
        }
    }
    if (o.inService) {
        w.Type(w.txtInService, *o.inService);
    }
    if (o.life) {
        EnterLife(w, *o.life);
    }
    if (o.assetClass) {
        if (auto refused = ChooseClass(w, *o.assetClass)) {
            return refused;
        }
    }
    if (auto refused = ChooseShareAllowanceAndConvention(w, o)) {
        return refused;
    }
    if (auto refused = EnterSaleAndExchange(w, o)) {
        return refused;
    }
    if (o.cost) {
        w.Type(w.txtCost, *o.cost);
    }
    if (o.description) {
        w.Type(w.txtDescription, *o.description);
    }
    w.cmdCalculate.Click();
    return std::nullopt;
}

std::vector<std::string> TextsNotKept(const FrmViewDepr& w, const CalcOptions& o) {
    const struct {
        const std::optional<std::string>& given;
        const EditControl& box;
        const char* option;
    } boxes[] = {
        {o.cost, w.txtCost, "--cost"},
        {o.life, w.cboLife, "--life"},
        {o.business, w.txtBusinessPercent, "--business"},
        {o.salesPrice, w.txtSalesPrice, "--sales-price"},
        {o.adjTaxBasis, w.txtAdjTaxBasis, "--adj-tax-basis"},
        {o.description, w.txtDescription, "--description"},
        {o.section179, w.txtSection179, "--section-179"},
    };
    std::vector<std::string> notes;
    for (const auto& b : boxes) {
        if (b.given && b.box.Text() != *b.given) {
            notes.push_back(std::string(b.option) + ": the box kept \"" + b.box.Text() +
                            "\" of \"" + *b.given + "\"; the schedule is of what it kept");
        }
    }
    return notes;
}

std::string JsonReport(const FrmViewDepr& w, const std::vector<Message>& messages) {
    std::string out = "{\"rows\":[";
    bool first = true;
    for (const ScheduleRow& row : w.Result().rows) {
        out += first ? "" : ",";
        first = false;
        out += "{\"recovery_year\":" + std::to_string(row.recoveryYear) +
               ",\"year\":" + JsonString(YearText(row)) +
               ",\"depreciation\":" + JsonString(AmountText(row)) +
               ",\"basis\":" + JsonString(BasisText(row)) + "}";
    }
    out += "],\"status\":" + JsonString(w.stbMain.caption);
    out +=
        std::string(",\"status_color\":") + (w.stbMain.foreColor == kBlue ? "\"blue\"" : "\"red\"");
    out += ",\"adj_cost\":" + JsonString(w.lblAdjCost.caption);
    out += ",\"messages\":[";
    first = true;
    for (const Message& m : messages) {
        out += first ? "" : ",";
        first = false;
        out += "{\"title\":" + JsonString(m.title) + ",\"text\":" + JsonString(m.text) + "}";
    }
    const CalcResult& run = w.LastRun();
    out += "],\"allowance_rate\":" +
           (run.allowanceRate ? std::to_string(*run.allowanceRate) : std::string("null"));
    out += ",\"allowance\":\"" + FormatAmountCents(run.allowanceCents) + "\"";
    out += ",\"section_179\":\"" + FormatAmountCents(run.section179Cents) + "\"";
    return out + "}\n";
}

}  // namespace pellory::reference
