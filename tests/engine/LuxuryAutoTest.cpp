#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "FakeScheduleWindow.h"
#include "engine/Depr.h"

namespace pellory {
namespace {

class LuxuryAutoTest : public ::testing::Test {
  protected:
    LuxuryAutoTest() {
        depr.autoLimits = &limits;
        depr.values.BusinessFraction = 1.0;
        depr.values.ResetTotal = true;
        window.cost = "30000";
        window.inService = "06/2002";
        limits.caps["AutoMax.DAT:2002"] = {"3060 ", "4900 ", "2950 ", "1775 "};
        limits.caps["Electric.DAT:2002"] = {"9180 ", "14800", "8850 ", "5325 "};
        limits.caps["AutoMax.DAT:2001"] = {"3060 ", "4900 ", "2950 ", "1775 "};
        limits.caps["Electric.DAT:2001"] = {"9280 ", "14800", "8850 ", "5325 "};
    }
    void Run(const char* fileCode = "A", std::int16_t quarter = 0) {
        depr.MacrsLuxuryAuto(std::stod(window.cost), 0, window.inService.substr(3), fileCode,
                             quarter);
    }
    std::size_t RowCount() const { return depr.Result().rows.size(); }
    std::int64_t Amount(int year) const {
        const ScheduleRow* row = depr.Result().Row(year);
        return row != nullptr ? row->amountCents : -1;
    }
    testing::FakePlatform platform;
    testing::FakeScheduleWindow window;
    testing::FakeAutoLimits limits;
    Depr depr{window, platform};
};

TEST_F(LuxuryAutoTest, CapsEachYearUntilTheCostIsRecovered) {
    Run();
    const std::vector<ScheduleRow>& rows = depr.Result().rows;
    ASSERT_EQ(RowCount(), 14U);
    const ScheduleRow expected[] = {
        {1, 2002, 306000, 2694000}, {2, 2003, 490000, 2204000}, {3, 2004, 295000, 1909000},
        {4, 2005, 177500, 1731500}, {12, 2013, 177500, 311500}, {13, 2014, 177500, 134000},
        {14, 2015, 134000, 0},
    };
    for (const ScheduleRow& row : expected) {
        EXPECT_EQ(rows[static_cast<std::size_t>(row.recoveryYear - 1)], row);
    }
    EXPECT_EQ(depr.Result().methodLine, "Method: MACRS-200% DB Luxury Auto");
    EXPECT_EQ(window.status, "Method: MACRS-200% DB Luxury Auto");
    EXPECT_EQ(window.statusColor, kBlue);
    EXPECT_FALSE(window.statusBold);
    EXPECT_FALSE(depr.values.BonusIncluded);
    EXPECT_EQ(limits.lookups, std::vector<std::string>{"AutoMax.DAT:2002"});
}

TEST_F(LuxuryAutoTest, BusinessShareScalesCostAndCaps) {
    depr.values.BusinessFraction = 0.6;
    window.business = "60";
    Run();
    EXPECT_EQ(Amount(1), 183600);
    EXPECT_EQ(depr.Result().Row(1)->basisCents, 1616400);
    EXPECT_EQ(Amount(2), 294000);
    EXPECT_EQ(Amount(3), 177000);
    EXPECT_EQ(Amount(4), 106500);
    EXPECT_EQ(Amount(14), 80400);
    EXPECT_EQ(depr.Result().rows.back(), (ScheduleRow{14, 2015, 80400, 0}));
}

TEST_F(LuxuryAutoTest, TheAllowanceCountsAgainstTheFirstYearCap) {
    window.bonus = true;
    window.cost = "10000";
    Run();
    // 0.2 x 10000 + 0.3 x 10000 = 5000, capped at 3060; the grid adds nothing more.
    EXPECT_EQ(Amount(1), 306000);
    EXPECT_FALSE(depr.values.BonusIncluded);
}

TEST_F(LuxuryAutoTest, In2001TheAllowanceRaisesTheFirstYearCap) {
    const struct {
        const char* fileCode;
        bool bonus;
        const char* inService;
        std::int64_t year1;
    } cases[] = {
        {"A", true, "06/2001", 766000},  {"E", true, "06/2001", 1500000},
        {"A", false, "06/2001", 306000}, {"A", true, "06/2002", 306000},
        {"E", false, "06/2001", 600000},
    };
    for (const auto& c : cases) {
        window.bonus = c.bonus;
        window.inService = c.inService;
        window.cost = "30000";
        depr.values.ResetTotal = true;
        depr.ClearSchedule();
        Run(c.fileCode);
        EXPECT_EQ(Amount(1), c.year1) << c.fileCode << c.bonus << c.inService;
    }
}

// A table that lacks the year asks for it; one that cannot be opened has said why already.
TEST_F(LuxuryAutoTest, AMissingYearOrTableStopsTheSchedule) {
    const struct {
        const char* inService;
        bool unavailable;
        const char* status;
    } cases[] = {
        {"06/1999", false,
         "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year."},
        {"06/2002", true, ""},
    };
    for (const auto& c : cases) {
        window.inService = c.inService;
        window.bonus = true;
        window.status.clear();
        limits.unavailable.clear();
        if (c.unavailable) {
            limits.unavailable.insert("AutoMax.DAT");
        }
        Run();
        EXPECT_EQ(window.status, c.status);
        EXPECT_EQ(RowCount(), 0U);
        EXPECT_FALSE(depr.values.BonusIncluded);
    }
}

TEST_F(LuxuryAutoTest, NoBusinessShareStopsWithTheLabelRed) {
    depr.values.BusinessFraction = 0;
    Run();
    EXPECT_EQ(window.status, "Business Percent is required.");
    EXPECT_EQ(window.autoBusinessColor, kRed);
    EXPECT_TRUE(limits.lookups.empty());
    EXPECT_FALSE(depr.values.BonusIncluded);
}

TEST_F(LuxuryAutoTest, ACapOfZeroRunsIntoTheFortyThreeYearLimit) {
    limits.caps["AutoMax.DAT:2002"] = {"3060", "4900", "2950", "0"};
    Run();
    EXPECT_EQ(RowCount(), 3U);
    EXPECT_EQ(window.status, "Can't display total depreciation. The life greater then 43 !");
    EXPECT_TRUE(depr.values.InputError);
    EXPECT_FALSE(depr.values.BonusIncluded);
    EXPECT_TRUE(platform.boxes.empty());
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
        depr.values.ResetTotal = true;
        window.sold = c.sold;
        depr.ClearSchedule();
        Run();
        EXPECT_EQ(Amount(3), c.year3) << c.sold;
        EXPECT_EQ(RowCount(), 3U);
    }
}

TEST_F(LuxuryAutoTest, ACostOfZeroWritesNothingButTheMethod) {
    window.cost = "0";
    Run();
    EXPECT_EQ(RowCount(), 0U);
    EXPECT_EQ(window.status, "Method: MACRS-200% DB Luxury Auto");
}

TEST_F(LuxuryAutoTest, ACapThatIsNotANumberIsReported) {
    limits.caps["AutoMax.DAT:2002"] = {"     ", "4900", "2950", "1775"};
    Run();
    ASSERT_EQ(platform.boxes.size(), 1U);
    EXPECT_EQ(platform.boxes[0].title, "MACRSauto Error");
    EXPECT_EQ(platform.boxes[0].text, "Err: 13[Type mismatch]");
    EXPECT_FALSE(depr.values.BonusIncluded);
}

TEST_F(LuxuryAutoTest, CleanFuelUsesItsOwnTableAndQuarterRates) {
    window.inService = "11/2002";
    Run("E", 4);
    EXPECT_EQ(limits.lookups, std::vector<std::string>{"Electric.DAT:2002"});
    EXPECT_EQ(Amount(1), 150000);  // 0.05 x 30000 under the cap
    EXPECT_EQ(Amount(2), 1140000);
}

}  // namespace
}  // namespace pellory
