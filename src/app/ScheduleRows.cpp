#include "app/ScheduleRows.h"

#include "app/FrmViewDepr.h"

namespace pellory {

namespace {

constexpr int kYearsPerGroup = 11;

std::string WithoutTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace

std::vector<ScheduleRow> WrittenRows(const FrmViewDepr& w) {
    std::vector<ScheduleRow> rows;
    for (int year = 1; year <= kMaxRecoveryYears; ++year) {
        const int group = (year - 1) / kYearsPerGroup;
        const int row = year - group * kYearsPerGroup;
        const int col = group * 3 + 1;
        const std::string& yearText = w.grdDepr.TextMatrix(row, col);
        if (!yearText.empty()) {
            rows.push_back({year, yearText, w.grdDepr.TextMatrix(row, col + 1),
                            w.grdDepr.TextMatrix(row, col + 2)});
        }
    }
    return rows;
}

std::string ScheduleText(const FrmViewDepr& window) {
    const std::vector<ScheduleRow> rows = WrittenRows(window);
    if (rows.empty()) {
        return {};
    }
    std::string text = "Year\tDepreciation\tAdj. Tax Basis\n";
    for (const ScheduleRow& row : rows) {
        text += WithoutTrailingBlanks(row.year) + '\t' + WithoutTrailingBlanks(row.depreciation) +
                '\t' + WithoutTrailingBlanks(row.basis) + '\n';
    }
    return text;
}

}  // namespace pellory
