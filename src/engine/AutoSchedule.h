#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/AutoCapIncrease.h"
#include "engine/Method.h"
#include "engine/MonthYear.h"

namespace pellory {

// The yearly limits of the in-service year as the table keeps them (without the special
// allowance's increase), in dollars: years 1, 2, 3, and year 4 and every later year.
struct AutoLimits {
    double first = 0;
    double second = 0;
    double third = 0;
    double later = 0;
};

enum class AutoSystem { Macrs, Ads };

// One car, as the capped schedule needs it.
struct AutoAsset {
    double businessBasis = 0;     // cost (or an exchange's adjusted cost) x business share
    double businessFraction = 1;  // the business share, above 0
    MonthYear placed{1, 2000};
    int quarter = 0;  // 1-4 under the mid-quarter convention, else 0 (the half-year rates)
    AveragingConvention convention = AveragingConvention::HalfYear;  // prorates the sale year
    AutoSystem system = AutoSystem::Macrs;
    AutoTable table = AutoTable::Ordinary;
    std::optional<double> allowanceRate;  // the special allowance claimed (0.3), or none
    std::optional<double> section179;     // dollars of the business basis expensed, or none
    AutoLimits limits;
    std::optional<MonthYear> sold;
};

struct AutoYear {
    std::int16_t recoveryYear;
    std::int64_t amountCents;
    bool operator==(const AutoYear&) const = default;
};

struct AutoSchedule {
    // Every year from 1 until the business basis is recovered or the car sold, zero years too.
    std::vector<AutoYear> years;
    // ADS straight line, by choice or for business use of 50% or less.
    bool straightLine = false;
    // The basis was not recovered by the last year there is room for.
    bool tooLong = false;
};

inline constexpr int kLastAutoYear = 43;

// True when the car may take the special allowance and section 179: business use above 50%.
inline bool AutoQualifiesForAllowance(double businessFraction) {
    return businessFraction > 0.5;
}

// The capped schedule of a passenger automobile. Each year is the smaller of the 5-year table
// amount (MACRS 200% declining balance, or ADS straight line when chosen or when business use
// is 50% or less) and the year's limit times the business share; year 1 adds section 179 and
// the special allowance before its limit, which the allowance raises. The table amounts of
// later years are figured on the basis those leave. After the sixth year, what is left is
// deducted at the later-year limit until it is all recovered. Amounts are rounded to cents;
// a sale year is prorated by the convention and ends the schedule. Section 179 and the
// allowance are ignored for business use of 50% or less: the caller refuses them first.
AutoSchedule CappedAutoSchedule(const AutoAsset& asset);

}  // namespace pellory
