#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/AutoSchedule.h"
#include "engine/Calculation.h"
#include "engine/RateTables.h"
#include "platform/ErrorReport.h"

namespace pellory {

// One calculation under way: the asset, the values it derives and the result it builds. Each
// amount function returns one recovery year's depreciation, unrounded.
class CalculationRun {
  public:
    // `faults`: the error reports met before the run (by checks it cuts short), which the run
    // keeps and does not show again.
    CalculationRun(const Asset& asset, const CalcServices& services,
                   std::vector<ReportedError> faults = {});

    CalcResult Run() &&;

  private:
    // The length and convention of the schedule, as the steps read them.
    struct Span {
        double cost = 0.0;
        double life = 0.0;
        int years = 0;
        std::int16_t quarter = 0;
        bool fractionalLife = false;
    };

    ErrorReport Report(std::string_view title);
    void Status(std::string text) { result_.status = std::move(text); }
    void ShowMethodLine();

    // The steps of a calculation; a run-time error in one is reported and the next one runs.
    double ScheduleCost(const ErrorReport& step);
    bool ScheduleLength(Span& span, const ErrorReport& step) const;
    void ScheduleConvention(Span& span, const ErrorReport& step);
    bool RunLuxuryAuto(const Span& span, const ErrorReport& step);
    void RunYears(const Span& span, const ErrorReport& step);
    std::optional<double> YearAmount(const Span& span, std::int16_t year);

    // Enters one recovery year: the year-1 allowance, the running total in cents, the adjusted
    // basis and, for an amount of a cent or more, the year's row. No year takes more than what
    // the cents entered before it leave of the business basis. The closing year takes exactly
    // what they leave: the `closing` one (the last year of a recovery not cut short by a sale or
    // a fault), or the one whose amounts, before rounding, reach the basis. Returns the cents
    // entered (0 when the year could not be entered).
    std::int64_t FillGrid(std::int16_t year, double amount, bool closing = false);
    std::int64_t EnterYear(std::int16_t year, double amount, bool closing);
    double BusinessCost() const;

    // Section 179 and the special allowance: the allowance's rate (a method with classes only),
    // the cost the tables depreciate once year 1 has taken them, and what year 1 adds for them
    // (kept in the result).
    std::optional<int> AllowanceRate() const;
    double Section179Amount() const;
    double TableCost(double cost);
    double FirstYearExtra(double businessCost);

    // The amount functions.
    double MacrsLookup(MacrsTable table, const char* errorTitle, double cost, double life,
                       std::int16_t year);
    double MacrsAmount(MacrsTable table, double cost, double life, std::int16_t year);
    double RealProperty(double (*rate)(int, int), double cost, std::int16_t year);
    double AdsStraightLine(double cost, double life, std::int16_t year, std::int16_t quarter);
    std::optional<double> StraightLineYear(double cost, double life, std::int16_t year) const;
    double StraightLineFractionalYear(double cost, double life, std::int16_t year) const;

    // The capped schedule of a passenger automobile (CappedAutoSchedule) on the limits of its
    // in-service year: nothing when the table lacks the year (the status line says so) or
    // could not be opened. Its years go into the schedule, then the method line, or the message
    // of a schedule that ran past the last year the grid can show.
    void LuxuryAuto(double cost, std::int16_t quarter);
    std::optional<AutoLimits> LuxuryAutoCaps();
    void EnterAutoSchedule(const AutoSchedule& schedule);
    void NoteCarDeductions(const AutoAsset& car);

    const Asset& a_;
    const CalcServices& services_;
    CalcResult result_;
    std::string methodText_;
    double businessFraction_;
    int placedMonth_ = 0;
    int placedYear_ = 0;
    bool allowanceInCaps_ = false;  // the capped schedule adds the allowance itself
    std::int64_t totalCents_ = 0;
    double totalAmount_ = 0.0;  // the amounts entered, before rounding
};

}  // namespace pellory
