#pragma once

#include <cstdint>
#include <optional>

namespace pellory {

// What the first year takes before the depreciation tables, in cents.
struct FirstYearDeductions {
    std::int64_t section179;  // the expensed amount
    std::int64_t allowance;   // the special allowance
    std::int64_t tableBasis;  // the basis left for the MACRS or ADS table

    bool operator==(const FirstYearDeductions&) const = default;
};

// Section 179 first (never more than the business basis), then the special allowance at
// `allowanceRate` percent of what is left, rounded to the cent with a half going to the even
// cent; the table depreciates the rest. A basis of 0 or less is left whole to the table.
FirstYearDeductions SplitFirstYear(std::int64_t businessBasis, std::int64_t section179,
                                   std::optional<int> allowanceRate);

}  // namespace pellory
