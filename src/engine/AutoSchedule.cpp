#include "engine/AutoSchedule.h"

#include <algorithm>
#include <array>

#include "engine/EngineValues.h"
#include "engine/Numbers.h"
#include "engine/RateTables.h"

namespace pellory {

namespace {

constexpr std::size_t kRecoveryYears = 6;  // 5-year property under a convention
using FiveYearRates = std::array<double, kRecoveryYears>;

MacrsTable MacrsTableOf(int quarter) {
    constexpr MacrsTable kByQuarter[] = {MacrsTable::HalfYear, MacrsTable::Quarter1,
                                         MacrsTable::Quarter2, MacrsTable::Quarter3,
                                         MacrsTable::Quarter4};
    return kByQuarter[quarter >= 1 && quarter <= 4 ? quarter : 0];
}

FiveYearRates MacrsRates(int quarter) {
    FiveYearRates rates{};
    for (const RateRow& row : MacrsRows(MacrsTableOf(quarter))) {
        if (row.life == 5) {
            std::copy_n(row.rates.begin(), kRecoveryYears, rates.begin());
        }
    }
    return rates;
}

// Straight line over five years: a fifth a year, the first and the sixth year the parts the
// convention gives them.
FiveYearRates AdsRates(int quarter) {
    const AdsFractions* fractions = AdsFractionsFor(quarter >= 1 && quarter <= 4 ? quarter : 0);
    return {0.2 * fractions->first, 0.2, 0.2, 0.2, 0.2, 0.2 * fractions->last};
}

double LimitOf(const AutoLimits& limits, int year) {
    switch (year) {
        case 1:
            return limits.first;
        case 2:
            return limits.second;
        case 3:
            return limits.third;
        default:
            return limits.later;
    }
}

// What the table amounts work from: the year-1 deductions taken before the rates, and the
// basis the rates apply to.
struct RateBasis {
    double firstYearExtra = 0;
    double depreciable = 0;
};

RateBasis RateBasisOf(const AutoAsset& asset, bool qualified) {
    const double expensed = qualified ? asset.section179.value_or(0.0) : 0.0;
    const double afterExpensing = asset.businessBasis - expensed;
    const double allowance =
        qualified && asset.allowanceRate ? Multiply(*asset.allowanceRate, afterExpensing) : 0.0;
    return {expensed + allowance, afterExpensing - allowance};
}

}  // namespace

AutoSchedule CappedAutoSchedule(const AutoAsset& asset) {
    const bool qualified = AutoQualifiesForAllowance(asset.businessFraction);
    AutoSchedule schedule;
    schedule.straightLine = asset.system == AutoSystem::Ads || !qualified;
    const FiveYearRates rates =
        schedule.straightLine ? AdsRates(asset.quarter) : MacrsRates(asset.quarter);
    const RateBasis basis = RateBasisOf(asset, qualified);
    AutoLimits limits = asset.limits;
    if (qualified && asset.allowanceRate) {
        limits.first += AutoCapIncrease(asset.placed, *asset.allowanceRate, asset.table);
    }

    const std::int64_t basisCents = ScaledRound(asset.businessBasis, 2);
    std::int64_t recoveredCents = 0;
    bool capped = false;
    for (int year = 1; recoveredCents < basisCents; ++year) {
        if (year > kLastAutoYear) {
            schedule.tooLong = true;
            break;
        }
        const std::int64_t leftCents = basisCents - recoveredCents;
        // What is left is the amount after the recovery period, and in its last year when no
        // limit held a year back: the rounded cents of the years before then add up exactly.
        double amount = static_cast<double>(leftCents) / 100.0;
        if (year < static_cast<int>(kRecoveryYears) ||
            (year == static_cast<int>(kRecoveryYears) && capped)) {
            amount = Multiply(basis.depreciable, rates[static_cast<std::size_t>(year - 1)]) +
                     (year == 1 ? basis.firstYearExtra : 0.0);
        }
        const double limit = Multiply(asset.businessFraction, LimitOf(limits, year));
        capped = capped || limit < amount;
        amount = std::min(amount, limit);
        const bool sold = asset.sold && asset.placed.year + year - 1 == asset.sold->year;
        if (sold) {
            amount = ProrateSaleYear(amount, asset.convention, asset.sold->month);
        }
        const std::int64_t cents = std::clamp<std::int64_t>(ScaledRound(amount, 2), 0, leftCents);
        schedule.years.push_back({static_cast<std::int16_t>(year), cents});
        recoveredCents += cents;
        if (sold) {
            break;
        }
    }
    return schedule;
}

}  // namespace pellory
