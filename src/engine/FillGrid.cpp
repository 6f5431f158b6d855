#include <algorithm>

#include "engine/Depr.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

constexpr int kYearWidth = 460;
constexpr int kAmountWidth = 1280;
constexpr const char* kHeadings[3] = {" Year ", "  Depreciation  ", " Adj. Tax Basis "};
constexpr int kYearsPerGroup = 11;
constexpr const char* kEmptyMonthYear = "__/____";

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

std::int64_t Depr::FillGrid(std::int16_t year, double amount) {
    try {
        baseYear_ = ReadBaseYear();
        const double businessCost = BusinessCost();
        const std::int64_t businessCents = ScaledRound(businessCost, 2);

        Grid& grid = window_.ScheduleGrid();
        int row = year;
        int firstCol = 1;
        if (year > 3 * kYearsPerGroup) {
            row = year - 3 * kYearsPerGroup;
            firstCol = 10;
        } else if (year > 2 * kYearsPerGroup) {
            row = year - 2 * kYearsPerGroup;
            firstCol = 7;
        } else if (year > kYearsPerGroup) {
            row = year - kYearsPerGroup;
            firstCol = 4;
        } else if (year < 1) {
            row = -1;  // there is no recovery year 0
        }
        grid.SetRow(row);  // a year above 44 lies below the grid and raises here
        grid.SetCol(firstCol);

        if (year == 1 && window_.BonusTicked() && !values.BonusIncluded) {
            amount += Multiply(0.3, businessCost);
        }
        if (values.ResetTotal) {
            values.ResetTotal = false;
            totalCents_ = 0;
        }
        // No year takes more than the cents entered so far leave of the business basis: the
        // year that reaches it takes exactly what is left, the years after it nothing.
        std::int64_t cents = ScaledRound(amount, 2);
        const std::int64_t left = businessCents - totalCents_;
        if (cents > left) {
            cents = std::max<std::int64_t>(left, 0);
        }
        totalCents_ += cents;
        // Less than a dollar of basis left shows as none.
        const std::int64_t basisCents = left - cents < 100 ? 0 : left - cents;
        values.AdjustedBasis = static_cast<double>(basisCents) / 100.0;

        if (cents > 0) {
            grid.SetTextMatrix(row, firstCol, std::to_string(baseYear_ + year));
            grid.SetTextMatrix(row, firstCol + 1, FormatAmountCents(cents));
            grid.SetTextMatrix(row, firstCol + 2, FormatAmountCents(basisCents));
            window_.EnablePrint();
        }
        return cents;
    } catch (const RuntimeError& error) {
        ReportError("Fill Grid Error", error);
    }
    return 0;
}

void Depr::ReportError(const std::string& title, const RuntimeError& error) const {
    platform_.MsgBox(EngineErrorText(error), MsgButtons::Ok, MsgIcon::None, title);
}

}  // namespace pellory
