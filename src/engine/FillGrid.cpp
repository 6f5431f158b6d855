#include <algorithm>

#include "engine/Depr.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

constexpr int kYearWidth = 460;
constexpr int kAmountWidth = 1280;
constexpr const char* kHeadings[3] = {" Year ", "  Depreciation  ", " Adj. Tax Basis "};
constexpr const char* kEmptyMonthYear = "__/____";

// The row's three cells, in the row and column group of its recovery year.
void WriteRow(Grid& grid, const ScheduleRow& row) {
    const GridPlace place = GridPlaceOf(row.recoveryYear);
    grid.SetTextMatrix(place.row, place.firstCol, YearText(row));
    grid.SetTextMatrix(place.row, place.firstCol + 1, AmountText(row));
    grid.SetTextMatrix(place.row, place.firstCol + 2, BasisText(row));
}

}  // namespace

void Depr::SetGridHeadings() {
    Grid& grid = window_.ScheduleGrid();
    grid.SetRow(0);
    grid.SetColWidth(0, 0);
    for (int col = 1; col < kGridCols; ++col) {
        const int kind = (col - 1) % 3;
        grid.SetColWidth(col, kind == 0 ? kYearWidth : kAmountWidth);
        grid.SetTextMatrix(0, col, kHeadings[kind]);
    }
    for (int col = 1; col < kGridCols; ++col) {
        grid.SetColAlignment(col, CellAlignment::RightCenter);
    }
}

void Depr::ClearSchedule() {
    window_.ScheduleGrid().Clear();
    schedule_.rows.clear();
    schedule_.methodLine.clear();
    schedule_.faults.clear();
    SetGridHeadings();
}

std::int16_t Depr::ReadBaseYear() const {
    const std::string inService = window_.InServiceText();
    int base = 0;
    if (inService != kEmptyMonthYear) {
        const std::string last4 =
            inService.size() >= 4 ? inService.substr(inService.size() - 4) : inService;
        base = ToInt16(Val(last4));
    } else {
        base = platform_.Today().year;
    }
    if (base != 0) {
        base -= 1;
    }
    return static_cast<std::int16_t>(base);
}

double Depr::BusinessCost() const {
    const double adjustedCost = Val(window_.AdjCostText());
    const double cost = adjustedCost > 0 ? adjustedCost : StrictNumber(window_.CostText());
    const std::string percent = window_.BusinessPercentText();
    // The same reading of the box as the business-use share, so amounts and basis agree.
    return percent.empty() ? cost : Multiply(cost, BusinessFractionOf(percent));
}

std::int64_t Depr::FillGrid(std::int16_t year, double amount, bool closing) {
    std::int64_t cents = 0;
    Report("Fill Grid Error")([&] { cents = EnterYear(year, amount, closing); });
    return cents;
}

std::int64_t Depr::EnterYear(std::int16_t year, double amount, bool closing) {
    baseYear_ = ReadBaseYear();
    const double businessCost = BusinessCost();
    const std::int64_t businessCents = ScaledRound(businessCost, 2);

    Grid& grid = window_.ScheduleGrid();
    const GridPlace place = GridPlaceOf(year);
    grid.SetRow(place.row);  // a year above 44 lies below the grid and raises here
    grid.SetCol(place.firstCol);

    if (year == 1 && window_.BonusTicked() && !values.BonusIncluded) {
        amount += Multiply(0.3, businessCost);
    }
    if (values.ResetTotal) {
        values.ResetTotal = false;
        totalCents_ = 0;
        totalAmount_ = 0.0;
    }
    // No year takes more than the cents entered so far leave of the business basis. The closing
    // year takes exactly what is left, so that the half cents each year rounded away are made
    // up and the schedule recovers its basis to the cent; the years after it take nothing.
    totalAmount_ += amount;
    const bool reached = static_cast<double>(businessCents) - totalAmount_ * 100.0 < 0.5;
    std::int64_t cents = ScaledRound(amount, 2);
    const std::int64_t left = std::max<std::int64_t>(businessCents - totalCents_, 0);
    if (cents > left || closing || (reached && amount > 0)) {
        cents = left;
    }
    totalCents_ += cents;
    const std::int64_t basisCents = left - cents;
    values.AdjustedBasis = static_cast<double>(basisCents) / 100.0;

    if (cents > 0) {
        const ScheduleRow row{year, baseYear_ + year, cents, basisCents};
        schedule_.Enter(row);
        WriteRow(grid, row);
        window_.EnablePrint();
    }
    return cents;
}

void Depr::ShowMethodLine() {
    window_.SetStatusStyle(kBlue, false);
    schedule_.methodLine = values.MethodText;
    window_.ShowStatus(values.MethodText);
}

ErrorReport Depr::Report(std::string_view title) {
    ErrorReport report = ErrorReport::Engine(platform_, title);
    report.KeepingIn(schedule_.faults);
    return report;
}

}  // namespace pellory
