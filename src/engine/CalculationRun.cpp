#include "engine/CalculationRun.h"

#include <algorithm>
#include <cmath>

#include "engine/EngineValues.h"
#include "engine/FirstYearDeductions.h"
#include "engine/Grid.h"
#include "engine/Numbers.h"
#include "engine/Section179.h"

namespace pellory {

namespace {

bool IsWholeNumber(double value) {
    return std::floor(value) == value;
}

}  // namespace

CalcResult Compute(const CheckedAsset& asset, const CalcServices& services) {
    return CalculationRun(asset.asset(), services).Run();
}

CalcResult Calculate(const Asset& asset, const CalcServices& services) {
    std::optional<std::variant<InputFault, CheckedAsset>> checked;
    std::vector<ReportedError> faults;
    ErrorReport::Engine(services.platform, "Calculation Error").KeepingIn(faults)([&] {
        checked = CheckAsset(asset);
    });
    if (!checked) {
        // The checks were cut short by a run-time error: the calculation goes on with the asset.
        return CalculationRun(asset, services, std::move(faults)).Run();
    }
    if (auto* fault = std::get_if<InputFault>(&*checked)) {
        CalcResult result;
        result.status = fault->message;
        result.fault = std::move(*fault);
        return result;
    }
    return Compute(std::get<CheckedAsset>(*checked), services);
}

CalculationRun::CalculationRun(const Asset& asset, const CalcServices& services,
                               std::vector<ReportedError> faults)
    : a_(asset), services_(services), businessFraction_(asset.business.fraction) {
    result_.schedule.faults = std::move(faults);
    if (a_.inService.date) {
        placedMonth_ = a_.inService.date->month;
        placedYear_ = a_.inService.date->year;
    }
    result_.schedule.rows.reserve(kMaxRecoveryYears);
}

ErrorReport CalculationRun::Report(std::string_view title) {
    ErrorReport report = ErrorReport::Engine(services_.platform, title);
    report.KeepingIn(result_.schedule.faults);
    return report;
}

void CalculationRun::ShowMethodLine() {
    result_.statusBlue = true;
    result_.schedule.methodLine = methodText_;
    Status(methodText_);
    if (result_.section179Cents > 0) {
        // The limits are the taxpayer's for the year: the line says which one the amount passes.
        const std::int64_t cost =
            ScaledRound(Val(result_.adjCost) > 0 ? Val(result_.adjCost) : a_.cost.value, 2);
        if (const auto warning =
                Section179LimitWarning(placedYear_, result_.section179Cents, cost)) {
            Status(methodText_ + "  " + *warning);
        }
    }
}

std::optional<int> CalculationRun::AllowanceRate() const {
    return HasClasses(a_.method) ? a_.allowanceRate : std::nullopt;
}

double CalculationRun::Section179Amount() const {
    return a_.section179.empty ? 0.0 : a_.section179.value;
}

double CalculationRun::TableCost(double cost) {
    const std::optional<int> rate = AllowanceRate();
    const double expensed = Section179Amount();
    if (expensed <= 0) {
        // The allowance alone: the tables take the share of the cost it leaves.
        return rate ? cost * ((100 - *rate) / 100.0) : cost;
    }
    const std::int64_t businessCents = ScaledRound(BusinessCost(), 2);
    if (businessCents <= 0) {
        return cost;
    }
    const FirstYearDeductions split = SplitFirstYear(businessCents, ScaledRound(expensed, 2), rate);
    return cost * static_cast<double>(split.tableBasis) / static_cast<double>(businessCents);
}

double CalculationRun::FirstYearExtra(double businessCost) {
    const std::optional<int> rate = AllowanceRate();
    const double expensed = Section179Amount();
    result_.allowanceRate = rate;
    if (expensed <= 0) {
        // A ticked box adds the allowance to year 1 whatever the method.
        const std::optional<int> ticked = a_.allowanceRate;
        result_.allowanceRate = ticked;
        const double allowance = ticked ? Multiply(*ticked / 100.0, businessCost) : 0.0;
        result_.allowanceCents = ScaledRound(allowance, 2);
        return allowance;
    }
    const FirstYearDeductions split =
        SplitFirstYear(ScaledRound(businessCost, 2), ScaledRound(expensed, 2), rate);
    result_.section179Cents = split.section179;
    result_.allowanceCents = split.allowance;
    return static_cast<double>(split.section179 + split.allowance) / 100.0;
}

CalcResult CalculationRun::Run() && {
    const ErrorReport step = Report("Calculation Error");
    Span span;
    span.cost = ScheduleCost(step);
    if (!ScheduleLength(span, step)) {
        Status("Please select a life or a class.");
        return std::move(result_);
    }
    ScheduleConvention(span, step);
    if (RunLuxuryAuto(span, step)) {
        return std::move(result_);
    }
    step([&] { span.cost = TableCost(span.cost); });
    RunYears(span, step);
    ShowMethodLine();
    return std::move(result_);
}

double CalculationRun::ScheduleCost(const ErrorReport& step) {
    double cost = 0.0;
    step([&] {
        if (!a_.salesPrice.empty && !a_.cost.empty && !a_.adjTaxBasis.empty) {
            result_.adjCost =
                PlainText(a_.cost.Strict() - a_.salesPrice.Strict() + a_.adjTaxBasis.Strict());
            cost = Val(result_.adjCost);
        }
    });
    step([&] {
        if (a_.salesPrice.empty) {
            cost = a_.cost.Strict();
        }
    });
    return cost;
}

bool CalculationRun::ScheduleLength(Span& span, const ErrorReport& step) const {
    if (!a_.life.empty) {
        step([&] {
            span.life = a_.life.Value();
            span.years = ToInt16(span.life);
            span.fractionalLife = IsStraightLine(a_.method) && !IsWholeNumber(span.life);
            if (span.fractionalLife) {
                // Far enough for the last part year to recover what is left of the cost.
                span.years = ToInt16(std::ceil(span.life));
            }
        });
    } else if (!a_.assetClass) {
        return false;
    } else {
        span.life = a_.assetClass->life;
        span.years = ToInt16(span.life);
    }
    span.years += 1;
    return true;
}

void CalculationRun::ScheduleConvention(Span& span, const ErrorReport& step) {
    result_.convention = a_.convention;
    if (a_.convention == AveragingConvention::MidQuarter) {
        step([&] {
            const int month = placedMonth_;
            span.quarter =
                static_cast<std::int16_t>(month >= 1 && month <= 12 ? (month + 2) / 3 : 0);
        });
    }
}

void CalculationRun::RunYears(const Span& span, const ErrorReport& step) {
    const std::optional<MonthYear>& soldOn = a_.sold.date;
    // A year whose computation failed or that no method covers keeps the amount before it.
    double amount = 0.0;
    bool failed = false;
    for (int year = 1; year <= span.years; ++year) {
        const auto recoveryYear = static_cast<std::int16_t>(year);
        const std::size_t faults = result_.schedule.faults.size();
        failed |= !step([&] {
            if (const std::optional<double> computed = YearAmount(span, recoveryYear)) {
                amount = *computed;
            }
        });
        failed |= result_.schedule.faults.size() != faults;
        const bool sold = soldOn && placedYear_ + (year - 1) == soldOn->year;
        if (sold) {
            amount = ProrateSaleYear(amount, result_.convention, soldOn->month);
        }
        // The last year of a recovery that runs to its end takes what the years before it left;
        // a schedule a fault broke off does not run to its end.
        FillGrid(recoveryYear, amount, !sold && !failed && year == span.years);
        if (sold) {
            break;
        }
    }
}

double CalculationRun::BusinessCost() const {
    const double adjustedCost = Val(result_.adjCost);
    const double cost = adjustedCost > 0 ? adjustedCost : a_.cost.Strict();
    // The same reading of the box as the business-use share, so amounts and basis agree.
    return a_.business.number.empty ? cost : Multiply(cost, businessFraction_);
}

std::int64_t CalculationRun::FillGrid(std::int16_t year, double amount, bool closing) {
    std::int64_t cents = 0;
    Report("Fill Grid Error")([&] { cents = EnterYear(year, amount, closing); });
    return cents;
}

std::int64_t CalculationRun::EnterYear(std::int16_t year, double amount, bool closing) {
    const int baseYear = placedYear_ != 0 ? placedYear_ - 1 : 0;
    const double businessCost = BusinessCost();
    const std::int64_t businessCents = ScaledRound(businessCost, 2);
    if (const GridPlace place = GridPlaceOf(year); place.row < 0 || place.row >= kGridRows) {
        throw RuntimeError(kGridInvalidRow, "Invalid Row value");  // below the grid
    }
    if (year == 1 && !allowanceInCaps_) {
        amount += FirstYearExtra(businessCost);
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
    result_.adjustedBasis = static_cast<double>(basisCents) / 100.0;
    if (cents > 0) {
        result_.schedule.Enter({year, baseYear + year, cents, basisCents});
    }
    return cents;
}

}  // namespace pellory
