#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Grid.h"
#include "platform/ErrorReport.h"

namespace pellory {

// The schedule grid: a heading row and four column groups of Year, Depreciation and Adj. Tax
// Basis, each group eleven recovery years deep.
inline constexpr int kGridRows = 12;
inline constexpr int kGridCols = 13;
inline constexpr int kYearsPerGroup = 11;
inline constexpr int kMaxRecoveryYears = 44;

// Where a recovery year stands in the grid: its row and the Year column of its group. Years 1-11
// go to rows 1-11 of columns 1-3, 12-22 to columns 4-6, 23-33 to 7-9 and 34-44 to 10-12; a year
// outside 1-44 lands outside the grid.
struct GridPlace {
    int row;
    int firstCol;
};
GridPlace GridPlaceOf(int recoveryYear);

// The widths of the grid's columns in twips: none for the first, then Year, Depreciation and Adj.
// Tax Basis in each group.
std::array<int, kGridCols> ScheduleColumnWidths();

// One recovery year entered in the schedule, as its grid row shows it.
struct ScheduleRow {
    int recoveryYear = 0;
    int calendarYear = 0;          // the Year cell
    std::int64_t amountCents = 0;  // the Depreciation cell
    std::int64_t basisCents = 0;   // the Adj. Tax Basis cell, never below 0

    bool operator==(const ScheduleRow&) const = default;
};

// The texts of a row's cells: the year as a plain number, the amounts as "###,###.00 ".
std::string YearText(const ScheduleRow& row);
std::string AmountText(const ScheduleRow& row);
std::string BasisText(const ScheduleRow& row);

// What a calculation produced: the rows it entered, the method line it ended with and the error
// reports it met.
struct Schedule {
    // The years whose row is written, in recovery-year order; a year entered again replaces its
    // row, as it replaces the grid's cells.
    std::vector<ScheduleRow> rows;
    // The method line shown at the end of the run; empty when the run stopped before.
    std::string methodLine;
    std::vector<ReportedError> faults;

    // The row of a recovery year; null when none is written.
    const ScheduleRow* Row(int recoveryYear) const;
    void Enter(const ScheduleRow& row);
};

// Widths, heading texts and alignment of the schedule grid.
void HeadScheduleGrid(Grid& grid);
// Writes each row's three cells in the row and column group of its recovery year.
void WriteScheduleGrid(Grid& grid, const Schedule& schedule);

// The schedule as tab-separated lines for a spreadsheet: the headings, then one line per row with
// the cells' texts without their trailing blanks. Empty when no row is written.
std::string ScheduleText(const Schedule& schedule);

}  // namespace pellory
