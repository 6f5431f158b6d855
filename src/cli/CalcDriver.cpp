#include "cli/CalcDriver.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>

#include "controls/Utf8.h"
#include "engine/Numbers.h"

namespace pellory::cli {

namespace {

const char* const kConventionNames[] = {"--convention half-year", "--convention mid-quarter",
                                        "--convention mid-month"};

using Refusal = std::optional<UsageError>;

Refusal Refuse(const std::string& option, const std::string& why) {
    return UsageError{option + ": " + why};
}

Refusal ChooseMethod(EntryForm& form, const std::string& name) {
    const Method method = MethodOf(name);
    if (method == Method::None) {
        return Refuse("--method", "\"" + name +
                                      "\" is not in the method list (ADS, Amortize, MACRS, "
                                      "Straight Line)");
    }
    ChooseMethod(form, method);
    return std::nullopt;
}

// The life picked from the list when the list holds it, otherwise typed.
void EnterLife(EntryForm& form, const std::string& life) {
    if (LifeListHolds(form, life)) {
        PickLife(form, life);
    } else {
        TypeInto(form, EntryBox::Life, life);
    }
}

Refusal ChooseClass(EntryForm& form, const std::string& label) {
    if (!form.classOpen) {
        return Refuse("--class",
                      "the class list is disabled; classes are offered for the methods MACRS and "
                      "ADS only");
    }
    const int index = ClassIndexOf(form, label);
    if (index < 0) {
        return Refuse("--class", "\"" + label + "\" is not in the " +
                                     std::string(MethodName(form.method)) + " class list");
    }
    PickClass(form, index);
    return std::nullopt;
}

// Business %, the allowance and the convention, which the method, life and class open.
Refusal ChooseShareAllowanceAndConvention(EntryForm& form, const CalcOptions& o) {
    if (o.business) {
        if (!form.businessOpen) {
            return Refuse("--business",
                          "the Business % box is disabled; it is asked for 5-year listed "
                          "property only");
        }
        TypeInto(form, EntryBox::Business, *o.business);
    }
    if (o.bonus || o.bonusRate) {
        if (!form.allowanceOpen) {
            return Refuse(o.bonusRate ? "--bonus-rate" : "--bonus",
                          "the special allowance is not available for this method, life or "
                          "class");
        }
        form.allowance = true;
        if (o.bonusRate) {
            form.allowanceRate = *o.bonusRate;
        }
    }
    if (o.section179) {
        if (!form.section179Open) {
            return Refuse("--section-179",
                          "the Section 179 box is disabled; real property and amortization "
                          "take no section 179");
        }
        TypeInto(form, EntryBox::Section179, *o.section179);
    }
    if (o.convention) {
        if (!ConventionUsable(form, *o.convention)) {
            return Refuse(kConventionNames[*o.convention],
                          "that convention button is disabled for this method, life or class");
        }
        form.convention = *o.convention;
    }
    return std::nullopt;
}

// The date sold of a relinquished asset and the exchange of a replacement one.
Refusal EnterSaleAndExchange(EntryForm& form, const CalcOptions& o) {
    const char* const kExchangeOnly =
        "the exchange panel is disabled; it is for a Replacement Asset only (--asset-type "
        "replacement)";
    const struct {
        const std::optional<std::string>& text;
        EntryBox box;
        bool open;
        const char* option;
        const char* why;
    } boxes[] = {
        {o.sold, EntryBox::Sold, form.soldOpen, "--sold",
         "the Date Sold box is disabled; it is for a Relinquished Asset only (--asset-type "
         "relinquished)"},
        {o.salesPrice, EntryBox::SalesPrice, form.exchangeOpen, "--sales-price", kExchangeOnly},
        {o.adjTaxBasis, EntryBox::AdjTaxBasis, form.exchangeOpen, "--adj-tax-basis", kExchangeOnly},
    };
    for (const auto& b : boxes) {
        if (b.text) {
            if (!b.open) {
                return Refuse(b.option, b.why);
            }
            TypeInto(form, b.box, *b.text);
        }
    }
    return std::nullopt;
}

Refusal EnterAll(EntryForm& form, const CalcOptions& o) {
    if (o.assetType) {
        ChooseAssetType(form, static_cast<AssetType>(*o.assetType));
    }
    if (o.method) {
        if (auto refused = ChooseMethod(form, *o.method)) {
            return refused;
        }
    }
    if (o.inService) {
        TypeInto(form, EntryBox::InService, *o.inService);
    }
    if (o.life) {
        EnterLife(form, *o.life);
    }
    if (o.assetClass) {
        if (auto refused = ChooseClass(form, *o.assetClass)) {
            return refused;
        }
    }
    if (auto refused = ChooseShareAllowanceAndConvention(form, o)) {
        return refused;
    }
    if (auto refused = EnterSaleAndExchange(form, o)) {
        return refused;
    }
    if (o.cost) {
        TypeInto(form, EntryBox::Cost, *o.cost);
    }
    if (o.description) {
        TypeInto(form, EntryBox::Description, *o.description);
    }
    return std::nullopt;
}

}  // namespace

std::variant<EntryForm, UsageError> EnterOptions(const CalcOptions& options, CalendarDate today) {
    EntryForm form = OpenEntryForm(today.month, today.year);
    if (auto refused = EnterAll(form, options)) {
        return std::move(*refused);
    }
    return form;
}

std::optional<UsageError> EnterOptionsInto(EntryForm& form, const CalcOptions& options) {
    return EnterAll(form, options);
}

std::vector<std::string> TextsNotKept(const EntryForm& form, const CalcOptions& o) {
    const struct {
        const std::optional<std::string>& given;
        EntryBox box;
        const char* option;
    } boxes[] = {
        {o.cost, EntryBox::Cost, "--cost"},
        {o.life, EntryBox::Life, "--life"},
        {o.business, EntryBox::Business, "--business"},
        {o.salesPrice, EntryBox::SalesPrice, "--sales-price"},
        {o.adjTaxBasis, EntryBox::AdjTaxBasis, "--adj-tax-basis"},
        {o.description, EntryBox::Description, "--description"},
        {o.section179, EntryBox::Section179, "--section-179"},
    };
    std::vector<std::string> notes;
    for (const auto& b : boxes) {
        if (b.given && form.Text(b.box) != *b.given) {
            notes.push_back(std::string(b.option) + ": the box kept \"" + form.Text(b.box) +
                            "\" of \"" + *b.given + "\"; the schedule is of what it kept");
        }
    }
    return notes;
}

ReportInputs ReportInputsOf(const EntryForm& form, const CalcResult& result, CalendarDate today) {
    constexpr const char* kTypes[] = {"Regular Asset", "Relinquished Asset", "Replacement Asset"};
    const std::string& methodLine = result.schedule.methodLine;
    ReportInputs in;
    in.today = today;
    in.assetType = kTypes[static_cast<int>(form.type)];
    in.description = form.Text(EntryBox::Description);
    in.methodLine =
        methodLine.empty() ? "Method: " + std::string(MethodName(form.method)) : methodLine;
    in.cost = form.Text(EntryBox::Cost);
    in.convention = result.convention;
    in.inService = form.Text(EntryBox::InService);
    in.life = form.Text(EntryBox::Life);
    const Asset asset = AssetOf(form);
    in.assetClass = asset.assetClass ? asset.assetClass->label : std::string();
    in.businessPercent = form.Text(EntryBox::Business);
    in.salesPrice = form.Text(EntryBox::SalesPrice);
    in.adjTaxBasis = form.Text(EntryBox::AdjTaxBasis);
    in.adjCost = result.adjCost;
    if (!asset.sold.empty) {
        in.dateSold = form.Text(EntryBox::Sold);
    }
    in.allowance = form.allowance;
    in.allowanceRate = form.allowanceRate;
    in.section179Cents = result.section179Cents;
    in.columnWidths = ScheduleColumnWidths();
    in.rows = result.schedule.rows;
    return in;
}

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

}  // namespace pellory::cli
