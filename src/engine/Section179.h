#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pellory {

// A tax year's section 179 limits, in cents.
struct Section179Limits {
    std::int64_t dollarLimit;
    // The cost of section 179 property placed in service above which the limit falls dollar for
    // dollar.
    std::int64_t phaseoutThreshold;
    // The limit for a heavy sport utility vehicle; nothing before there was one.
    std::optional<std::int64_t> suvLimit;

    bool operator==(const Section179Limits&) const = default;
};

// The limits of a tax year; nothing for a year the program has no figures for.
std::optional<Section179Limits> Section179LimitsFor(int taxYear);

// Whether an asset may be expensed: never real property (a life of 27.5, 31.5, 39 or 40 years,
// or the classes' 28 and 32), nor listed property used 50% or less for business.
bool MayTakeSection179(double life, bool listed, double businessPercent);

// The status line's word on an amount above the tax year's limit, the limit first lowered by the
// part of `cost` above the phase-out threshold. Nothing when the amount is within it, or for a
// year without figures. The limits are the taxpayer's for the whole year, so this is a warning.
std::optional<std::string> Section179LimitWarning(int taxYear, std::int64_t amount,
                                                  std::int64_t cost);

// The report's note: "First year depreciation includes a section 179 deduction of 24,000.00."
std::string Section179ReportNote(std::int64_t amount);

}  // namespace pellory
