#include <algorithm>
#include <cstdio>

#include "engine/CalculationRun.h"
#include "engine/EngineValues.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

constexpr int kLastYear = 43;

}  // namespace

bool CalculationRun::RunLuxuryAuto(const Span& span, const ErrorReport& step) {
    if (!a_.assetClass || a_.assetClass->autoTable == AutoTable::None) {
        return false;
    }
    step([&] { LuxuryAuto(span.cost, span.quarter); });
    return true;
}

void CalculationRun::LuxuryAuto(double cost, std::int16_t quarter) {
    allowanceInCaps_ = true;
    Report("MACRSauto Error")([&] {
        result_.autoBusinessRed = false;
        if (businessFraction_ == 0) {
            result_.autoBusinessRed = true;
            Status("Business Percent is required.");
            return;
        }
        const double businessCost = Multiply(cost, businessFraction_);
        const std::span<const double> rates = LuxuryAutoRates(quarter);
        const std::optional<std::array<double, 5>> caps = LuxuryAutoCaps();
        if (!caps || !LuxuryAutoYears(businessCost, *caps, rates)) {
            return;
        }
        methodText_ = "Method: MACRS-200% DB Luxury Auto";
        ShowMethodLine();
    });
}

std::optional<std::array<double, 5>> CalculationRun::LuxuryAutoCaps() {
    const bool ordinary = a_.assetClass->autoTable == AutoTable::Ordinary;
    char yearText[16];
    std::snprintf(yearText, sizeof yearText, "%04d", placedYear_);
    const AutoLimitLookup lookup =
        services_.autoLimits != nullptr
            ? services_.autoLimits->FindYear(ordinary ? "AutoMax.DAT" : "Electric.DAT", yearText)
            : AutoLimitLookup{};
    if (lookup.result == LookupResult::TableUnavailable) {
        return std::nullopt;  // the table's own message says why
    }
    if (lookup.result != LookupResult::Found) {
        Status("Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.");
        return std::nullopt;
    }
    const AutoCaps& record = lookup.caps;
    std::array<double, 5> caps{StrictNumber(record.first), StrictNumber(record.second),
                               StrictNumber(record.third), StrictNumber(record.fourth), 0};
    caps[4] = caps[3];
    if (a_.allowance && placedYear_ == 2001) {
        caps[0] = std::max(caps[0], ordinary ? 7660.0 : 23080.0);
    }
    return caps;
}

bool CalculationRun::LuxuryAutoYears(double businessCost, const std::array<double, 5>& caps,
                                     std::span<const double> rates) {
    const std::optional<MonthYear>& soldOn = a_.sold.date;
    // The grid never enters more than the business basis; the schedule ends with the year whose
    // cents bring it there.
    const std::int64_t basisCents = ScaledRound(businessCost, 2);
    std::int64_t recoveredCents = 0;
    for (std::int16_t year = 1; recoveredCents < basisCents; ++year) {
        const auto k = static_cast<std::size_t>(std::min<int>(year, 5));
        double amount = Multiply(businessCost, rates[k - 1]);
        if (year == 1 && a_.allowance) {
            amount += Multiply(0.3, a_.cost.value);
        }
        amount = std::min(amount, Multiply(businessFraction_, caps[k - 1]));
        const bool sold = soldOn && placedYear_ + year - 1 == soldOn->year;
        if (sold) {
            amount = ProrateSaleYear(amount, result_.convention, soldOn->month);
        }
        if (year > kLastYear) {
            Status("Can't display total depreciation. The life greater then 43 !");
            return false;
        }
        recoveredCents += FillGrid(year, amount);
        if (sold) {
            break;
        }
    }
    return true;
}

}  // namespace pellory
