#include <gtest/gtest.h>

#include <functional>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

class ValidationTest : public testing::MainWindowTest {
  public:
    // A valid MACRS 7-year asset to spoil one field at a time.
    void Valid() {
        w.Type(w.txtCost, "10000");
        Method("MACRS");
        InService("03/2002");
        PickLife("7");
    }
    // Chooses the asset type, then types into one of its boxes.
    void Type(int assetType, EditControl& box, const char* text) {
        w.optAssetType.SetValue(assetType, true);
        w.Type(box, text);
    }
    void Exchange(const char* price, const char* basis) {
        Type(2, w.txtSalesPrice, price);
        w.Type(w.txtAdjTaxBasis, basis);
    }
};

TEST_F(ValidationTest, EachFaultInItsOrderWithFocusAndLabel) {
    struct Case {
        const char* name;
        std::function<void(ValidationTest&)> spoil;
        const char* message;
        Control* focus;
        Label* label;
        // Calculate is pressed with Enter from this box (Alt+C when `click`), the cost box
        // when none: each of these clears the status line when it is left.
        Control* from = nullptr;
        bool click = false;
    };
    auto& t = *this;
    // clang-format off
    const std::vector<Case> cases = {
        {"no cost", [](auto& f) { f.w.txtCost.SetText(""); }, "Cost Missing! ", &w.txtCost, &w.lblCost},
        {"cost with two points", [](auto& f) { f.w.txtCost.SetText("10.000.5"); },
         "Cost is invalid! ", &w.txtCost, &w.lblCost},
        {"no method", [](auto& f) { f.w.cboMethod.SetListIndex(-1); }, "Method Missing! ",
         &w.cboMethod, &w.lblMethod},
        {"no in-service date", [](auto& f) { f.w.txtInService.SetText("__/____"); },
         "In service date is missing! ", &w.txtInService, &w.lblInService},
        {"month 13", [](auto& f) { f.InService("13/2002"); }, "In service date is invalid! ",
         &w.txtInService, &w.lblInService},
        {"month 00", [](auto& f) { f.InService("00/2002"); }, "In service date is invalid! ",
         &w.txtInService, &w.lblInService},
        {"straight line without a life", [](auto& f) { f.Method("Straight Line"); },
         "Life Missing! ", &w.cboLife, &w.lblLife},
        {"life of a lone point", [](auto& f) { f.Method("Straight Line"); f.w.Type(f.w.cboLife, "."); },
         "Life is invalid! ", &w.cboLife, &w.lblLife},
        {"life 43.5", [](auto& f) { f.Method("ADS"); f.w.Type(f.w.cboLife, "43.5"); },
         "Life Can't be greater than 43! ", &w.cboLife, &w.lblLife},
        {"MACRS life 25", [](auto& f) { f.w.cboLife.SetText(""); f.w.Type(f.w.cboLife, "25"); },
         "Life must be 3,5,7,10,15,20,27.5,31.5,39! ", nullptr, nullptr},
        {"amortize life .0", [](auto& f) { f.Method("Amortize"); f.w.Type(f.w.cboLife, ".0"); },
         "Life must be greater than 0! ", &w.cboLife, &w.lblLife},
        {"MACRS business 49", [](auto& f) { f.PickLife("5"); f.w.Type(f.w.txtBusinessPercent, "49"); },
         "MACRS Buisness Percent must be between 50% and 100%. Use ADS for less then 50%.", nullptr, nullptr},
        {"MACRS business 5.5 reads as 550%",
         [](auto& f) { f.PickLife("5"); f.w.Type(f.w.txtBusinessPercent, "5.5"); },
         "MACRS Buisness Percent must be between 50% and 100%. Use ADS for less then 50%.", nullptr, nullptr},
        {"ADS business 150",
         [](auto& f) { f.Method("ADS"); f.PickLife("5"); f.w.Type(f.w.txtBusinessPercent, "150"); },
         "Business Percent can't be greater than 100%. ", nullptr, nullptr},
        {"business % typed 0", [](auto& f) { f.PickLife("5"); f.w.Type(f.w.txtBusinessPercent, "0"); },
         "Business Percent is required.", &w.txtBusinessPercent, &w.lblAutoBusiness},
        {"allowance on a car used 50% for business",
         [](auto& f) { f.PickClass("Automobiles (5)"); f.w.Type(f.w.txtBusinessPercent, "50"); f.w.chkBonus.value = 1; },
         "Special allowance requires business use over 50%.", &w.chkBonus, &w.lblAutoBusiness},
        {"partly typed date sold", [](auto& f) { f.Type(1, f.w.mskSold, "05/20"); },
         "Date sold is invalid! ", &w.mskSold, &w.lblSoldDate},
        {"sold before placed in service", [](auto& f) { f.Type(1, f.w.mskSold, "02/2002"); },
         "Date sold is invalid! ", &w.mskSold, &w.lblSoldDate},
        {"sales price without basis", [](auto& f) { f.Type(2, f.w.txtSalesPrice, "4000"); },
         "Adj Tax Basis is required if Sales Price is populated! ", &w.txtAdjTaxBasis,
         &w.lblAdjTaxBasis, &w.txtSalesPrice, true},
        {"basis without sales price", [](auto& f) { f.Type(2, f.w.txtAdjTaxBasis, "2500"); },
         "Sales Price is required if Adj Tax Basis is populated! ", &w.txtSalesPrice, &w.lblSalesPrice},
        {"sales price with two points", [](auto& f) { f.Exchange("4.0.0", "2500"); },
         "Sales Price is invalid! ", &w.txtSalesPrice, &w.lblSalesPrice},
        {"basis of a lone point", [](auto& f) { f.Exchange("4000", "."); },
         "Adj Tax Basis is invalid! ", &w.txtAdjTaxBasis, &w.lblAdjTaxBasis},
        {"exchange with no adjusted cost left", [](auto& f) { f.PickLife("5"); f.Exchange("12500", "2500"); },
         "Adj. Cost must be greater than 0! ", &w.txtSalesPrice, &w.lblSalesPrice, &w.txtBusinessPercent},
    };
    // clang-format on
    Label* const labels[] = {&w.lblCost,      &w.lblMethod,      &w.lblLife,
                             &w.lblInService, &w.lblSalesPrice,  &w.lblAdjTaxBasis,
                             &w.lblSoldDate,  &w.lblAutoBusiness};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.cmdClear.Click();
        w.optAssetType.SetValue(0, true);
        Valid();
        w.cmdCalculate.Click();
        ASSERT_TRUE(w.cmdPrint.enabled);
        c.spoil(t);
        w.UserFocus(*(c.from != nullptr ? c.from : &w.txtCost));
        if (c.click) {
            w.cmdCalculate.Click();
        } else {
            w.PressKey(kKeyEnter);
        }
        EXPECT_TRUE(w.LastRun().fault);
        EXPECT_EQ(w.stbMain.caption, c.message);
        EXPECT_EQ(w.stbMain.foreColor, kRed);
        EXPECT_EQ(w.Focused(), c.focus != nullptr ? c.focus : &w.txtCost);
        ASSERT_TRUE(c.from == nullptr || c.from->Usable());
        for (Label* label : labels) {
            const Color normal = label == &w.lblCost || label == &w.lblMethod || label == &w.lblLife
                                     ? kWindowText
                                     : kBlack;
            EXPECT_EQ(label->foreColor, label == c.label ? kRed : normal) << label->Name();
        }
        EXPECT_TRUE(Rows().empty());
        EXPECT_FALSE(w.cmdPrint.enabled);
        EXPECT_TRUE(platform.boxes.empty()) << platform.boxes.front().text;
    }
}

