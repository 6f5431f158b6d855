#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "engine/Calculation.h"

namespace pellory {
namespace {

Asset Entered(Method method, const char* cost, const char* placed, const char* life) {
    Asset a;
    a.method = method;
    a.cost = NumberEntry::Of(cost);
    a.inService = MonthEntry::Of(placed);
    a.life = NumberEntry::Of(life);
    a.business = BusinessEntry::Of("", false);
    a.convention = HasClasses(method) ? AveragingConvention::HalfYear : AveragingConvention::None;
    return a;
}

std::vector<std::int64_t> Amounts(const CalcResult& r) {
    std::vector<std::int64_t> cents;
    for (const ScheduleRow& row : r.schedule.rows) {
        cents.push_back(row.amountCents);
    }
    return cents;
}

Asset With(Asset a, AveragingConvention convention, const char* business = "") {
    a.convention = convention;
    a.business = BusinessEntry::Of(business, *business != '\0');
    return a;
}

constexpr auto kHalf = AveragingConvention::HalfYear;
constexpr auto kQuarter = AveragingConvention::MidQuarter;
constexpr auto kMonth = AveragingConvention::MidMonth;

// Each method and convention in cents, from the published tables: every row, the method line,
// and a schedule that runs to its end recovers the business basis to the cent.
TEST(Calculation, SchedulesOfEachMethodAndConvention) {
    testing::FakePlatform platform;
    const std::vector<std::int64_t> tenYears(9, 100000);
    const struct {
        Asset asset;
        std::vector<std::int64_t> cents;
        const char* line;
    } cases[] = {
        // clang-format off
        {Entered(Method::Macrs, "10000", "03/2002", "7"),
         {142900, 244900, 174900, 124900, 89300, 89200, 89300, 44600}, "Method: MACRS 200% DB"},
        {With(Entered(Method::Macrs, "10000", "03/2002", "5"), kHalf, "60"),  // the share applies
         {120000, 192000, 115200, 69120, 69120, 34560}, "Method: MACRS 200% DB"},
        {With(Entered(Method::Macrs, "10000", "11/2002", "3"), kQuarter),
         {83300, 611100, 203700, 101900}, "Method: MACRS 200% DB"},
        // The table falls a cent short of the basis: the last year takes what is left.
        {With(Entered(Method::Macrs, "10000", "02/2002", "7"), kQuarter),
         {250000, 214300, 153100, 109300, 87400, 87500, 87400, 11000}, "Method: MACRS 200% DB"},
        {With(Entered(Method::Macrs, "10000", "08/2002", "10"), kQuarter),
         {75000, 185000, 148000, 118400, 94700, 75800, 65500, 65500, 65600, 65500, 41000},
         "Method: MACRS 200% DB"},
        {With(Entered(Method::Macrs, "10000", "05/2002", "15"), kQuarter),
         {62500, 93800, 84400, 75900, 68300, 61500, 59100, 59000, 59100, 59000, 59100, 59000,
          59100, 59000, 59100, 22100}, "Method: MACRS 150% DB"},
        {Entered(Method::Ads, "10000", "03/2002", "10"),
         {50000, 100000, 100000, 100000, 100000, 100000, 100000, 100000, 100000, 100000, 50000},
         "Method: ADS- Straight Line"},
        {With(Entered(Method::Ads, "9000", "02/2002", "9"), kQuarter),
         {87480, 100000, 100000, 100000, 100000, 100000, 100000, 100000, 100000, 12520},
         "Method: ADS- Straight Line"},
        {With(Entered(Method::Ads, "10000", "03/2002", "5"), kHalf, "40"),
         {40000, 80000, 80000, 80000, 80000, 40000}, "Method: ADS- Straight Line"},
        {Entered(Method::StraightLine, "12000", "04/2002", "5"),
         {180000, 240000, 240000, 240000, 240000, 60000}, ""},
        {Entered(Method::StraightLine, "12000", "12/2002", "5"),
         {20000, 240000, 240000, 240000, 240000, 220000}, ""},
        {Entered(Method::Amortize, "12000", "01/2002", "5"),
         {240000, 240000, 240000, 240000, 240000}, ""},
        // The closing part year takes what is left of the cost.
        {Entered(Method::StraightLine, "1000", "07/2002", "2.5"), {20000, 40000, 40000}, ""},
        // The year whose amounts reach the basis takes the cent the rounding left.
        {Entered(Method::StraightLine, "1000.01", "07/2002", "2.5"), {20000, 40000, 40001}, ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        const CalcResult r = Calculate(c.asset, {platform});
        EXPECT_EQ(Amounts(r), c.cents) << c.asset.cost.text << " " << c.asset.life.text;
        EXPECT_EQ(r.schedule.methodLine, c.line);
        EXPECT_TRUE(r.statusBlue);
        EXPECT_EQ(r.schedule.rows.front().calendarYear, 2002);
        EXPECT_EQ(r.schedule.rows.back().basisCents, 0);
    }
    EXPECT_TRUE(platform.boxes.empty());
}

// Real property from the life list or the class list, under Half Year or Mid Month: chosen
// years of the month-by-month tables, in cents of a 100,000 cost.
TEST(Calculation, RealPropertyByMonthPlaced) {
    testing::FakePlatform platform;
    const struct {
        const char* placed;
        const char* life;
        AveragingConvention convention;
        std::vector<std::pair<int, std::int64_t>> years;
        std::size_t rows;
    } cases[] = {
        {"03/2002", "27.5", kMonth, {{1, 287900}, {2, 363600}, {10, 363650}, {28, 257600}}, 28},
        {"10/2002", "27.5", kHalf, {{1, 75800}, {28, 363600}, {29, 106100}}, 29},
        {"01/2002", "39", kMonth, {{1, 246100}, {2, 256400}, {40, 10700}}, 40},
        {"02/2002", "31.5", kMonth, {{1, 277800}, {2, 317500}, {9, 317452}, {32, 198354}}, 32},
        {"02/2002", "", kHalf, {{1, 277800}, {32, 198354}}, 32},  // the class's 32 years
    };
    for (const auto& c : cases) {
        Asset a = With(Entered(Method::Macrs, "100000", c.placed, c.life), c.convention);
        if (*c.life == '\0') {
            a.assetClass = ClassChoice::Of("Buildings pre 5/13/93 (31.5)", 32);
        }
        const CalcResult r = Calculate(a, {platform});
        ASSERT_EQ(r.schedule.rows.size(), c.rows) << c.placed << " " << c.life;
        for (const auto& [year, cents] : c.years) {
            EXPECT_EQ(r.schedule.Row(year)->amountCents, cents) << c.life << " year " << year;
        }
        EXPECT_EQ(r.schedule.methodLine, "Method: MACRS- Straight Line");
    }
}

Asset Sold(Asset a, const char* sold) {
    a.type = AssetType::Relinquished;
    a.sold = MonthEntry::Of(sold);
    return a;
}

// The allowance in year 1 on 70% of the cost; a sale ends the schedule with its year prorated by
// the convention; an exchange depreciates the adjusted cost.
TEST(Calculation, AllowanceSaleAndExchange) {
    testing::FakePlatform platform;
    Asset allowance = Entered(Method::Macrs, "10000", "03/2002", "5");
    allowance.allowanceRate = 30;
    Asset adsAllowance = Entered(Method::Ads, "10000", "01/2005", "");
    adsAllowance.assetClass = ClassChoice::Of("Desks (10)", 10);
    adsAllowance.allowanceRate = 30;
    Asset exchange = Entered(Method::Macrs, "10000", "03/2002", "7");
    exchange.salesPrice = NumberEntry::Of("4000");
    exchange.adjTaxBasis = NumberEntry::Of("3000");
    const struct {
        Asset asset;
        std::size_t rows;
        int year;
        std::int64_t cents;
        const char* adjCost;
    } cases[] = {
        {allowance, 6, 1, 440000, ""},      // 0.3 x 10,000 + 0.2 x 7,000
        {adsAllowance, 11, 1, 335000, ""},  // 0.3 x 10,000 + 0.05 x 7,000
        // The first year's rate rounded up: the last year takes what is left.
        {Entered(Method::Ads, "12000", "07/2008", "12"), 13, 13, 49960, ""},
        {Sold(Entered(Method::Macrs, "10000", "03/2002", "5"), "12/2002"), 1, 1, 100000, ""},
        // 0.125, 0.375, 0.625 of the third year by the quarter sold
        {Sold(With(Entered(Method::Macrs, "10000", "08/2002", "5"), kQuarter), "01/2004"), 3, 3,
         25500, ""},
        {Sold(With(Entered(Method::Macrs, "10000", "08/2002", "5"), kQuarter), "05/2004"), 3, 3,
         76500, ""},
        {Sold(With(Entered(Method::Macrs, "10000", "08/2002", "5"), kQuarter), "08/2004"), 3, 3,
         127500, ""},
        // A sale in the last part year takes its share of that year's own amount.
        {Sold(Entered(Method::Ads, "10000", "03/2002", "10"), "06/2012"), 11, 11, 25000, ""},
        {Sold(Entered(Method::StraightLine, "12000", "04/2002", "5"), "06/2007"), 6, 6, 60000, ""},
        {Sold(Entered(Method::Macrs, "10000", "03/2002", "7"), "06/2004"), 3, 3, 87450, ""},
        {Sold(With(Entered(Method::Macrs, "10000", "02/2002", "7"), kQuarter), "11/2004"), 3, 3,
         133962, ""},  // 0.875 of 1,531, half a cent to the even cent
        {Sold(With(Entered(Method::Macrs, "100000", "03/2002", "27.5"), kMonth), "06/2010"), 9, 9,
         166650, ""},  // 5.5 of 12 months of 3,636
        {Sold(Entered(Method::StraightLine, "10000", "03/2002", "5"), "06/2004"), 3, 3, 200000, ""},
        {exchange, 8, 1, 128610, "9000"},
    };
    for (const auto& c : cases) {
        const CalcResult r = Calculate(c.asset, {platform});
        ASSERT_EQ(r.schedule.rows.size(), c.rows) << c.asset.life.text;
        EXPECT_EQ(r.schedule.Row(c.year)->amountCents, c.cents) << c.asset.life.text;
        EXPECT_EQ(r.adjCost, c.adjCost);
    }
}

// The Business % box: a whole percentage, or a fraction when a point is its first or second
// character ("5.5" is 550%, which the checks refuse); an empty box is the whole cost.
TEST(Calculation, TheBusinessShareAsTheBoxReadsIt) {
    const std::pair<const char*, double> cases[] = {
        {"", 1.0},     {"80", 0.8},  {"100", 1.0},    {"5.5", 5.5},
        {".75", 0.75}, {"0.6", 0.6}, {"12.5", 0.125}, {"abc", 0.0},
    };
    for (const auto& [text, fraction] : cases) {
        EXPECT_DOUBLE_EQ(BusinessEntry::Of(text, true).fraction, fraction) << text;
    }
}

// The first fault wins; a life too large to read stops the checks with a reported overflow
// and the calculation goes on, reporting what it cannot compute, each fault once.
TEST(Calculation, FaultsAndCutShortChecks) {
    testing::FakePlatform platform;
    Asset a = Entered(Method::Macrs, "10000", "13/2002", "8");
    EXPECT_EQ(Calculate(a, {platform}).fault,
              (InputFault{InputBox::InService, "In service date is invalid! "}));
    a = Entered(Method::StraightLine, "10000", "03/2002", std::string(400, '9').c_str());
    a.salesPrice = NumberEntry::Of("1.2.3");
    a.adjTaxBasis = NumberEntry::Of("100");
    const CalcResult r = Calculate(a, {platform});
    EXPECT_FALSE(r.fault);
    EXPECT_TRUE(r.schedule.rows.empty());
    ASSERT_EQ(r.schedule.faults.size(), 2U);  // the overflow met again in every step: once
    EXPECT_EQ(r.schedule.faults[1].number, err::kTypeMismatch);  // the exchange, never checked
    EXPECT_EQ(platform.boxes.size(), 2U);
    // A year the table cannot give is reported, and the schedule it broke off takes no
    // remainder in its last year.
    a = Entered(Method::Macrs, "10000", "03/2002", std::string(400, '9').c_str());
    const CalcResult broken = Calculate(a, {platform});
    EXPECT_TRUE(broken.schedule.rows.empty());
    ASSERT_EQ(broken.schedule.faults.size(), 2U);
    EXPECT_EQ(broken.schedule.faults[1].title, "MACRS Error");
}

// A life that reads as 0, and a real-property life under Mid Quarter, whose tables have no row
// for it, are refused in the Life box, the message quoting the life as typed.
TEST(Calculation, LivesWithoutASchedule) {
    const auto under = [](Asset a, AveragingConvention convention) {
        a.convention = convention;
        const auto checked = CheckAsset(a);
        const auto* fault = std::get_if<InputFault>(&checked);
        return fault != nullptr ? *fault : InputFault{};
    };
    const AveragingConvention quarter = AveragingConvention::MidQuarter;
    EXPECT_EQ(under(Entered(Method::Amortize, "10", "03/2002", ".0"), AveragingConvention::None),
              (InputFault{InputBox::Life, "Life must be greater than 0! "}));
    EXPECT_EQ(under(Entered(Method::Macrs, "10", "03/2002", "27.50"), quarter),
              (InputFault{InputBox::Life, "Life 27.50 has no Mid Quarter table! "}));
    EXPECT_EQ(under(Entered(Method::Macrs, "10", "03/2002", "27.5"), AveragingConvention::MidMonth),
              InputFault{});
    EXPECT_EQ(under(Entered(Method::Macrs, "10", "03/2002", "20"), quarter), InputFault{});
}

// Published examples: section 179 first, then the allowance at its rate on what is left, then
// the table on the rest; at 100% year 1 takes it all.
TEST(Calculation, FirstYearDeductionsAtEveryRate) {
    testing::FakePlatform platform;
    const auto claimed = [](Asset a, std::optional<int> rate, const char* section179) {
        a.allowanceRate = rate;
        a.section179 = NumberEntry::Of(section179);
        return a;
    };
    const struct {
        Asset asset;
        std::vector<std::int64_t> cents;
    } cases[] = {
        {claimed(Entered(Method::Macrs, "100000", "06/2003", "5"), 50, ""),
         {6000000, 1600000, 960000}},
        {claimed(Entered(Method::Macrs, "50000", "03/2025", "5"), 100, ""), {5000000}},
        {claimed(Entered(Method::Macrs, "50000", "03/2025", "5"), 40, ""), {2600000, 960000}},
        {claimed(Entered(Method::Macrs, "10000", "06/2024", "5"), 60, ""), {680000, 128000}},
        {claimed(Entered(Method::Macrs, "100000", "11/2001", "7"), 30, "24000"),
         {5440228, 1302868}},
    };
    for (const auto& c : cases) {
        const CalcResult r = Calculate(c.asset, {platform});
        for (std::size_t i = 0; i < c.cents.size(); ++i) {
            ASSERT_NE(r.schedule.Row(static_cast<int>(i) + 1), nullptr);
            EXPECT_EQ(r.schedule.Row(static_cast<int>(i) + 1)->amountCents, c.cents[i]);
        }
        if (c.cents.size() == 1) {
            EXPECT_EQ(r.schedule.rows.size(), 1U);
        }
    }
    const CalcResult over = Calculate(
        claimed(Entered(Method::Macrs, "100000", "11/2001", "7"), std::nullopt, "100000.01"),
        {platform});
    EXPECT_EQ(over.status, "Section 179 can't be greater than the business basis. ");
    EXPECT_EQ(over.fault->box, InputBox::Section179);
    const CalcResult limit =
        Calculate(claimed(Entered(Method::Macrs, "100000", "11/2001", "7"), std::nullopt, "30000"),
                  {platform});
    EXPECT_EQ(limit.status,
              "Method: MACRS 200% DB  Section 179 of 30,000.00 is above the 2001 limit of "
              "24,000.00.");
}

}  // namespace
}  // namespace pellory
