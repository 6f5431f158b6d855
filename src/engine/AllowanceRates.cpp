#include "engine/AllowanceRates.h"

#include "engine/TaxTables.h"

namespace pellory {

namespace {

constexpr std::array<int, 7> kOfferedRates{100, 80, 60, 50, 40, 30, 20};

}  // namespace

int AllowanceRateFor(MonthYear inService) {
    const int date = inService.year * 10000 + inService.month * 100 + 1;
    const AllowanceLaw* chosen = nullptr;
    for (const AllowanceLaw& law : AllowanceLaws()) {
        const bool applies = law.acquiredAfter < date && date < law.acquiredBefore &&
                             law.inServiceFrom <= date && date <= law.inServiceTo;
        if (applies && (chosen == nullptr || law.acquiredAfter >= chosen->acquiredAfter)) {
            chosen = &law;
        }
    }
    return chosen != nullptr ? chosen->rate : kDefaultAllowanceRate;
}

const std::array<int, 7>& OfferedAllowanceRates() {
    return kOfferedRates;
}

std::string AllowanceCaption(int rate) {
    return std::to_string(rate) + "% Special Depreciation Allowance";
}

std::string AllowanceReportNote(int rate) {
    return "First year depreciation includes a special " + std::to_string(rate) +
           "% depreciation allowance.";
}

}  // namespace pellory
