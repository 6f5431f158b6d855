#include <gtest/gtest.h>

#include <cmath>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

// An asset as the user enters it: `typed` is a typed life, `life` one picked from the list.
struct Asset {
    const char* cost;
    const char* method;
    const char* inService;
    struct {
        const char* life = nullptr;
        const char* typed = nullptr;
        const char* cls = nullptr;
        int convention = -1;
        bool bonus = false;
        const char* sold = nullptr;
        const char* salesPrice = nullptr;
        const char* adjTaxBasis = nullptr;
    } x;
};

class CalculateTest : public testing::MainWindowTest {
  public:
    void Enter(const Asset& a) {
        w.cmdClear.Click();
        w.optAssetType.SetValue(a.x.sold != nullptr ? 1 : a.x.salesPrice != nullptr ? 2 : 0, true);
        w.Type(w.txtCost, a.cost);
        Method(a.method);
        InService(a.inService);
        if (a.x.cls != nullptr) {
            PickClass(a.x.cls);
        }
        if (a.x.life != nullptr) {
            PickLife(a.x.life);
        }
        if (a.x.typed != nullptr) {
            w.Type(w.cboLife, a.x.typed);
        }
        if (a.x.convention >= 0) {
            w.optConvention.SetValue(a.x.convention, true);
        }
        w.chkBonus.value = a.x.bonus ? 1 : 0;
        if (a.x.sold != nullptr) {
            w.Type(w.mskSold, a.x.sold);
        }
        if (a.x.salesPrice != nullptr) {
            w.Type(w.txtSalesPrice, a.x.salesPrice);
            w.Type(w.txtAdjTaxBasis, a.x.adjTaxBasis);
        }
    }
};

// The boxes as Calculate reads them (the amounts of each method are pinned by the engine's
// tests); each schedule is calculated twice: a second run starts from zero.
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
        {"the allowance", {"10000", "MACRS", "03/2002", {.life = "5", .bonus = true}},
         1, 440000, 560000, 6, 0, "Method: MACRS 200% DB", 10000},
        {"real property from the class",
         {"100000", "MACRS", "03/2002", {.cls = "Buildings residential 27.5)"}},
         28, 257600, -1, 28, 0, "Method: MACRS- Straight Line"},
        {"sold: mid month, sold in March",
         {"10000", "MACRS", "01/2002", {.life = "27.5", .sold = "03/2004"}}, 3, 7575, -1, 3, -1},
        {"an exchange depreciates the adjusted cost",
         {"100000", "MACRS", "01/2005",
          {.life = "7", .salesPrice = "40000", .adjTaxBasis = "25000"}},
         1, 1214650, 7285350, 0, -1, nullptr},
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
            std::int64_t total = 0;
            for (const ScheduleRow& row : Rows()) {
                total += row.amountCents;
            }
            EXPECT_EQ(total, std::llround(c.total * 100));
        }
        EXPECT_TRUE(w.cmdPrint.enabled);
        EXPECT_TRUE(platform.boxes.empty());
    }
}

}  // namespace
}  // namespace pellory
