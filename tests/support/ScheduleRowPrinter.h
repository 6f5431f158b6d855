#pragma once

#include <ostream>

#include "engine/Schedule.h"

namespace pellory {

// How a failing check shows a schedule row: recovery year, calendar year, cents, cents.
inline void PrintTo(const ScheduleRow& row, std::ostream* out) {
    *out << "{" << row.recoveryYear << ", " << row.calendarYear << ", " << row.amountCents << ", "
         << row.basisCents << "}";
}

}  // namespace pellory
