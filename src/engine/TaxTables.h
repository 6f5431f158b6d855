#pragma once

#include <span>

namespace pellory {

// One rule of the special depreciation allowance's law: property acquired after `acquiredAfter`
// and before `acquiredBefore`, placed in service from `inServiceFrom` to `inServiceTo` (dates as
// yyyymmdd; an open bound is 0 or 99999999) takes `rate` percent.
struct AllowanceLaw {
    int acquiredAfter;
    int acquiredBefore;
    int inServiceFrom;
    int inServiceTo;
    int rate;
};

// One tax year's section 179 limits in whole dollars; `suvLimit` is -1 before there was one.
struct Section179Year {
    int year;
    int dollarLimit;
    int phaseoutThreshold;
    int suvLimit;
};

// The laws in the order of data/special-allowance-rates.csv, built in from it.
std::span<const AllowanceLaw> AllowanceLaws();
// The years of data/section-179-limits.csv, built in from it.
std::span<const Section179Year> Section179Years();

}  // namespace pellory
