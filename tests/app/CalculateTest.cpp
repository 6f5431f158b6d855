#include <gtest/gtest.h>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

// An asset as the user enters it: a life in `typed` is typed, in `life` picked from the list.
struct Asset {
    Asset(const char* c, const char* m, const char* i) : cost(c), method(m), inService(i) {}
    Asset Life(const char* v) const { return With(&Asset::life, v); }
    Asset Typed(const char* v) const { return With(&Asset::typed, v); }
    Asset Class(const char* v) const { return With(&Asset::cls, v); }
    Asset Sold(const char* v) const { return With(&Asset::sold, v); }
    Asset Convention(int v) const { return With(&Asset::convention, v); }
    Asset Bonus() const { return With(&Asset::bonus, true); }
    Asset Exchange(const char* price, const char* basis) const {
        return With(&Asset::salesPrice, price).With(&Asset::adjTaxBasis, basis);
    }
    template <typename T, typename V>
    Asset With(T Asset::*field, V value) const {
        Asset a = *this;
        a.*field = value;
        return a;
    }
    const char* cost;
    const char* method;
    const char* inService;
    const char* life = nullptr;
    const char* typed = nullptr;
    const char* cls = nullptr;
    int convention = -1;
    bool bonus = false;
    const char* sold = nullptr;
    const char* salesPrice = nullptr;
    const char* adjTaxBasis = nullptr;
};

class CalculateTest : public testing::MainWindowTest {
  public:
    void Enter(const Asset& a) {
        w.cmdClear.Click();
        w.optAssetType.SetValue(a.sold != nullptr ? 1 : a.salesPrice != nullptr ? 2 : 0, true);
        w.Type(w.txtCost, a.cost);
        Method(a.method);
        InService(a.inService);
        if (a.cls != nullptr) {
            PickClass(a.cls);
        }
        if (a.life != nullptr) {
            PickLife(a.life);
        }
        if (a.typed != nullptr) {
            w.Type(w.cboLife, a.typed);
        }
        if (a.convention >= 0) {
            w.optConvention.SetValue(a.convention, true);
        }
        w.chkBonus.value = a.bonus ? 1 : 0;
        if (a.sold != nullptr) {
            w.Type(w.mskSold, a.sold);
        }
        if (a.salesPrice != nullptr) {
            w.Type(w.txtSalesPrice, a.salesPrice);
            w.Type(w.txtAdjTaxBasis, a.adjTaxBasis);
        }
    }
};

