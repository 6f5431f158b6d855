#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"
#include "FakeScheduleWindow.h"
#include "engine/Depr.h"

namespace pellory {
namespace {

const char* const kMethodLine = "Method: MACRS-200% DB Luxury Auto";
const char* const kTooLong = "Can't display total depreciation. The life greater then 43 !";

// A capped schedule on one in-memory pair of tables.
struct AutoRun {
    AutoRun() {
        depr.autoLimits = &limits;
        depr.values.BusinessFraction = 1.0;
        window.cost = "30000";
        window.inService = "06/2002";
        limits.caps["AutoMax.DAT:2002"] = {"3060 ", "4900 ", "2950 ", "1775 "};
        limits.caps["Electric.DAT:2002"] = {"9180 ", "14800", "8850 ", "5325 "};
        limits.caps["AutoMax.DAT:2001"] = {"3060 ", "4900 ", "2950 ", "1775 "};
        limits.caps["Electric.DAT:2001"] = {"9280 ", "14800", "8850 ", "5325 "};
    }
    void Compute(const char* fileCode = "A", std::int16_t quarter = 0) {
        depr.values.ResetTotal = true;
        depr.ClearSchedule();
        depr.MacrsLuxuryAuto(std::stod(window.cost), 0, window.inService.substr(3), fileCode,
                             quarter);
        EXPECT_FALSE(depr.values.BonusIncluded);
    }
    const std::vector<ScheduleRow>& Rows() const { return depr.Result().rows; }
    std::int64_t Amount(int year) const {
        const ScheduleRow* row = depr.Result().Row(year);
        return row != nullptr ? row->amountCents : -1;
    }
    testing::FakePlatform platform;
    testing::FakeScheduleWindow window;
    testing::FakeAutoLimits limits;
    Depr depr{window, platform};
};

class LuxuryAutoTest : public ::testing::Test, public AutoRun {};

TEST_F(LuxuryAutoTest, CapsEachYearUntilTheCostIsRecovered) {
    Compute();
    ASSERT_EQ(Rows().size(), 14U);
    const ScheduleRow expected[] = {
        {1, 2002, 306000, 2694000}, {2, 2003, 490000, 2204000}, {3, 2004, 295000, 1909000},
        {4, 2005, 177500, 1731500}, {13, 2014, 177500, 134000}, {14, 2015, 134000, 0},
    };
    for (const ScheduleRow& row : expected) {
        EXPECT_EQ(Rows()[static_cast<std::size_t>(row.recoveryYear - 1)], row);
    }
    EXPECT_EQ(depr.Result().methodLine, kMethodLine);
    EXPECT_EQ(window.status, kMethodLine);
    EXPECT_EQ(window.statusColor, kBlue);
    EXPECT_FALSE(window.statusBold);
    EXPECT_EQ(limits.lookups, std::vector<std::string>{"AutoMax.DAT:2002"});

    // A business share scales the cost and the caps alike.
    depr.values.BusinessFraction = 0.6;
    window.business = "60";
    Compute();
    EXPECT_EQ(Rows().front(), (ScheduleRow{1, 2002, 183600, 1616400}));
    EXPECT_EQ(Amount(4), 106500);
    EXPECT_EQ(Rows().back(), (ScheduleRow{14, 2015, 80400, 0}));
}

// The allowance counts against the first year's cap, which in 2001 it raises.
TEST_F(LuxuryAutoTest, TheAllowanceAndTheFirstYearCap) {
    const struct {
        const char* fileCode;
        bool bonus;
        const char* inService;
        const char* cost;
        std::int64_t year1;
    } cases[] = {
        {"A", true, "06/2001", "30000", 766000},  {"E", true, "06/2001", "30000", 1500000},
        {"A", false, "06/2001", "30000", 306000}, {"A", true, "06/2002", "30000", 306000},
        {"E", false, "06/2001", "30000", 600000}, {"A", true, "06/2002", "10000", 306000},
    };
    for (const auto& c : cases) {
        window.bonus = c.bonus;
        window.inService = c.inService;
        window.cost = c.cost;
        Compute(c.fileCode);
        EXPECT_EQ(Amount(1), c.year1) << c.fileCode << c.bonus << c.inService << " " << c.cost;
    }
}

// Each way a schedule stops short, and what the status line, the label and the boxes say.
TEST(LuxuryAuto, SchedulesThatCannotRunSaySo) {
    const struct {
        const char* name;
        std::function<void(AutoRun&)> setUp;
        std::size_t rows;
        const char* status;
        const char* box;
    } cases[] = {
        {"no record of the year", [](auto& t) { t.window.inService = "06/1999"; }, 0,
         "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.", ""},
        {"table unavailable", [](auto& t) { t.limits.unavailable.insert("AutoMax.DAT"); }, 0, "",
         ""},
        {"no business share", [](auto& t) { t.depr.values.BusinessFraction = 0; }, 0,
         "Business Percent is required.", ""},
        // 3060 + 4900 + 2950 + 40 x 1775 is recovered in exactly 43 years, the most there are.
        {"43 years", [](auto& t) { t.window.cost = "81910"; }, 43, kMethodLine, ""},
        {"44 years", [](auto& t) { t.window.cost = "81910.01"; }, 43, kTooLong, ""},
        {"a cap of zero", [](auto& t) { t.limits.caps["AutoMax.DAT:2002"].fourth = "0"; }, 3,
         kTooLong, ""},
        {"a cost of zero", [](auto& t) { t.window.cost = "0"; }, 0, kMethodLine, ""},
        {"a cap that is not a number",
         [](auto& t) { t.limits.caps["AutoMax.DAT:2002"].first = "     "; }, 0, "",
         "MACRSauto Error: Err: 13[Type mismatch]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AutoRun t;
        t.window.bonus = true;
        c.setUp(t);
        t.Compute();
        EXPECT_EQ(t.Rows().size(), c.rows);
        EXPECT_EQ(t.window.status, c.status);
        EXPECT_EQ(t.depr.values.InputError, std::string(c.status) == kTooLong);
        EXPECT_EQ(t.window.autoBusinessColor,
                  std::string(c.status) == "Business Percent is required." ? kRed : kBlack);
        std::string boxes;
        for (const auto& box : t.platform.boxes) {
            boxes += box.title + ": " + box.text;
        }
        EXPECT_EQ(boxes, c.box);
    }
}

TEST_F(LuxuryAutoTest, TheSaleYearIsProratedAndEndsTheSchedule) {
    const struct {
        AveragingConvention convention;
        const char* sold;
        std::int64_t year3;
    } cases[] = {
        {AveragingConvention::HalfYear, "05/2004", 147500},
        {AveragingConvention::MidQuarter, "11/2004", 258125},
        {AveragingConvention::MidMonth, "03/2004", 61458},
    };
    for (const auto& c : cases) {
        depr.values.Convention = c.convention;
        window.sold = c.sold;
        Compute();
        EXPECT_EQ(Amount(3), c.year3) << c.sold;
        EXPECT_EQ(Rows().size(), 3U);
    }
}

TEST_F(LuxuryAutoTest, CleanFuelUsesItsOwnTableAndQuarterRates) {
    window.inService = "11/2002";
    Compute("E", 4);
    EXPECT_EQ(limits.lookups, std::vector<std::string>{"Electric.DAT:2002"});
    EXPECT_EQ(Amount(1), 150000);  // 0.05 x 30000 under the cap
    EXPECT_EQ(Amount(2), 1140000);
}

}  // namespace
}  // namespace pellory
