#pragma once

#include "engine/MonthYear.h"

namespace pellory {

// The two automobile limit tables: ordinary cars, and clean-fuel cars.
enum class AutoTable { Ordinary, CleanFuel };

// How much the first-year limit of a car placed in service in `placed` rises when the special
// allowance is claimed at `allowanceRate` (0.3 for 30%): whole dollars, 0 where the law gave no
// increase (before 09/2001, 2005 to 2007, or a rate the law of that time did not have).
// Clean-fuel cars placed in service before 2007 rise by three times as much.
double AutoCapIncrease(MonthYear placed, double allowanceRate, AutoTable table);

}  // namespace pellory
