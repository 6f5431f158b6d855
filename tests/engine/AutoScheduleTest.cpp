#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "engine/AutoSchedule.h"
#include "engine/Numbers.h"

namespace pellory {
namespace {

// A car with the published limits of its in-service year, without the allowance's increase.
AutoAsset Car(double cost, double fraction, MonthYear placed, std::optional<double> rate,
              AutoSystem system = AutoSystem::Macrs) {
    const int year = placed.year;
    AutoAsset car;
    car.businessBasis = cost * fraction;
    car.businessFraction = fraction;
    car.placed = placed;
    car.system = system;
    car.allowanceRate = rate;
    car.limits = year <= 2002   ? AutoLimits{3060, 4900, 2950, 1775}
                 : year <= 2013 ? AutoLimits{3160, 5100, 3050, 1875}
                 : year == 2018 ? AutoLimits{10000, 16000, 9600, 5760}
                                : AutoLimits{12400, 19800, 11900, 7160};
    return car;
}

std::vector<std::int64_t> Amounts(const AutoSchedule& schedule) {
    std::vector<std::int64_t> amounts(schedule.years.size());
    std::ranges::transform(schedule.years, amounts.begin(), &AutoYear::amountCents);
    return amounts;
}

// Pub 946 chapter 5 and the worked examples: the allowance on the business basis and the years on
// what it leaves, the cap it raises, the sixth year and the years after the recovery period.
TEST(CappedAutoSchedule, PublishedExamples) {
    const struct {
        const char* name;
        AutoAsset car;
        std::vector<std::int64_t> years;
    } cases[] = {
        // clang-format off
        {"ADS at 40%: 10% of 9,600, then the caps, then the later cap until recovered",
         Car(24000, 0.4, {4, 2012}, {}, AutoSystem::Ads),
         {96000, 192000, 122000, 75000, 75000, 75000, 75000, 75000, 75000, 75000, 25000}},
        {"30% on 15,000: 7,660 x 75%, then 32% of 10,500, the sixth year, then the rest",
         Car(20000, 0.75, {10, 2001}, 0.3), {574500, 336000, 201600, 120960, 120960, 60480, 85500}},
        {"2024 without the allowance: 5.76% in year 6, then 7,160 a year", Car(100000, 1, {6, 2024}, {}),
         {1240000, 1980000, 1190000, 716000, 716000, 576000, 716000, 716000, 716000, 716000, 716000, 2000}},
        {"100% in 2018: years 2 to 6 nothing, the rest after the recovery period", Car(60000, 1, {6, 2018}, 1.0),
         {1800000, 0, 0, 0, 0, 0, 576000, 576000, 576000, 576000, 576000, 576000, 576000, 168000}},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Amounts(CappedAutoSchedule(c.car)), c.years) << c.name;
    }
    std::vector<std::int64_t> at50 = Amounts(CappedAutoSchedule(Car(50000, 1, {7, 2013}, 0.5)));
    at50.resize(4);
    EXPECT_EQ(at50, (std::vector<std::int64_t>{1116000, 510000, 305000, 187500}));
}

// The increase by in-service month and rate, three times as much for clean fuel before 2007.
TEST(CappedAutoSchedule, FirstYearCapIncrease) {
    const AutoTable ordinary = AutoTable::Ordinary;
    const AutoTable clean = AutoTable::CleanFuel;
    const struct {
        MonthYear placed;
        double rate;
        AutoTable table;
        double increase;
    } cases[] = {
        // clang-format off
        {{8, 2001}, 0.3, ordinary, 0}, {{9, 2001}, 0.3, ordinary, 4600}, {{9, 2001}, 0.3, clean, 13800},
        {{4, 2003}, 0.5, ordinary, 0}, {{5, 2003}, 0.5, ordinary, 7650}, {{12, 2004}, 0.5, clean, 22950},
        {{1, 2005}, 0.3, ordinary, 0}, {{1, 2008}, 0.5, ordinary, 8000}, {{6, 2018}, 1.0, clean, 8000},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AutoCapIncrease(c.placed, c.rate, c.table), c.increase)
            << c.placed.month << "/" << c.placed.year << " " << c.rate;
    }
    // Business use of 50% or less takes neither section 179, the allowance nor its increase:
    // ADS of the fourth quarter, 2.5% in year 1, the sixth year at its cap.
    AutoAsset car = Car(20000, 0.5, {10, 2001}, 0.3);
    car.quarter = 4;
    car.section179 = 5000;
    const AutoSchedule schedule = CappedAutoSchedule(car);
    EXPECT_EQ(schedule.years[0].amountCents, 25000);
    EXPECT_EQ(schedule.years[5].amountCents, 88750);
}

// Over many cars: an unsold car is recovered to the cent, never more, and without a limit in
// reach the six rates of every convention recover it in six years.
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
        ASSERT_FALSE(schedule.tooLong);
        const std::vector<std::int64_t> amounts = Amounts(schedule);
        EXPECT_EQ(std::accumulate(amounts.begin(), amounts.end(), std::int64_t{0}),
                  ScaledRound(car.businessBasis, 2));
        EXPECT_EQ(schedule.straightLine,
                  car.system == AutoSystem::Ads || car.businessFraction <= 0.5);
        EXPECT_TRUE(!unlimited || amounts.size() <= 6U);
    }
}

}  // namespace
}  // namespace pellory
