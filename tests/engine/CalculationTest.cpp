#include <gtest/gtest.h>

#include "FakeAutoLimits.h"
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

// Each method's schedule in cents, its method line and its calendar years.
TEST(Calculation, SchedulesOfEachMethod) {
    testing::FakePlatform platform;
    const struct {
        Asset asset;
        std::vector<std::int64_t> cents;
        const char* line;
    } cases[] = {
        {Entered(Method::Macrs, "10000", "03/2002", "7"),
         {142900, 244900, 174900, 124900, 89300, 89200, 89300, 44600},
         "Method: MACRS 200% DB"},
        {Entered(Method::Ads, "10000", "03/2002", "5"),
         {100000, 200000, 200000, 200000, 200000, 100000},
         "Method: ADS- Straight Line"},
        // The closing part year takes what is left of the cost.
        {Entered(Method::StraightLine, "1000", "07/2002", "2.5"), {20000, 40000, 40000}, ""},
    };
    for (const auto& c : cases) {
        const CalcResult r = Calculate(c.asset, {platform});
        EXPECT_EQ(Amounts(r), c.cents) << c.line;
        EXPECT_EQ(r.schedule.methodLine, c.line);
        EXPECT_TRUE(r.statusBlue);
        EXPECT_EQ(r.schedule.rows.front().calendarYear, 2002);
        EXPECT_EQ(r.schedule.rows.back().basisCents, 0);
    }
    EXPECT_TRUE(platform.boxes.empty());
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

// A capped automobile: each year at most the table's limit for the business share.
TEST(Calculation, LuxuryAutomobileCaps) {
    testing::FakePlatform platform;
    testing::FakeAutoLimits limits;
    limits.caps["AutoMax.DAT:2004"] = {"10610", "4800", "2850", "1675"};
    Asset a = Entered(Method::Macrs, "30000", "05/2004", "");
    a.assetClass = ClassChoice::Of("Automobiles (5)", 5);
    a.business = BusinessEntry::Of("80", true);
    const CalcResult r = Calculate(a, {platform, &limits});
    EXPECT_EQ(Amounts(r)[0], 480000);  // 20% of 24,000 under 80% of 10,610
    EXPECT_EQ(Amounts(r)[1], 384000);
    EXPECT_EQ(r.schedule.methodLine, "Method: MACRS-200% DB Luxury Auto");
    a.inService = MonthEntry::Of("05/2005");
    EXPECT_EQ(Calculate(a, {platform, &limits}).status,
              "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.");
}

}  // namespace
}  // namespace pellory
