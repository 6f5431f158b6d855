#pragma once

#include <string>
#include <vector>

namespace pellory {

class FrmViewDepr;

// One written row of the schedule grid, with its cells' texts as the grid shows them.
struct ScheduleRow {
    int recoveryYear;
    std::string year;
    std::string depreciation;
    std::string basis;
};

// The grid rows whose year cell is written, in recovery-year order.
std::vector<ScheduleRow> WrittenRows(const FrmViewDepr& window);

// The schedule as tab-separated lines for a spreadsheet: the headings, then one line per written
// row with the cells' texts without their trailing blanks. Empty when no row is written.
std::string ScheduleText(const FrmViewDepr& window);

}  // namespace pellory
