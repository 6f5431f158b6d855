#include <cstdio>

#include "engine/AutoSchedule.h"
#include "engine/CalculationRun.h"
#include "engine/FirstYearDeductions.h"
#include "engine/Numbers.h"

namespace pellory {

bool CalculationRun::RunLuxuryAuto(const Span& span, const ErrorReport& step) {
    if (!a_.assetClass || !a_.assetClass->autoTable) {
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
        const std::optional<AutoLimits> limits = LuxuryAutoCaps();
        if (!limits) {
            return;
        }
        AutoAsset car;
        car.businessBasis = Multiply(cost, businessFraction_);
        car.businessFraction = businessFraction_;
        car.placed = a_.inService.date.value_or(MonthYear{1, placedYear_});
        car.quarter = quarter;
        car.convention = result_.convention;
        car.system = a_.method == Method::Ads ? AutoSystem::Ads : AutoSystem::Macrs;
        car.table = *a_.assetClass->autoTable;
        if (a_.allowanceRate) {
            car.allowanceRate = *a_.allowanceRate / 100.0;
        }
        if (const double expensed = Section179Amount(); expensed > 0) {
            car.section179 = expensed;
        }
        NoteCarDeductions(car);
        car.limits = *limits;
        car.sold = a_.sold.date;
        EnterAutoSchedule(CappedAutoSchedule(car));
    });
}

void CalculationRun::NoteCarDeductions(const AutoAsset& car) {
    const std::int64_t basis = ScaledRound(car.businessBasis, 2);
    const FirstYearDeductions split =
        SplitFirstYear(basis, ScaledRound(car.section179.value_or(0.0), 2), a_.allowanceRate);
    result_.allowanceRate = a_.allowanceRate;
    result_.allowanceCents = split.allowance;
    result_.section179Cents = split.section179;
}

std::optional<AutoLimits> CalculationRun::LuxuryAutoCaps() {
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
    return AutoLimits{StrictNumber(record.first), StrictNumber(record.second),
                      StrictNumber(record.third), StrictNumber(record.fourth)};
}

void CalculationRun::EnterAutoSchedule(const AutoSchedule& schedule) {
    for (const AutoYear& year : schedule.years) {
        FillGrid(year.recoveryYear, static_cast<double>(year.amountCents) / 100.0);
    }
    if (schedule.tooLong) {
        Status("Can't display total depreciation. The life greater then 43 !");
        return;
    }
    methodText_ = schedule.straightLine ? "Method: ADS- Straight Line Luxury Auto"
                                        : "Method: MACRS-200% DB Luxury Auto";
    ShowMethodLine();
}

}  // namespace pellory
