#pragma once

#include <span>

namespace pellory {

// One life's row of a MACRS percentage table: the rate of each recovery year from year 1.
struct RateRow {
    double life;
    std::span<const double> rates;
};

enum class MacrsTable { HalfYear, Quarter1, Quarter2, Quarter3, Quarter4 };

// The rows of a table in the order lives are looked up: 3, 5, 7, 10, 15, 20.
std::span<const RateRow> MacrsRows(MacrsTable table);

// Real property, mid-month: the rate of a recovery year for the month placed in service
// (0 where the table has none).
double Residential275Rate(int year, int month);
double Nonresidential315Rate(int year, int month);
double Nonresidential39Rate(int year, int month);

// ADS first- and last-year fractions of a full year by quarter value (0 for half year).
struct AdsFractions {
    double first;
    double last;
};
// Nothing for a quarter value outside 0-4.
const AdsFractions* AdsFractionsFor(int quarter);

}  // namespace pellory
