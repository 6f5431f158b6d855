#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "engine/AutoSchedule.h"
#include "engine/Numbers.h"

namespace pellory {
namespace {

// The published limits of the years the examples use, without the allowance's increase.
AutoLimits LimitsOf(int year) {
    switch (year) {
        case 2001:
        case 2002:
            return {3060, 4900, 2950, 1775};
        case 2012:
        case 2013:
            return {3160, 5100, 3050, 1875};
        case 2018:
            return {10000, 16000, 9600, 5760};
        default:
            return {12400, 19800, 11900, 7160};
    }
}

AutoAsset Car(double cost, double fraction, MonthYear placed, std::optional<double> rate) {
    AutoAsset car;
    car.businessBasis = cost * fraction;
    car.businessFraction = fraction;
    car.placed = placed;
    car.allowanceRate = rate;
    car.limits = LimitsOf(placed.year);
    return car;
}

std::vector<std::int64_t> Amounts(const AutoSchedule& schedule) {
    std::vector<std::int64_t> amounts;
    for (const AutoYear& year : schedule.years) {
        amounts.push_back(year.amountCents);
    }
    return amounts;
}

std::int64_t Sum(const AutoSchedule& schedule) {
    const std::vector<std::int64_t> amounts = Amounts(schedule);
    return std::accumulate(amounts.begin(), amounts.end(), std::int64_t{0});
}

// Pub 946 chapter 5 and the worked examples: the limits of every year, the allowance on the
// business basis with the later years on what it leaves, the cap it raises, the sixth year and
// the years after the recovery period.
TEST(CappedAutoSchedule, PublishedExamples) {
    std::vector<std::int64_t> later7160(5, 716000);
    const struct {
        const char* name;
        AutoAsset car;
        AutoSystem system;
        std::vector<std::int64_t> years;
        bool straightLine;
    } cases[] = {
        {"ADS at 40%: 10% of 9,600, then the caps, then the later cap until recovered",
         Car(24000, 0.4, {4, 2012}, std::nullopt),
         AutoSystem::Ads,
         {96000, 192000, 122000, 75000, 75000, 75000, 75000, 75000, 75000, 75000, 25000},
         true},
        {"MACRS chosen at 50% is ADS too",
         Car(24000, 0.5, {4, 2012}, std::nullopt),
         AutoSystem::Macrs,
         {120000, 240000, 152500, 93750, 93750, 93750, 93750, 93750, 93750, 93750, 31250},
         true},
        {"30% on 15,000: 7,660 x 75%, then 32% of 10,500, the sixth year, then the rest",
         Car(20000, 0.75, {10, 2001}, 0.3),
         AutoSystem::Macrs,
         {574500, 336000, 201600, 120960, 120960, 60480, 85500},
         false},
        {"2002 at 30%",
         Car(20000, 0.75, {3, 2002}, 0.3),
         AutoSystem::Macrs,
         {574500, 336000, 201600, 120960, 120960, 60480, 85500},
         false},
        {"2024 without the allowance: 5.76% in year 6, then 7,160 a year",
         Car(100000, 1, {6, 2024}, std::nullopt),
         AutoSystem::Macrs,
         {},
         false},
        {"100% in 2018: years 2 to 6 nothing, the rest after the recovery period",
         Car(60000, 1, {6, 2018}, 1.0),
         AutoSystem::Macrs,
         {1800000, 0, 0, 0, 0, 0, 576000, 576000, 576000, 576000, 576000, 576000, 576000, 168000},
         false},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.name);
        c.car.system = c.system;
        if (c.years.empty()) {
            c.years = {1240000, 1980000, 1190000, 716000, 716000, 576000};
            c.years.insert(c.years.end(), later7160.begin(), later7160.end());
            c.years.push_back(2000);
        }
        const AutoSchedule schedule = CappedAutoSchedule(c.car);
        EXPECT_EQ(Amounts(schedule), c.years);
        EXPECT_EQ(schedule.straightLine, c.straightLine);
        EXPECT_FALSE(schedule.tooLong);
    }
    std::vector<std::int64_t> at50 = Amounts(CappedAutoSchedule(Car(50000, 1, {7, 2013}, 0.5)));
    at50.resize(4);
    EXPECT_EQ(at50, (std::vector<std::int64_t>{1116000, 510000, 305000, 187500}));
}

// The increase by in-service month and rate, three times as much for clean fuel before 2007.
TEST(CappedAutoSchedule, FirstYearCapIncrease) {
    const struct {
        MonthYear placed;
        double rate;
        AutoTable table;
        double increase;
    } cases[] = {
        {{8, 2001}, 0.3, AutoTable::Ordinary, 0},
        {{9, 2001}, 0.3, AutoTable::Ordinary, 4600},
        {{9, 2001}, 0.3, AutoTable::CleanFuel, 13800},
        {{4, 2003}, 0.5, AutoTable::Ordinary, 0},
        {{5, 2003}, 0.5, AutoTable::Ordinary, 7650},
        {{12, 2004}, 0.5, AutoTable::CleanFuel, 22950},
        {{12, 2004}, 0.3, AutoTable::Ordinary, 4600},
        {{1, 2005}, 0.3, AutoTable::Ordinary, 0},
        {{12, 2007}, 0.5, AutoTable::Ordinary, 0},
        {{1, 2008}, 0.5, AutoTable::Ordinary, 8000},
        {{6, 2018}, 1.0, AutoTable::CleanFuel, 8000},
        {{6, 2025}, 0.4, AutoTable::Ordinary, 8000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AutoCapIncrease(c.placed, c.rate, c.table), c.increase)
            << c.placed.month << "/" << c.placed.year << " " << c.rate;
    }
    // Business use of 50% or less takes neither the allowance nor its increase.
    AutoAsset car = Car(20000, 0.5, {10, 2001}, 0.3);
    EXPECT_EQ(CappedAutoSchedule(car).years.front().amountCents, 100000);
    car.section179 = 5000;
    EXPECT_EQ(CappedAutoSchedule(car).years.front().amountCents, 100000);
}

// A sale year is prorated by the convention, after its limit, and ends the schedule; the
// years after the recovery period are prorated alike.
TEST(CappedAutoSchedule, SaleYears) {
    const struct {
        AveragingConvention convention;
        MonthYear sold;
        std::int64_t last;
    } cases[] = {
        {AveragingConvention::HalfYear, {5, 2004}, 147500},
        {AveragingConvention::MidQuarter, {11, 2004}, 258125},
        {AveragingConvention::MidMonth, {3, 2004}, 61458},
        {AveragingConvention::HalfYear, {1, 2010}, 88750},
    };
    for (const auto& c : cases) {
        AutoAsset car = Car(30000, 1, {6, 2002}, std::nullopt);
        car.convention = c.convention;
        car.sold = c.sold;
        const AutoSchedule schedule = CappedAutoSchedule(car);
        EXPECT_EQ(schedule.years.size(), static_cast<std::size_t>(c.sold.year - 2001));
        EXPECT_EQ(schedule.years.back().amountCents, c.last) << c.sold.year;
    }
}

// Over many cars: no schedule adds up past the business basis, no year passes its limit, an
// unsold car is recovered in full, and without a limit in reach the six rates of every
// convention recover it to the cent in six years.
TEST(CappedAutoSchedule, PropertiesOverSeededCars) {
    std::mt19937 random(25);
    const auto pick = [&random](int n) { return static_cast<int>(random() % n); };
    const std::optional<double> rates[] = {std::nullopt, 0.3, 0.5, 1.0};
    for (int i = 0; i < 2000; ++i) {
        AutoAsset car = Car(static_cast<double>(pick(7000000)) / 100.0,
                            static_cast<double>(pick(100) + 1) / 100.0,
                            {pick(12) + 1, 2000 + pick(26)}, rates[pick(4)]);
        car.quarter = pick(5);
        car.system = pick(2) == 0 ? AutoSystem::Macrs : AutoSystem::Ads;
        const bool unlimited = pick(3) == 0;
        if (unlimited) {
            car.limits = {1e9, 1e9, 1e9, 1e9};
        }
        const AutoSchedule schedule = CappedAutoSchedule(car);
        SCOPED_TRACE(i);
        ASSERT_FALSE(schedule.tooLong);
        EXPECT_EQ(Sum(schedule), ScaledRound(car.businessBasis, 2));
        EXPECT_EQ(schedule.straightLine,
                  car.system == AutoSystem::Ads || car.businessFraction <= 0.5);
        if (unlimited) {
            EXPECT_LE(schedule.years.size(), 6U);
            continue;
        }
        for (const AutoYear& year : schedule.years) {
            const double limit = year.recoveryYear == 1   ? car.limits.first + 8000
                                 : year.recoveryYear == 2 ? car.limits.second
                                 : year.recoveryYear == 3 ? car.limits.third
                                                          : car.limits.later;
            EXPECT_LE(year.amountCents, std::llround(limit * car.businessFraction * 100) + 1);
        }
    }
}

}  // namespace
}  // namespace pellory
