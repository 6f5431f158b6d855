#pragma once

#include <optional>
#include <string>

#include "engine/AutoLimitSource.h"
#include "engine/CheckAsset.h"
#include "engine/Schedule.h"
#include "platform/Platform.h"

namespace pellory {

// What one calculation gives: the schedule (its rows, the method line it ended with and the
// error reports it met), the status line and labels it leaves, for the window or a front end to
// show.
struct CalcResult {
    Schedule schedule;
    std::string status;       // the status line's text at the end
    bool statusBlue = false;  // blue and not bold for a finished schedule; red otherwise
    std::string adjCost;      // the "= Adj. Cost" label: the exchange's adjusted cost
    std::optional<bool> autoBusinessRed;  // the capped schedule's verdict on the Business % label
    std::optional<double> adjustedBasis;  // what the last year entered left of the basis
    AveragingConvention convention = AveragingConvention::HalfYear;
    std::optional<InputFault> fault;  // the check's verdict; then nothing was computed
    // What year 1 took before the tables: the allowance's rate and amount, and section 179.
    std::optional<int> allowanceRate;
    std::int64_t allowanceCents = 0;
    std::int64_t section179Cents = 0;
};

// Where a calculation reports: the run-time errors it meets go to the platform's message boxes
// as they happen (and are kept in the schedule); the automobile limits come from `autoLimits`
// (none: every year is missing).
struct CalcServices {
    Platform& platform;
    AutoLimitSource* autoLimits = nullptr;
};

// Computes the schedule of a checked asset: every recovery year's amount, each entered in cents
// so that no year takes more than the business basis has left.
CalcResult Compute(const CheckedAsset& asset, const CalcServices& services);

// What Calculate gives for an asset: the check's first fault (its message in the status line,
// red), or the computed schedule.
CalcResult Calculate(const Asset& asset, const CalcServices& services);

}  // namespace pellory
