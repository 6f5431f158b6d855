#pragma once

#include <string_view>

#include "engine/Method.h"

namespace pellory {

// The business-use share a Business % text stands for: a text whose first or second character
// is "." is the fraction it spells (.75, 0.75); an empty text is 100%; any other text is a
// percentage (80 is 0.8, 1 is 0.01).
double BusinessFractionOf(std::string_view text);

// The sale year's amount under a convention for a sale in `saleMonth`: half of it for Half Year,
// the quarter's 0.125, 0.375, 0.625 or 0.875 for Mid Quarter (0 for a month outside 1-12),
// (month - 0.5) / 12 of it for Mid Month, all of it without a convention.
double ProrateSaleYear(double amount, AveragingConvention convention, int saleMonth);

}  // namespace pellory
