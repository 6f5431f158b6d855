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
    int RowCount() const {
        int n = 0;
        for (int y = 1; y <= 44; ++y) {
            n += window.Cell(y, 0).empty() ? 0 : 1;
        }
        return n;
    }
    testing::FakePlatform platform;
    testing::FakeScheduleWindow window;
    testing::FakeAutoLimits limits;
    Depr depr{window, platform};
};

TEST_F(LuxuryAutoTest, CapsEachYearUntilTheCostIsRecovered) {
    Run();
    const char* expected[][3] = {
        {"2002", "3,060.00 ", "26,940.00 "}, {"2003", "4,900.00 ", "22,040.00 "},
        {"2004", "2,950.00 ", "19,090.00 "}, {"2005", "1,775.00 ", "17,315.00 "},
        {"2013", "1,775.00 ", "3,115.00 "},  {"2014", "1,775.00 ", "1,340.00 "},
    };
    const int years[] = {1, 2, 3, 4, 12, 13};
    for (std::size_t i = 0; i < 6; ++i) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(window.Cell(years[i], c), expected[i][c]) << years[i];
        }
    }
    EXPECT_EQ(window.Cell(14, 1), "1,340.00 ");
    EXPECT_EQ(window.Cell(14, 2), ".00 ");
    EXPECT_EQ(RowCount(), 14);
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
    EXPECT_EQ(window.Cell(1, 1), "1,836.00 ");
    EXPECT_EQ(window.Cell(1, 2), "16,164.00 ");
    EXPECT_EQ(window.Cell(2, 1), "2,940.00 ");
    EXPECT_EQ(window.Cell(3, 1), "1,770.00 ");
    EXPECT_EQ(window.Cell(4, 1), "1,065.00 ");
    EXPECT_EQ(window.Cell(14, 1), "804.00 ");
    EXPECT_EQ(window.Cell(14, 2), ".00 ");
}

TEST_F(LuxuryAutoTest, TheAllowanceCountsAgainstTheFirstYearCap) {
    window.bonus = true;
    window.cost = "10000";
    Run();
    // 0.2 x 10000 + 0.3 x 10000 = 5000, capped at 3060; the grid adds nothing more.
    EXPECT_EQ(window.Cell(1, 1), "3,060.00 ");
    EXPECT_FALSE(depr.values.BonusIncluded);
}

TEST_F(LuxuryAutoTest, In2001TheAllowanceRaisesTheFirstYearCap) {
    const struct {
        const char* fileCode;
        bool bonus;
        const char* inService;
        const char* year1;
    } cases[] = {
        {"A", true, "06/2001", "7,660.00 "},  {"E", true, "06/2001", "15,000.00 "},
        {"A", false, "06/2001", "3,060.00 "}, {"A", true, "06/2002", "3,060.00 "},
        {"E", false, "06/2001", "6,000.00 "},
    };
    for (const auto& c : cases) {
        window.bonus = c.bonus;
        window.inService = c.inService;
        window.cost = "30000";
        depr.values.ResetTotal = true;
        window.grid.Clear();
        Run(c.fileCode);
        EXPECT_EQ(window.Cell(1, 1), c.year1) << c.fileCode << c.bonus << c.inService;
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
        EXPECT_EQ(RowCount(), 0);
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
    EXPECT_EQ(RowCount(), 3);
    EXPECT_EQ(window.status, "Can't display total depreciation. The life greater then 43 !");
    EXPECT_TRUE(depr.values.InputError);
    EXPECT_FALSE(depr.values.BonusIncluded);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(LuxuryAutoTest, TheSaleYearIsProratedAndEndsTheSchedule) {
    const struct {
        std::int16_t convention;
        const char* sold;
        const char* year3;
    } cases[] = {
        {kHalfYear, "05/2004", "1,475.00 "},
        {kMidQuarter, "11/2004", "2,581.25 "},
        {kMidMonth, "03/2004", "614.58 "},
    };
    for (const auto& c : cases) {
        depr.values.Convention = c.convention;
        depr.values.ResetTotal = true;
        window.sold = c.sold;
        window.grid.Clear();
        Run();
        EXPECT_EQ(window.Cell(3, 1), c.year3) << c.sold;
        EXPECT_EQ(RowCount(), 3);
    }
}

TEST_F(LuxuryAutoTest, ACostOfZeroWritesNothingButTheMethod) {
    window.cost = "0";
    Run();
    EXPECT_EQ(RowCount(), 0);
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
    EXPECT_EQ(window.Cell(1, 1), "1,500.00 ");  // 0.05 x 30000 under the cap
    EXPECT_EQ(window.Cell(2, 1), "11,400.00 ");
}

}  // namespace
}  // namespace pellory
