#pragma once

#include <array>
#include <string>

#include "engine/MonthYear.h"

namespace pellory {

// The rate the special allowance takes when the law of the in-service month gives none (before
// September 2001, 2005 to 2007).
inline constexpr int kDefaultAllowanceRate = 30;

// The general special allowance, in percent, of property acquired and placed in service on the
// first day of `inService`; where two rules apply, the one for the later acquisitions.
int AllowanceRateFor(MonthYear inService);

// The rates the user may pick, highest first: 100, 80, 60, 50, 40, 30, 20.
const std::array<int, 7>& OfferedAllowanceRates();

// The check box's caption for a rate: "60% Special Depreciation Allowance".
std::string AllowanceCaption(int rate);

// The report's note for a rate: "First year depreciation includes a special 60% depreciation
// allowance."
std::string AllowanceReportNote(int rate);

}  // namespace pellory