TEST_F(ValidationTest, ACostFaultWinsOverEveryOther) {
    Method("Straight Line");
    InService("13/2002");
    w.cmdCalculate.Click();
    EXPECT_EQ(w.stbMain.caption, "Cost Missing! ");
}

TEST_F(ValidationTest, BoundariesThatPass) {
    const struct {
        const char* method;
        const char* life;
        const char* business;
    } cases[] = {
        {"Straight Line", "43", ""}, {"MACRS", "27.5", ""}, {"ADS", "25", ""},
        {"MACRS", "5", "50"},        {"MACRS", "5", "100"}, {"MACRS", "5", ".75"},
        {"ADS", "5", "100"},         {"MACRS", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.life + " " + c.business);
        w.cmdClear.Click();
        w.Type(w.txtCost, "10000");
        Method(c.method);
        InService("12/2002");
        if (*c.life != '\0') {
            w.Type(w.cboLife, c.life);
        }
        if (*c.business != '\0') {
            w.Type(w.txtBusinessPercent, c.business);
        }
        EXPECT_TRUE(std::holds_alternative<CheckedAsset>(CheckAsset(w.ReadAsset())));
    }
}

TEST_F(ValidationTest, NoLifeAndNoClass) {
    Valid();
    w.cboLife.SetText("");
    w.cmdCalculate.Click();
    EXPECT_EQ(w.stbMain.caption, "Please select a life or a class.");
    EXPECT_EQ(w.stbMain.foreColor, kRed);
    EXPECT_FALSE(w.LastRun().fault);
}

}  // namespace
}  // namespace pellory
