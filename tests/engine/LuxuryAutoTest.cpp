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
    void Compute(const char* fileCode = "A", std::int16_t quarter = 0,
                 AutoSystem system = AutoSystem::Macrs) {
        depr.values.ResetTotal = true;
        depr.ClearSchedule();
        depr.MacrsLuxuryAuto(std::stod(window.cost), 0, window.inService.substr(3), fileCode,
                             quarter, system);
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

// The schedule's years go into the grid, its method line into the status line.
TEST_F(LuxuryAutoTest, TheScheduleInTheGridAndItsMethodLine) {
    Compute();
    ASSERT_EQ(Rows().size(), 14U);
    EXPECT_EQ(Rows()[0], (ScheduleRow{1, 2002, 306000, 2694000}));
    EXPECT_EQ(Rows()[5], (ScheduleRow{6, 2007, 172800, 1381200}));
    EXPECT_EQ(Rows()[13], (ScheduleRow{14, 2015, 138700, 0}));
    EXPECT_EQ(window.status, kMethodLine);
    EXPECT_EQ(window.statusColor, kBlue);
    EXPECT_FALSE(window.statusBold);
    EXPECT_EQ(limits.lookups, std::vector<std::string>{"AutoMax.DAT:2002"});
    const char* const straightLine = "Method: ADS- Straight Line Luxury Auto";
    Compute("A", 0, AutoSystem::Ads);
    EXPECT_EQ(window.status, straightLine);
    depr.values.BusinessFraction = 0.5;
    Compute();
    EXPECT_EQ(window.status, straightLine);
}

// What the window hands the schedule: the ticked box as 30% of the business basis under the
// raised cap of the table's own kind, the quarter, and the date sold with the convention.
TEST_F(LuxuryAutoTest, TheWindowsEntriesReachTheSchedule) {
    const struct {
        const char* fileCode;
        const char* inService;
        const char* sold;
        std::int16_t quarter;
        std::size_t year;
        std::int64_t amount;
    } cases[] = {
        // clang-format off
        {"A", "10/2001", "__/____", 0, 1, 766000}, {"E", "10/2001", "__/____", 0, 1, 1320000},
        {"A", "06/2002", "__/____", 0, 1, 766000}, {"E", "11/2002", "__/____", 4, 1, 1005000},
        {"A", "06/2002", "05/2004", 0, 3, 147500}, {"A", "06/2002", "01/2010", 0, 9, 88750},
        // clang-format on
    };
    window.bonus = true;
    for (const auto& c : cases) {
        window.inService = c.inService;
        window.sold = c.sold;
        Compute(c.fileCode, c.quarter);
        EXPECT_EQ(Amount(static_cast<int>(c.year)), c.amount) << c.fileCode << c.inService;
        EXPECT_TRUE(*c.sold == '_' || Rows().size() == c.year) << c.sold;
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
        // 7660 + 4900 + 2950 + 40 x 1775 is recovered in exactly 43 years, the most there are.
        {"43 years", [](auto& t) { t.window.cost = "86510"; }, 43, kMethodLine, ""},
        {"44 years", [](auto& t) { t.window.cost = "86510.01"; }, 43, kTooLong, ""},
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

}  // namespace
}  // namespace pellory
