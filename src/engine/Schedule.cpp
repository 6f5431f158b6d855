#include "engine/Schedule.h"

#include <algorithm>

#include "engine/Numbers.h"

namespace pellory {

GridPlace GridPlaceOf(int recoveryYear) {
    if (recoveryYear < 1) {
        return {-1, 1};  // there is no recovery year 0
    }
    const int group = std::min((recoveryYear - 1) / kYearsPerGroup, 3);
    return {recoveryYear - group * kYearsPerGroup, group * 3 + 1};
}

std::array<int, kGridCols> ScheduleColumnWidths() {
    std::array<int, kGridCols> widths{};
    for (std::size_t col = 1; col < widths.size(); ++col) {
        widths[col] = (col - 1) % 3 == 0 ? 460 : 1280;
    }
    return widths;
}

std::string YearText(const ScheduleRow& row) {
    return std::to_string(row.calendarYear);
}

std::string AmountText(const ScheduleRow& row) {
    return FormatAmountCents(row.amountCents);
}

std::string BasisText(const ScheduleRow& row) {
    return FormatAmountCents(row.basisCents);
}

const ScheduleRow* Schedule::Row(int recoveryYear) const {
    const auto found = std::ranges::lower_bound(rows, recoveryYear, {}, &ScheduleRow::recoveryYear);
    return found != rows.end() && found->recoveryYear == recoveryYear ? &*found : nullptr;
}

void Schedule::Enter(const ScheduleRow& row) {
    if (rows.empty() || rows.back().recoveryYear < row.recoveryYear) {
        rows.push_back(row);  // the usual case: the years come in order
        return;
    }
    const auto at =
        std::ranges::lower_bound(rows, row.recoveryYear, {}, &ScheduleRow::recoveryYear);
    if (at != rows.end() && at->recoveryYear == row.recoveryYear) {
        *at = row;
    } else {
        rows.insert(at, row);
    }
}

std::string ScheduleText(const Schedule& schedule) {
    if (schedule.rows.empty()) {
        return {};
    }
    const auto trimmed = [](std::string text) {
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    };
    std::string text = "Year\tDepreciation\tAdj. Tax Basis\n";
    for (const ScheduleRow& row : schedule.rows) {
        text +=
            YearText(row) + '\t' + trimmed(AmountText(row)) + '\t' + trimmed(BasisText(row)) + '\n';
    }
    return text;
}

}  // namespace pellory
