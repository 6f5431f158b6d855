#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/AutoLimitSource.h"
#include "engine/AutoSchedule.h"
#include "engine/EngineValues.h"
#include "engine/RateTables.h"
#include "engine/Schedule.h"
#include "engine/ScheduleWindow.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "platform/RuntimeError.h"

namespace pellory {

// The depreciation engine: the shared values, the schedule grid procedures and the year-by-year
// amount functions. Each amount function returns one recovery year's depreciation, unrounded.
// The schedule it enters is kept as typed rows, and written into the grid from them.
class Depr {
  public:
    Depr(ScheduleWindow& window, Platform& platform) : window_(window), platform_(platform) {
        schedule_.rows.reserve(kMaxRecoveryYears);
    }

    EngineValues values;

    // Widths, heading texts and alignment of the schedule grid.
    void SetGridHeadings();
    // Empties every cell of the grid, and the schedule with it, then heads the grid again.
    void ClearSchedule();
    // Enters one recovery year: the year-1 allowance, the running total in cents, the adjusted
    // basis and, for an amount of a cent or more, the year's row. No year takes more than what
    // the cents entered before it leave of the business basis. The closing year takes exactly
    // what they leave: the `closing` one (the last year of a recovery not cut short by a sale),
    // or the one whose amounts, before rounding, reach the basis. Returns the cents entered (0
    // when the call failed).
    std::int64_t FillGrid(std::int16_t year, double amount, bool closing = false);
    // The end of a schedule: the method line in the status line, blue and not bold, kept as the
    // schedule's.
    void ShowMethodLine();

    // MACRS tables; an unknown life or a year outside the row reports an error and gives 0.
    double MacrsHalfYear(double cost, double life, std::int16_t year);
    double MacrsQuarter1(double cost, double life, std::int16_t year);
    double MacrsQuarter2(double cost, double life, std::int16_t year);
    double MacrsQuarter3(double cost, double life, std::int16_t year);
    double MacrsQuarter4(double cost, double life, std::int16_t year);

    // Straight line under ADS; run-time errors pass to the caller.
    double AdsStraightLine(double cost, double life, std::int16_t year, std::int16_t quarter);
    // Real property with the mid-month convention.
    double MacrsResidential275(double cost, double life, std::int16_t year);
    double MacrsNonresidential315(double cost, double life, std::int16_t year);
    double MacrsNonresidential39(double cost, double life, std::int16_t year);

    // Straight Line and Amortize with a whole life: nothing for a year outside the schedule.
    std::optional<double> StraightLineYear(double cost, double life, std::int16_t year) const;
    // Straight Line and Amortize with a fractional life: year 1 from the month placed in
    // service, then a full year each; the grid stops the schedule at the cost.
    double StraightLineFractionalYear(double cost, double life, std::int16_t year) const;

    // The capped schedule of a passenger automobile (CappedAutoSchedule), each year at most the
    // yearly maximum of the in-service year's record in the table of `fileCode` ("A" ordinary,
    // "E" clean fuel). Fills the grid and the status line itself.
    void MacrsLuxuryAuto(double cost, std::int16_t life, const std::string& yearText,
                         const std::string& fileCode, std::int16_t quarter, AutoSystem system);
    // The record files of yearly maximum amounts; without them every year is missing.
    AutoLimitSource* autoLimits = nullptr;

    // What the last calculation entered: its rows, method line and error reports.
    const Schedule& Result() const { return schedule_; }

    // Sum of the cent amounts entered since the last reset.
    double TotalDepreciation() const { return static_cast<double>(totalCents_) / 100.0; }
    std::int16_t BaseYear() const { return baseYear_; }

    // The engine's error report, "Err: N[description]" under `title`, kept among the
    // schedule's faults.
    ErrorReport Report(std::string_view title);

    ScheduleWindow& window() const { return window_; }
    Platform& platform() const { return platform_; }

  private:
    // FillGrid's work; raises where the grid procedure reports.
    std::int64_t EnterYear(std::int16_t year, double amount, bool closing);
    // The limits of the in-service year; nothing when the table lacks the year (the status line
    // says so) or could not be opened.
    std::optional<AutoLimits> LuxuryAutoCaps(const std::string& yearText,
                                             const std::string& fileCode);
    // The capped years into the grid, then the method line, or the message of a schedule that
    // ran past the last year the grid can show.
    void EnterAutoSchedule(const AutoSchedule& schedule);
    // A MACRS table's amount, reported under `errorTitle` (0 then).
    double MacrsLookup(MacrsTable table, const char* errorTitle, double cost, double life,
                       std::int16_t year);
    double MacrsAmount(MacrsTable table, double cost, double life, std::int16_t year);
    double RealProperty(double (*rate)(int, int), double cost, std::int16_t year);
    int InServiceMonth() const;
    // The calendar year before the in-service year, or before this year for an empty box.
    std::int16_t ReadBaseYear() const;
    // The cost the grid's basis starts from: the exchange's adjusted cost or the cost, times
    // the business share.
    double BusinessCost() const;

    ScheduleWindow& window_;
    Platform& platform_;
    Schedule schedule_;
    std::int64_t totalCents_ = 0;
    double totalAmount_ = 0.0;  // the amounts entered since the last reset, before rounding
    std::int16_t baseYear_ = 0;
};

}  // namespace pellory
