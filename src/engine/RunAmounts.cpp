#include "engine/CalculationRun.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

constexpr const char* kMacrs200 = "Method: MACRS 200% DB";
constexpr const char* kMacrs150 = "Method: MACRS 150% DB";
constexpr const char* kMacrsStraightLine = "Method: MACRS- Straight Line";
constexpr const char* kAdsStraightLine = "Method: ADS- Straight Line";

MacrsTable QuarterTable(std::int16_t quarter) {
    constexpr MacrsTable kTables[] = {MacrsTable::Quarter1, MacrsTable::Quarter2,
                                      MacrsTable::Quarter3, MacrsTable::Quarter4};
    return kTables[quarter - 1];
}

}  // namespace

std::optional<double> CalculationRun::YearAmount(const Span& span, std::int16_t year) {
    switch (a_.method) {
        case Method::StraightLine:
        case Method::Amortize: {
            const double life = a_.life.Value();
            return span.fractionalLife ? StraightLineFractionalYear(span.cost, life, year)
                                       : StraightLineYear(span.cost, life, year).value_or(0.0);
        }
        case Method::Ads:
            return AdsStraightLine(span.cost, span.life, year, span.quarter);
        case Method::Macrs:
            break;
        case Method::None:
            return std::nullopt;
    }
    const AveragingConvention convention = result_.convention;
    if (convention == AveragingConvention::HalfYear ||
        convention == AveragingConvention::MidMonth) {
        return MacrsLookup(MacrsTable::HalfYear, "MACRS Error", span.cost, span.life, year);
    }
    if (convention != AveragingConvention::MidQuarter || span.quarter < 1 || span.quarter > 4) {
        return std::nullopt;
    }
    constexpr const char* kTitles[] = {"MACRS Error", "MACRS 2 Error", "MACRS 3 Error",
                                       "MACRS 3 Error"};
    return MacrsLookup(QuarterTable(span.quarter), kTitles[span.quarter - 1], span.cost, span.life,
                       year);
}

double CalculationRun::MacrsLookup(MacrsTable table, const char* errorTitle, double cost,
                                   double life, std::int16_t year) {
    double amount = 0.0;
    Report(errorTitle)([&] { amount = MacrsAmount(table, cost, life, year); });
    return amount;
}

double CalculationRun::MacrsAmount(MacrsTable table, double cost, double life, std::int16_t year) {
    for (const RateRow& row : MacrsRows(table)) {
        if (row.life != life) {
            continue;
        }
        methodText_ = row.life < 15 ? kMacrs200 : kMacrs150;
        if (year < 1 || static_cast<std::size_t>(year) > row.rates.size()) {
            Raise(err::kSubscript);
        }
        double rate = row.rates[static_cast<std::size_t>(year - 1)];
        if (row.life == 5) {
            rate = Multiply(rate, businessFraction_);
        }
        return Multiply(cost, rate);
    }
    if (table == MacrsTable::HalfYear) {
        if (life == 27.5 || life == 28) {
            return RealProperty(Residential275Rate, cost, year);
        }
        if (life == 31.5 || life == 32) {
            return RealProperty(Nonresidential315Rate, cost, year);
        }
        if (life == 39) {
            return RealProperty(Nonresidential39Rate, cost, year);
        }
    }
    Raise(err::kSubscript);
}

double CalculationRun::RealProperty(double (*rate)(int, int), double cost, std::int16_t year) {
    const double amount = Multiply(cost, rate(year, placedMonth_));
    methodText_ = kMacrsStraightLine;
    return amount;
}

double CalculationRun::AdsStraightLine(double cost, double life, std::int16_t year,
                                       std::int16_t quarter) {
    const double basis = a_.business.number.value > 0 ? Multiply(cost, businessFraction_) : cost;
    const std::int16_t fullYears = ToInt16(life);
    const AdsFractions* fractions = AdsFractionsFor(quarter);
    double amount = 0.0;
    if (year == 1) {
        if (fractions != nullptr) {
            amount = Multiply(basis, RoundHalfEven(Divide(fractions->first, life), 4));
        }
    } else if (year >= 2 && year <= fullYears) {
        amount = Divide(basis, life);
    } else if (year == ToInt16(life + 1)) {
        if (fractions != nullptr) {
            amount = Multiply(basis, RoundHalfEven(Divide(fractions->last, life), 4));
        }
    }
    methodText_ = kAdsStraightLine;
    return amount;
}

std::optional<double> CalculationRun::StraightLineYear(double cost, double life,
                                                       std::int16_t year) const {
    const int month = placedMonth_;
    const std::int16_t wholeLife = ToInt16(life);
    const std::int16_t lastYear = ToInt16(life + 1);
    if (year == 1) {
        return Divide(Multiply((13 - month) / 12.0, cost), life);
    }
    if (year >= 2 && year <= wholeLife) {
        return Divide(cost, life);
    }
    if (year == lastYear) {
        return Divide(Multiply((month - 1) / 12.0, cost), life);
    }
    return std::nullopt;
}

double CalculationRun::StraightLineFractionalYear(double cost, double life,
                                                  std::int16_t year) const {
    return year == 1 ? *StraightLineYear(cost, life, year) : Divide(cost, life);
}

}  // namespace pellory
