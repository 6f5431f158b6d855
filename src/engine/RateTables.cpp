#include "engine/RateTables.h"

#include <array>

namespace pellory {

namespace {

// General depreciation system percentage tables, as fractions.
namespace half_year {
constexpr std::array<double, 4> k3{0.3333, 0.4445, 0.1481, 0.0741};
constexpr std::array<double, 6> k5{0.2, 0.32, 0.192, 0.1152, 0.1152, 0.0576};
constexpr std::array<double, 8> k7{0.1429, 0.2449, 0.1749, 0.1249, 0.0893, 0.0892, 0.0893, 0.0446};
constexpr std::array<double, 11> k10{0.1,    0.18,   0.144,  0.1152, 0.0922, 0.0737,
                                     0.0655, 0.0655, 0.0656, 0.0655, 0.0328};
constexpr std::array<double, 16> k15{0.05,   0.095, 0.0855, 0.077, 0.0693, 0.0623, 0.059,  0.059,
                                     0.0591, 0.059, 0.0591, 0.059, 0.0591, 0.059,  0.0591, 0.0295};
constexpr std::array<double, 21> k20{0.0375,  0.07219, 0.06677, 0.06177, 0.05713, 0.05285, 0.04888,
                                     0.04522, 0.04462, 0.04461, 0.04462, 0.04461, 0.04462, 0.04461,
                                     0.04462, 0.04461, 0.04462, 0.04461, 0.04462, 0.04461, 0.02231};
}  // namespace half_year

namespace quarter1 {
constexpr std::array<double, 4> k3{0.5833, 0.2778, 0.1235, 0.0154};
constexpr std::array<double, 6> k5{0.35, 0.26, 0.156, 0.1101, 0.1101, 0.0138};
constexpr std::array<double, 8> k7{0.25, 0.2143, 0.1531, 0.1093, 0.0874, 0.0875, 0.0874, 0.0109};
constexpr std::array<double, 11> k10{0.175,  0.165,  0.132,  0.1056, 0.0845, 0.0676,
                                     0.0655, 0.0655, 0.0656, 0.0655, 0.0082};
constexpr std::array<double, 16> k15{0.0875, 0.0913, 0.0821, 0.0739, 0.0665, 0.0599, 0.059, 0.0591,
                                     0.059,  0.0591, 0.059,  0.0591, 0.059,  0.0591, 0.059, 0.0074};
constexpr std::array<double, 21> k20{0.06563, 0.07,    0.06482, 0.05996, 0.05546, 0.0513,  0.04746,
                                     0.04459, 0.04459, 0.04459, 0.04459, 0.0446,  0.04459, 0.0446,
                                     0.04459, 0.0446,  0.04459, 0.0446,  0.04459, 0.0446,  0.00557};
}  // namespace quarter1

namespace quarter2 {
constexpr std::array<double, 4> k3{0.4167, 0.3889, 0.1414, 0.053};
constexpr std::array<double, 6> k5{0.25, 0.3, 0.18, 0.1137, 0.1137, 0.0426};
constexpr std::array<double, 8> k7{0.1785, 0.2347, 0.1676, 0.1197, 0.0887, 0.0887, 0.0887, 0.0333};
constexpr std::array<double, 11> k10{0.125,  0.175,  0.14,   0.112,  0.0896, 0.0717,
                                     0.0655, 0.0655, 0.0656, 0.0655, 0.0246};
constexpr std::array<double, 16> k15{0.0625, 0.0938, 0.0844, 0.0759, 0.0683, 0.0615,
                                     0.0591, 0.059,  0.0591, 0.059,  0.0591, 0.059,
                                     0.0591, 0.059,  0.0591, 0.0221};
constexpr std::array<double, 21> k20{0.04688, 0.07148, 0.06612, 0.06116, 0.05658, 0.05233, 0.04841,
                                     0.04478, 0.04463, 0.04463, 0.04463, 0.04463, 0.04463, 0.04463,
                                     0.04462, 0.04463, 0.04462, 0.04463, 0.04462, 0.04463, 0.01673};
}  // namespace quarter2

namespace quarter3 {
constexpr std::array<double, 4> k3{0.25, 0.5, 0.1667, 0.0833};
constexpr std::array<double, 6> k5{0.15, 0.34, 0.204, 0.1224, 0.113, 0.0706};
constexpr std::array<double, 8> k7{0.1071, 0.2551, 0.1822, 0.1302, 0.093, 0.0885, 0.0886, 0.0553};
constexpr std::array<double, 11> k10{0.075,  0.185,  0.148,  0.1184, 0.0947, 0.0758,
                                     0.0655, 0.0655, 0.0656, 0.0655, 0.041};
constexpr std::array<double, 16> k15{0.0375, 0.0963, 0.0866, 0.078,  0.0702, 0.0631, 0.059, 0.0591,
                                     0.059,  0.0591, 0.059,  0.0591, 0.059,  0.0591, 0.059, 0.0369};
constexpr std::array<double, 21> k20{0.02813, 0.07289, 0.06742, 0.06237, 0.05769, 0.05336, 0.04936,
                                     0.04566, 0.0446,  0.0446,  0.0446,  0.0446,  0.04461, 0.0446,
                                     0.04461, 0.0446,  0.04461, 0.0446,  0.04461, 0.0446,  0.02788};
}  // namespace quarter3

namespace quarter4 {
constexpr std::array<double, 4> k3{0.0833, 0.6111, 0.2037, 0.1019};
constexpr std::array<double, 6> k5{0.05, 0.38, 0.228, 0.1368, 0.1094, 0.0958};
constexpr std::array<double, 8> k7{0.0357, 0.2755, 0.1968, 0.1406, 0.1004, 0.0873, 0.0873, 0.0764};
constexpr std::array<double, 11> k10{0.025,  0.195,  0.156,  0.1248, 0.0998, 0.0799,
                                     0.0655, 0.0655, 0.0656, 0.0655, 0.0574};
constexpr std::array<double, 16> k15{0.0125, 0.0988, 0.0889, 0.08,   0.072, 0.0648, 0.059, 0.059,
                                     0.059,  0.0591, 0.059,  0.0591, 0.059, 0.0591, 0.059, 0.0517};
constexpr std::array<double, 21> k20{0.00938, 0.0743,  0.06872, 0.06357, 0.0588,  0.05439, 0.05031,
                                     0.04654, 0.04458, 0.04458, 0.04458, 0.04458, 0.04458, 0.04458,
                                     0.04458, 0.04458, 0.04458, 0.04459, 0.04458, 0.04459, 0.03901};
}  // namespace quarter4

#define PELLORY_TABLE_ROWS(ns)                                                            \
    std::array<RateRow, 6> {                                                              \
        RateRow{3, ns::k3}, RateRow{5, ns::k5}, RateRow{7, ns::k7}, RateRow{10, ns::k10}, \
            RateRow{15, ns::k15}, RateRow {                                               \
            20, ns::k20                                                                   \
        }                                                                                 \
    }

const std::array<RateRow, 6> kHalfYearRows = PELLORY_TABLE_ROWS(half_year);
const std::array<RateRow, 6> kQuarter1Rows = PELLORY_TABLE_ROWS(quarter1);
const std::array<RateRow, 6> kQuarter2Rows = PELLORY_TABLE_ROWS(quarter2);
const std::array<RateRow, 6> kQuarter3Rows = PELLORY_TABLE_ROWS(quarter3);
const std::array<RateRow, 6> kQuarter4Rows = PELLORY_TABLE_ROWS(quarter4);

#undef PELLORY_TABLE_ROWS

using MonthRates = std::array<double, 12>;

double ByMonth(const MonthRates& rates, int month) {
    return month >= 1 && month <= 12 ? rates[static_cast<std::size_t>(month - 1)] : 0.0;
}

constexpr MonthRates k275First{0.03485, 0.03182, 0.02879, 0.02576, 0.02273, 0.0197,
                               0.01667, 0.01364, 0.01061, 0.00758, 0.00455, 0.00152};
constexpr MonthRates k275Year28{0.0197,  0.02273, 0.02576, 0.02879, 0.03182, 0.03485,
                                0.03636, 0.03636, 0.03636, 0.03636, 0.03636, 0.03636};
constexpr MonthRates k275Year29{0,       0,       0,       0,       0,       0,
                                0.00152, 0.00455, 0.00758, 0.01061, 0.01364, 0.01667};

constexpr MonthRates k315First{0.03042, 0.02778, 0.02513, 0.02249, 0.01984, 0.0172,
                               0.01455, 0.0119,  0.00926, 0.00661, 0.00397, 0.00132};
constexpr MonthRates k315Year32{0.0172,   0.01984,  0.02249,  0.02513,  0.02778,  0.03042,
                                0.031745, 0.031745, 0.031745, 0.031745, 0.031745, 0.031745};
constexpr MonthRates k315Year33{0,       0,       0,       0,       0,      0,
                                0.00132, 0.00397, 0.00661, 0.00926, 0.0119, 0.01455};

constexpr MonthRates k39First{0.02461, 0.02247, 0.02033, 0.01819, 0.01605, 0.01391,
                              0.01177, 0.00963, 0.00749, 0.00535, 0.00321, 0.00107};
constexpr MonthRates k39Last{0.00107, 0.00321, 0.00535, 0.00749, 0.00963, 0.01177,
                             0.01391, 0.01605, 0.01819, 0.02033, 0.02247, 0.02461};

constexpr std::array<AdsFractions, 5> kAdsFractions{{
    {0.5, 0.5},
    {0.875, 0.125},
    {0.625, 0.375},
    {0.375, 0.625},
    {0.125, 0.875},
}};

}  // namespace

std::span<const RateRow> MacrsRows(MacrsTable table) {
    switch (table) {
        case MacrsTable::HalfYear:
            return kHalfYearRows;
        case MacrsTable::Quarter1:
            return kQuarter1Rows;
        case MacrsTable::Quarter2:
            return kQuarter2Rows;
        case MacrsTable::Quarter3:
            return kQuarter3Rows;
        case MacrsTable::Quarter4:
            return kQuarter4Rows;
    }
    return {};
}

double Residential275Rate(int year, int month) {
    if (year == 1) {
        return ByMonth(k275First, month);
    }
    if (year >= 2 && year <= 9) {
        return 0.03636;
    }
    if (year >= 10 && year <= 27) {
        return 0.036365;
    }
    if (year == 28) {
        return ByMonth(k275Year28, month);
    }
    if (year == 29) {
        return ByMonth(k275Year29, month);
    }
    return 0.0;
}

double Nonresidential315Rate(int year, int month) {
    if (year == 1) {
        return ByMonth(k315First, month);
    }
    if (year >= 2 && year <= 7) {
        return 0.03175;
    }
    if (year == 8) {
        return 0.031745;
    }
    if (year >= 9 && year <= 31) {
        return 0.0317452149;
    }
    if (year == 32) {
        return ByMonth(k315Year32, month);
    }
    if (year == 33) {
        return ByMonth(k315Year33, month);
    }
    return 0.0;
}

double Nonresidential39Rate(int year, int month) {
    if (year == 1) {
        return ByMonth(k39First, month);
    }
    if (year >= 2 && year <= 39) {
        return 0.02564;
    }
    if (year == 40) {
        return ByMonth(k39Last, month);
    }
    return 0.0;
}

const AdsFractions* AdsFractionsFor(int quarter) {
    if (quarter < 0 || quarter > 4) {
        return nullptr;
    }
    return &kAdsFractions[static_cast<std::size_t>(quarter)];
}

}  // namespace pellory
