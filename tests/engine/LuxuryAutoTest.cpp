#include <gtest/gtest.h>

#include "FakeAutoLimits.h"
#include "FakePlatform.h"
#include "engine/Calculation.h"

namespace pellory {
namespace {

const char* const kMethodLine = "Method: MACRS-200% DB Luxury Auto";
const char* const kTooLong = "Can't display total depreciation. The life greater then 43 !";

// A car as the user enters it, on one in-memory pair of limit tables.
struct Car {
    Car() {
        asset.method = Method::Macrs;
        asset.cost = NumberEntry::Of("30000");
        asset.inService = MonthEntry::Of("06/2002");
        asset.assetClass = ClassChoice::Of("Automobiles (5)", 5);
        asset.business = BusinessEntry::Of("", true);
        asset.convention = AveragingConvention::HalfYear;
        limits.caps["AutoMax.DAT:2002"] = {"3060 ", "4900 ", "2950 ", "1775 "};
        limits.caps["Electric.DAT:2002"] = {"9180 ", "14800", "8850 ", "5325 "};
        limits.caps["AutoMax.DAT:2001"] = {"3060 ", "4900 ", "2950 ", "1775 "};
        limits.caps["Electric.DAT:2001"] = {"9280 ", "14800", "8850 ", "5325 "};
    }
    CalcResult Run() { return Calculate(asset, {platform, &limits}); }
    Asset asset;
    testing::FakePlatform platform;
    testing::FakeAutoLimits limits;
};

std::int64_t Amount(const CalcResult& r, int year) {
    const ScheduleRow* row = r.schedule.Row(year);
    return row != nullptr ? row->amountCents : -1;
}

// The schedule's years go into the rows, its method line into the status line, blue.
TEST(LuxuryAuto, TheScheduleAndItsMethodLine) {
    Car car;
    CalcResult r = car.Run();
    ASSERT_EQ(r.schedule.rows.size(), 14U);
    EXPECT_EQ(r.schedule.rows[0], (ScheduleRow{1, 2002, 306000, 2694000}));
    EXPECT_EQ(r.schedule.rows[5], (ScheduleRow{6, 2007, 172800, 1381200}));
    EXPECT_EQ(r.schedule.rows[13], (ScheduleRow{14, 2015, 138700, 0}));
    EXPECT_EQ(r.status, kMethodLine);
    EXPECT_TRUE(r.statusBlue);
    EXPECT_EQ(r.autoBusinessRed, false);
    EXPECT_EQ(car.limits.lookups, std::vector<std::string>{"AutoMax.DAT:2002"});
    const char* const straightLine = "Method: ADS- Straight Line Luxury Auto";
    car.asset.business = BusinessEntry::Of("50", true);
    EXPECT_EQ(car.Run().status, straightLine);
    car.asset.method = Method::Ads;
    car.asset.business = BusinessEntry::Of("", true);
    EXPECT_EQ(car.Run().status, straightLine);
}

// What the entries hand the schedule: the ticked box as 30% of the business basis under the
// raised cap of the table's own kind, the quarter, and the date sold with the convention.
TEST(LuxuryAuto, TheEntriesReachTheSchedule) {
    const struct {
        bool cleanFuel;
        const char* inService;
        const char* sold;
        AveragingConvention convention;
        int year;
        std::int64_t amount;
    } cases[] = {
        {false, "10/2001", "__/____", AveragingConvention::HalfYear, 1, 766000},
        {true, "10/2001", "__/____", AveragingConvention::HalfYear, 1, 1320000},
        {false, "06/2002", "__/____", AveragingConvention::HalfYear, 1, 766000},
        {true, "11/2002", "__/____", AveragingConvention::MidQuarter, 1, 1005000},
        {false, "06/2002", "05/2004", AveragingConvention::HalfYear, 3, 147500},
        {false, "06/2002", "01/2010", AveragingConvention::HalfYear, 9, 88750},
    };
    for (const auto& c : cases) {
        Car car;
        car.asset.allowanceRate = 30;
        car.asset.assetClass =
            ClassChoice::Of(c.cleanFuel ? "Automobiles, Clean Fuel (5)" : "Automobiles (5)", 5);
        car.asset.inService = MonthEntry::Of(c.inService);
        car.asset.sold = MonthEntry::Of(c.sold);
        car.asset.convention = c.convention;
        const CalcResult r = car.Run();
        EXPECT_EQ(Amount(r, c.year), c.amount) << c.cleanFuel << c.inService;
        EXPECT_TRUE(*c.sold == '_' || r.schedule.rows.size() == std::size_t(c.year)) << c.sold;
    }
}

// Each way a schedule stops short, and what the status line and the boxes say.
TEST(LuxuryAuto, SchedulesThatCannotRunSaySo) {
    const struct {
        const char* name;
        void (*setUp)(Car&);
        std::size_t rows;
        const char* status;
        const char* box;
    } cases[] = {
        {"no record of the year", [](Car& t) { t.asset.inService = MonthEntry::Of("06/1999"); }, 0,
         "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.", ""},
        {"table unavailable", [](Car& t) { t.limits.unavailable.insert("AutoMax.DAT"); }, 0, "",
         ""},
        {"an allowance at 50% business use",
         [](Car& t) { t.asset.business = BusinessEntry::Of("50", true); }, 0,
         "Special allowance requires business use over 50%.", ""},
        // 7660 + 4900 + 2950 + 40 x 1775 is recovered in exactly 43 years, the most there are.
        {"43 years", [](Car& t) { t.asset.cost = NumberEntry::Of("86510"); }, 43, kMethodLine, ""},
        {"44 years", [](Car& t) { t.asset.cost = NumberEntry::Of("86510.01"); }, 43, kTooLong, ""},
        {"a cap of zero", [](Car& t) { t.limits.caps["AutoMax.DAT:2002"].fourth = "0"; }, 3,
         kTooLong, ""},
        {"a cap that is not a number",
         [](Car& t) { t.limits.caps["AutoMax.DAT:2002"].first = "     "; }, 0, "",
         "MACRSauto Error: Err: 13[Type mismatch]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Car t;
        t.asset.allowanceRate = 30;
        c.setUp(t);
        const CalcResult r = t.Run();
        EXPECT_EQ(r.schedule.rows.size(), c.rows);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.statusBlue, std::string(c.status) == kMethodLine);
        std::string boxes;
        for (const auto& box : t.platform.boxes) {
            boxes += box.title + ": " + box.text;
        }
        EXPECT_EQ(boxes, c.box);
    }
}

}  // namespace
}  // namespace pellory
