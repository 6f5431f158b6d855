#include "engine/Section179.h"

#include <algorithm>

#include "engine/Numbers.h"
#include "engine/TaxTables.h"

namespace pellory {

namespace {

constexpr std::int64_t kCentsPerDollar = 100;

// "###,###,###,###.00", as the report writes amounts.
std::string PrintCents(std::int64_t cents) {
    std::string text = FormatAmountCents(cents);
    text.pop_back();  // the grid's trailing blank
    return text;
}

}  // namespace

std::optional<Section179Limits> Section179LimitsFor(int taxYear) {
    for (const Section179Year& row : Section179Years()) {
        if (row.year == taxYear) {
            Section179Limits limits{row.dollarLimit * kCentsPerDollar,
                                    row.phaseoutThreshold * kCentsPerDollar, std::nullopt};
            if (row.suvLimit >= 0) {
                limits.suvLimit = row.suvLimit * kCentsPerDollar;
            }
            return limits;
        }
    }
    return std::nullopt;
}

bool MayTakeSection179(double life, bool listed, double businessPercent) {
    for (const double realProperty : {27.5, 28.0, 31.5, 32.0, 39.0, 40.0}) {
        if (life == realProperty) {
            return false;
        }
    }
    return !listed || businessPercent > 50.0;
}

std::optional<std::string> Section179LimitWarning(int taxYear, std::int64_t amount,
                                                  std::int64_t cost) {
    const std::optional<Section179Limits> limits = Section179LimitsFor(taxYear);
    if (!limits) {
        return std::nullopt;
    }
    const std::string start = "Section 179 of " + PrintCents(amount) + " is above the " +
                              std::to_string(taxYear) + " limit of ";
    const std::int64_t above = std::max<std::int64_t>(cost - limits->phaseoutThreshold, 0);
    const std::int64_t limit = std::max<std::int64_t>(limits->dollarLimit - above, 0);
    if (amount <= limit) {
        return std::nullopt;
    }
    if (above > 0) {
        return start + PrintCents(limit) + " left by the cost above " +
               PrintCents(limits->phaseoutThreshold) + ".";
    }
    return start + PrintCents(limit) + ".";
}

std::string Section179ReportNote(std::int64_t amount) {
    return "First year depreciation includes a section 179 deduction of " + PrintCents(amount) +
           ".";
}

}  // namespace pellory
