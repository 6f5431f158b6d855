#include "engine/AutoCapIncrease.h"

#include <cmath>

namespace pellory {

namespace {

struct IncreaseRow {
    int fromYear;
    int fromMonth;
    int toYear;
    int toMonth;
    int ratePercent;  // 0: any rate
    double ordinary;
    double cleanFuel;  // below 0: as the ordinary increase
};

// The published increases, compiled in from data/auto-allowance-increments.csv.
constexpr IncreaseRow kIncreases[] = {
#include "AutoAllowanceIncrements.inc"
};

int MonthIndex(int year, int month) {
    return year * 12 + month;
}

bool Applies(const IncreaseRow& row, MonthYear placed, int ratePercent) {
    const int when = MonthIndex(placed.year, placed.month);
    return when >= MonthIndex(row.fromYear, row.fromMonth) &&
           when <= MonthIndex(row.toYear, row.toMonth) &&
           (row.ratePercent == 0 || row.ratePercent == ratePercent);
}

}  // namespace

double AutoCapIncrease(MonthYear placed, double allowanceRate, AutoTable table) {
    const auto ratePercent = static_cast<int>(std::lround(allowanceRate * 100));
    for (const IncreaseRow& row : kIncreases) {
        if (Applies(row, placed, ratePercent)) {
            return table == AutoTable::CleanFuel && row.cleanFuel >= 0 ? row.cleanFuel
                                                                       : row.ordinary;
        }
    }
    return 0.0;
}

}  // namespace pellory
