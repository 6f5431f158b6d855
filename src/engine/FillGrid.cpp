#include <algorithm>

#include "engine/Numbers.h"
#include "engine/Schedule.h"

namespace pellory {

namespace {

constexpr const char* kHeadings[3] = {" Year ", "  Depreciation  ", " Adj. Tax Basis "};

// The row's three cells, in the row and column group of its recovery year.
void WriteRow(Grid& grid, const ScheduleRow& row) {
    const GridPlace place = GridPlaceOf(row.recoveryYear);
    grid.SetTextMatrix(place.row, place.firstCol, YearText(row));
    grid.SetTextMatrix(place.row, place.firstCol + 1, AmountText(row));
    grid.SetTextMatrix(place.row, place.firstCol + 2, BasisText(row));
}

}  // namespace

void HeadScheduleGrid(Grid& grid) {
    grid.SetRow(0);
    const auto widths = ScheduleColumnWidths();
    for (int col = 0; col < kGridCols; ++col) {
        grid.SetColWidth(col, widths[static_cast<std::size_t>(col)]);
    }
    for (int col = 1; col < kGridCols; ++col) {
        grid.SetTextMatrix(0, col, kHeadings[(col - 1) % 3]);
    }
    for (int col = 1; col < kGridCols; ++col) {
        grid.SetColAlignment(col, CellAlignment::RightCenter);
    }
}

void WriteScheduleGrid(Grid& grid, const Schedule& schedule) {
    for (const ScheduleRow& row : schedule.rows) {
        WriteRow(grid, row);
    }
}

}  // namespace pellory
