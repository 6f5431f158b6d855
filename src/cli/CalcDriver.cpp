#include "cli/CalcDriver.h"

#include <chrono>
#include <cstdio>

namespace pellory::cli {

namespace {

const char* const kConventionNames[] = {"--convention half-year", "--convention mid-quarter",
                                        "--convention mid-month"};

std::optional<UsageError> Refuse(const std::string& option, const std::string& why) {
    return UsageError{option + ": " + why};
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

}  // namespace

MsgAnswer CollectingPlatform::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon,
                                     const std::string& title) {
    messages.push_back({title.empty() ? kAppTitle : title, text});
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
}

CalendarDate CollectingPlatform::Today() const {
    const auto today = std::chrono::year_month_day(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    return {static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
            static_cast<int>(static_cast<unsigned>(today.day()))};
}

std::optional<UsageError> Drive(FrmViewDepr& w, const CalcOptions& o) {
    if (o.assetType) {
        w.optAssetType.SetValue(*o.assetType, true);
    }
    if (o.method) {
        const int index = w.cboMethod.IndexOf(*o.method);
        if (index < 0) {
            return Refuse("--method", "\"" + *o.method +
                                          "\" is not in the method list (ADS, Amortize, MACRS, "
                                          "Straight Line)");
        }
        w.cboMethod.DropDown();
        w.cboMethod.SetListIndex(index);
    }
    if (o.inService) {
        w.Type(w.txtInService, *o.inService);
    }
    if (o.life) {
        const int index = w.cboLife.IndexOf(*o.life);
        if (index >= 0) {
            w.cboLife.DropDown();
            w.cboLife.SetListIndex(index);
        } else {
            w.Type(w.cboLife, *o.life);
        }
    }
    if (o.assetClass) {
        if (!w.cboClass.Usable()) {
            return Refuse("--class",
                          "the class list is disabled; classes are offered for the "
                          "methods MACRS and ADS only");
        }
        const int index = w.cboClass.IndexOf(*o.assetClass);
        if (index < 0) {
            return Refuse("--class", "\"" + *o.assetClass + "\" is not in the " +
                                         w.cboMethod.Text() + " class list");
        }
        w.cboClass.DropDown();
        w.cboClass.SetListIndex(index);
    }
    if (o.business) {
        if (!w.txtBusinessPercent.Usable()) {
            return Refuse("--business",
                          "the Business % box is disabled; it is asked for 5-year "
                          "listed property only");
        }
        w.Type(w.txtBusinessPercent, *o.business);
    }
    if (o.bonus) {
        if (!w.chkBonus.Usable()) {
            return Refuse("--bonus",
                          "the special allowance is not available for this method, "
                          "life or class");
        }
        w.chkBonus.value = 1;
    }
    if (o.convention) {
        if (!w.optConvention[*o.convention].Usable()) {
            return Refuse(kConventionNames[*o.convention],
                          "that convention button is disabled for this method, life or class");
        }
        w.optConvention.SetValue(*o.convention, true);
    }
    if (o.sold) {
        if (!w.mskSold.Usable()) {
            return Refuse("--sold",
                          "the Date Sold box is disabled; it is for a Relinquished "
                          "Asset only (--asset-type relinquished)");
        }
        w.Type(w.mskSold, *o.sold);
    }
    if (o.salesPrice) {
        if (!w.txtSalesPrice.Usable()) {
            return Refuse("--sales-price",
                          "the exchange panel is disabled; it is for a "
                          "Replacement Asset only (--asset-type replacement)");
        }
        w.Type(w.txtSalesPrice, *o.salesPrice);
    }
    if (o.adjTaxBasis) {
        if (!w.txtAdjTaxBasis.Usable()) {
            return Refuse("--adj-tax-basis",
                          "the exchange panel is disabled; it is for a "
                          "Replacement Asset only (--asset-type replacement)");
        }
        w.Type(w.txtAdjTaxBasis, *o.adjTaxBasis);
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

std::string PlainReport(const FrmViewDepr& w, const std::vector<Message>& messages) {
    std::string out;
    for (const ScheduleRow& row : WrittenRows(w)) {
        out += row.year + "\t" + row.depreciation + "\t" + row.basis + "\n";
    }
    out += w.stbMain.caption + "\n";
    for (const Message& m : messages) {
        out += m.title + ": " + m.text + "\n";
    }
    return out;
}

std::string JsonReport(const FrmViewDepr& w, const std::vector<Message>& messages) {
    std::string out = "{\"rows\":[";
    bool first = true;
    for (const ScheduleRow& row : WrittenRows(w)) {
        out += first ? "" : ",";
        first = false;
        out += "{\"recovery_year\":" + std::to_string(row.recoveryYear) +
               ",\"year\":" + JsonString(row.year) +
               ",\"depreciation\":" + JsonString(row.depreciation) +
               ",\"basis\":" + JsonString(row.basis) + "}";
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
    return out + "]}\n";
}

}  // namespace pellory::cli