// Each schedule is calculated twice: a second run starts from zero.
TEST_F(CalculateTest, SchedulesToTheCent) {
    const struct {
        const char* name;
        Asset asset;
        int year;
        std::int64_t amount, basis;  // -1: not checked
        int lastYear;                // 0: not checked
        std::int64_t lastBasis;
        const char* status = nullptr;  // not checked when null
        double total = 0;              // 0: not checked
    } cases[] = {
        // clang-format off
        {"the allowance", Asset("10000", "MACRS", "03/2002").Life("5").Bonus(),
         1, 440000, 560000, 6, 0, "Method: MACRS 200% DB", 10000},
        {"a mid-quarter table that falls short leaves its remainder",
         Asset("10000", "MACRS", "02/2002").Life("7").Convention(1),
         1, 250000, -1, 8, 100, nullptr},
        {"real property from the life", Asset("100000", "MACRS", "03/2002").Life("27.5"),
         10, 363650, -1, 28, 0, "Method: MACRS- Straight Line"},
        {"real property from the class",
         Asset("100000", "MACRS", "03/2002").Class("Buildings residential 27.5)"),
         28, 257600, -1, 28, 0, "Method: MACRS- Straight Line"},
        {"sold: half year, third year",
         Asset("10000", "MACRS", "03/2002").Life("5").Convention(0).Sold("06/2004"),
         3, 96000, -1, 3, -1},
        {"sold: mid quarter, August, sold in November",
         Asset("10000", "MACRS", "08/2002").Life("5").Convention(1).Sold("11/2004"),
         3, 178500, -1, 3, -1},
        {"sold: mid quarter, sold in January",
         Asset("10000", "MACRS", "08/2002").Life("5").Convention(1).Sold("01/2004"),
         3, 25500, -1, 3, -1},
        {"sold: mid month, sold in March",
         Asset("10000", "MACRS", "01/2002").Life("27.5").Sold("03/2004"), 3, 7575, -1, 3, -1},
        {"sold in the year placed in service",
         Asset("10000", "MACRS", "03/2002").Life("5").Sold("12/2002"), 1, 100000, -1, 1, -1},
        {"straight line keeps its full amount in the sale year",
         Asset("12000", "Straight Line", "04/2002").Typed("5").Sold("06/2004"),
         3, 240000, -1, 3, -1, ""},
        {"an exchange depreciates the adjusted cost",
         Asset("100000", "MACRS", "01/2005").Life("7").Exchange("40000", "25000"),
         1, 1214650, 7285350, 0, -1, nullptr},
        {"a half cent goes to the even cent in the cell and the total",
         Asset("29430", "MACRS", "03/2016").Class("Land Improvements (15)").Convention(1),
         1, 257512, 2685488, 0, -1, nullptr, 29429.99},
        {"the allowance takes 30% and ADS the 70% left",
         Asset("10000", "ADS", "01/2005").Class("Desks (10)").Bonus(),
         1, 335000, 665000, 0, -1, nullptr, 10000},
        {"ADS first-year rate rounded up: the last year takes what is left",
         Asset("12000", "ADS", "07/2008").Typed("12"), 13, 49960, 0, 13, 0, nullptr, 12000},
        {"real property cents that add up past the cost",
         Asset("1499120", "MACRS", "07/1992").Life("39"), 40, 2085264, 0, 40, 0, nullptr, 1499120},
        {"ADS mid quarter recovers almost the whole cost",
         Asset("9000", "ADS", "02/2005").Life("9").Convention(1), 10, 12510, 0, 10, 0, nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Enter(c.asset);
        w.cmdCalculate.Click();
        w.cmdCalculate.Click();
        EXPECT_EQ(Amount(c.year), c.amount);
        EXPECT_EQ(c.basis < 0 ? -1 : Basis(c.year), c.basis);
        EXPECT_EQ(c.lastYear == 0 ? 0 : LastWrittenYear(), c.lastYear);
        EXPECT_EQ(c.lastBasis < 0 ? -1 : LastBasis(), c.lastBasis);
        if (c.status != nullptr) {
            EXPECT_EQ(w.stbMain.caption, c.status);
            EXPECT_EQ(w.stbMain.foreColor, kBlue);
        }
        if (c.total != 0) {
            EXPECT_DOUBLE_EQ(w.depr.TotalDepreciation(), c.total);
        }
        EXPECT_TRUE(w.cmdPrint.enabled);
        EXPECT_TRUE(platform.boxes.empty());
    }
}

TEST_F(CalculateTest, TheAdjustedCostShowsItsCents) {
    Enter(Asset("1000.5", "ADS", "01/2005").Life("10").Exchange("0.25", "99.1"));
    w.cmdCalculate.Click();
    EXPECT_EQ(w.lblAdjCost.caption, "1099.35");
}

TEST_F(CalculateTest, AfterAStoppedAutoRunTheNextScheduleGetsItsAllowance) {
    Enter(Asset("30000", "MACRS", "06/2002").Class("Automobiles (5)").Bonus());
    w.cmdCalculate.Click();
    PickClass("Desks (7)");
    w.chkBonus.value = 1;
    w.cmdCalculate.Click();
    EXPECT_EQ(Amount(1), 1200090);  // 0.1429 x 21000 + 0.3 x 30000
}

TEST_F(CalculateTest, RunTimeFaultsAreReportedOncePerYear) {
    const struct {
        Asset asset;
        std::size_t boxes;
        const char* title;
        const char* text;
    } cases[] = {
        {Asset("100000", "MACRS", "02/2002").Typed("27.5").Convention(1), 29, "MACRS Error",
         "Err: 9[Subscript out of range]"},
        {Asset("10000", "Straight Line", "03/2002").Typed("0"), 1, "Calculation Error",
         "Err: 11[Division by zero]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        platform.boxes.clear();
        Enter(c.asset);
        w.cmdCalculate.Click();
        ASSERT_EQ(platform.boxes.size(), c.boxes);
        EXPECT_EQ(platform.boxes.back().title, c.title);
        EXPECT_EQ(platform.boxes.back().text, c.text);
        EXPECT_EQ(w.depr.Result().faults.size(), c.boxes);
        EXPECT_EQ(LastWrittenYear(), 0);
    }
}

}  // namespace
}  // namespace pellory
