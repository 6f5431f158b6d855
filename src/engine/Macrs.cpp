#include "engine/Depr.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

constexpr const char* kMacrs200 = "Method: MACRS 200% DB";
constexpr const char* kMacrs150 = "Method: MACRS 150% DB";
constexpr const char* kMacrsStraightLine = "Method: MACRS- Straight Line";
constexpr const char* kAdsStraightLine = "Method: ADS- Straight Line";

}  // namespace

double Depr::MacrsLookup(MacrsTable table, const char* errorTitle, double cost, double life,
                         std::int16_t year) {
    double amount = 0.0;
    Report(errorTitle)([&] { amount = MacrsAmount(table, cost, life, year); });
    return amount;
}

double Depr::MacrsAmount(MacrsTable table, double cost, double life, std::int16_t year) {
    for (const RateRow& row : MacrsRows(table)) {
        if (row.life != life) {
            continue;
        }
        values.MethodText = row.life < 15 ? kMacrs200 : kMacrs150;
        if (year < 1 || static_cast<std::size_t>(year) > row.rates.size()) {
            Raise(err::kSubscript);
        }
        double rate = row.rates[static_cast<std::size_t>(year - 1)];
        if (row.life == 5) {
            rate = Multiply(rate, values.BusinessFraction);
        }
        return Multiply(cost, rate);
    }
    if (table == MacrsTable::HalfYear) {
        if (life == 27.5 || life == 28) {
            return MacrsResidential275(cost, life, year);
        }
        if (life == 31.5 || life == 32) {
            return MacrsNonresidential315(cost, life, year);
        }
        if (life == 39) {
            return MacrsNonresidential39(cost, life, year);
        }
    }
    Raise(err::kSubscript);
}

double Depr::MacrsHalfYear(double cost, double life, std::int16_t year) {
    return MacrsLookup(MacrsTable::HalfYear, "MACRS Error", cost, life, year);
}
double Depr::MacrsQuarter1(double cost, double life, std::int16_t year) {
    return MacrsLookup(MacrsTable::Quarter1, "MACRS Error", cost, life, year);
}
double Depr::MacrsQuarter2(double cost, double life, std::int16_t year) {
    return MacrsLookup(MacrsTable::Quarter2, "MACRS 2 Error", cost, life, year);
}
double Depr::MacrsQuarter3(double cost, double life, std::int16_t year) {
    return MacrsLookup(MacrsTable::Quarter3, "MACRS 3 Error", cost, life, year);
}
double Depr::MacrsQuarter4(double cost, double life, std::int16_t year) {
    return MacrsLookup(MacrsTable::Quarter4, "MACRS 3 Error", cost, life, year);
}

int Depr::InServiceMonth() const {
    const std::string text = window_.InServiceText();
    return ToInt16(Val(text.substr(0, 2)));
}

double Depr::RealProperty(double (*rate)(int, int), double cost, std::int16_t year) {
    const double amount = Multiply(cost, rate(year, InServiceMonth()));
    values.MethodText = kMacrsStraightLine;
    return amount;
}

double Depr::MacrsResidential275(double cost, double /*life*/, std::int16_t year) {
    return RealProperty(Residential275Rate, cost, year);
}
double Depr::MacrsNonresidential315(double cost, double /*life*/, std::int16_t year) {
    return RealProperty(Nonresidential315Rate, cost, year);
}
double Depr::MacrsNonresidential39(double cost, double /*life*/, std::int16_t year) {
    return RealProperty(Nonresidential39Rate, cost, year);
}

double Depr::AdsStraightLine(double cost, double life, std::int16_t year, std::int16_t quarter) {
    const double basis =
        Val(window_.BusinessPercentText()) > 0 ? Multiply(cost, values.BusinessFraction) : cost;
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
    values.MethodText = kAdsStraightLine;
    return amount;
}

std::optional<double> Depr::StraightLineYear(double cost, double life, std::int16_t year) const {
    const int month = InServiceMonth();
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

double Depr::StraightLineFractionalYear(double cost, double life, std::int16_t year) const {
    return year == 1 ? *StraightLineYear(cost, life, year) : Divide(cost, life);
}

}  // namespace pellory
