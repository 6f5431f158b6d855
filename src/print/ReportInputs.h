#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/Method.h"
#include "engine/Schedule.h"
#include "platform/Platform.h"

namespace pellory {

// What the printed schedule shows: the inputs as their boxes hold them, the method line, the
// widths of the schedule grid's columns and the schedule's rows.
struct ReportInputs {
    CalendarDate today;
    // "Regular Asset", "Relinquished Asset" or "Replacement Asset"; empty when none is chosen.
    std::string assetType;
    std::string description;
    std::string methodLine;
    std::string cost;
    AveragingConvention convention = AveragingConvention::HalfYear;
    std::string inService;
    std::string life;
    std::string assetClass;  // empty when the class list shows none
    std::string businessPercent;
    std::string salesPrice;
    std::string adjTaxBasis;
    std::string adjCost;
    std::string dateSold;  // empty when the box holds no date at all
    bool allowance = false;
    int allowanceRate = 30;                     // the rate the allowance was claimed at
    std::int64_t section179Cents = 0;           // the section 179 deduction year 1 took
    std::array<int, kGridCols> columnWidths{};  // twips
    std::vector<ScheduleRow> rows;
};

// Gives the inputs of the report at the moment it is drawn.
using ReportSource = std::function<ReportInputs()>;

}  // namespace pellory
