// The form as loaded and cleared, and what each choice of asset type, method, class and life
// opens, selects and fills.

#include <gtest/gtest.h>

#include <array>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

using StartupTest = testing::MainWindowTest;

// What a loaded window and a cleared one share.
void ExpectBlankForm(const FrmViewDepr& w) {
    EXPECT_EQ(w.txtCost.Text(), "");
    EXPECT_EQ(w.cboMethod.ListIndex(), -1);
    EXPECT_EQ(w.cboLife.ListCount(), 0);
    EXPECT_EQ(w.cboClass.ListIndex(), -1);
    EXPECT_FALSE(w.cboClass.enabled);
    EXPECT_EQ(w.cboClass.backColor, kGrey);
    EXPECT_EQ(w.txtInService.Text(), "12/2026");
    EXPECT_EQ(w.mskSold.Text(), "__/____");
    EXPECT_FALSE(w.txtBusinessPercent.enabled);
    EXPECT_EQ(w.txtBusinessPercent.backColor, kGrey);
    EXPECT_FALSE(w.fraConvention.enabled);
    EXPECT_TRUE(w.optConvention[0].value);
    EXPECT_FALSE(w.optConvention[2].value);
    EXPECT_FALSE(w.optConvention[2].enabled);
    EXPECT_FALSE(w.chkBonus.enabled);
    EXPECT_FALSE(w.cmdPrint.enabled);
    EXPECT_TRUE(w.Result().rows.empty());
    EXPECT_EQ(w.grdDepr.TextMatrix(1, 1), "");
    EXPECT_EQ(w.stbMain.caption, "");
}

TEST_F(StartupTest, TheFormAfterLoadAndAfterClear) {
    ExpectBlankForm(w);
    EXPECT_TRUE(w.optAssetType[0].value);
    EXPECT_FALSE(w.fraRelinquished.enabled);
    EXPECT_FALSE(w.mskSold.enabled);
    EXPECT_EQ(w.helpFilePath, (platform.folder / "Amberlot.hlp").string());

    w.optAssetType.SetValue(2, true);
    w.Type(w.txtCost, "10000");
    Method("MACRS");
    InService("03/2002");
    PickClass("Buildings post 5/12/93 (39)");
    w.Type(w.txtSalesPrice, "1000");
    w.Type(w.txtAdjTaxBasis, "500");
    w.Type(w.txtDescription, "Office building");
    w.cmdCalculate.Click();
    ASSERT_TRUE(w.cmdPrint.enabled);
    w.cmdClear.Click();
    ExpectBlankForm(w);
    EXPECT_EQ(w.txtSalesPrice.Text(), "");
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "");
    EXPECT_EQ(w.lblAdjCost.caption, "");
    EXPECT_EQ(w.txtDescription.Text(), "");
    EXPECT_EQ(w.Focused(), &w.txtCost);
    EXPECT_TRUE(w.optAssetType[2].value);  // the asset type stays
    EXPECT_TRUE(w.fraRelinquished.enabled);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(StartupTest, TypingInTheCostBoxFiltersAndEchoesIt) {
    w.Type(w.txtCost, "12a34567");
    EXPECT_EQ(w.txtCost.Text(), "1234567");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(w.stbMain.caption, "1,234,567");
    EXPECT_EQ(w.stbMain.foreColor, kBlue);
    w.PressKey(kKeyBackspace);
    EXPECT_EQ(w.stbMain.caption, "123,456");
    w.UserFocus(w.txtDescription);
    EXPECT_EQ(w.stbMain.caption, "");
}

// A date typed "3/2025" or pasted is the month and year; a pasted amount with thousands
// separators is the amount; anything else pasted goes through the box's filter.
TEST_F(StartupTest, PastedDatesAndAmounts) {
    const struct {
        bool date;  // the in-service box, else the cost box
        const char* typed;
        const char* pasted;
        const char* kept;
        int beeps;
    } cases[] = {
        {true, "3/2025", nullptr, "03/2025", 0}, {true, nullptr, "11/2024", "11/2024", 0},
        {true, nullptr, "3/2025", "03/2025", 0}, {false, nullptr, "$12,500.00", "12500.00", 0},
        {false, nullptr, "12,50", "1250", 1},    {false, nullptr, "1a2", "12", 1},
    };
    for (const auto& c : cases) {
        testing::FakePlatform fresh;
        FrmViewDepr f(fresh);
        f.Load();
        EditControl& box = c.date ? static_cast<EditControl&>(f.txtInService) : f.txtCost;
        f.UserFocus(box);
        c.typed ? f.Type(box, c.typed) : f.Paste(c.pasted);
        EXPECT_EQ(box.Text(), c.kept) << (c.typed ? c.typed : c.pasted);
        EXPECT_EQ(fresh.beeps, c.beeps);
    }
}

TEST_F(StartupTest, RelinquishedOpensTheDateSoldAndReplacementCarriesItsBasisOver) {
    w.optAssetType.SetValue(2, true);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "") << "no basis to carry";
    w.optAssetType.SetValue(1, true);
    EXPECT_FALSE(w.fraRelinquished.enabled);
    EXPECT_TRUE(w.mskSold.enabled);
    EXPECT_EQ(w.mskSold.backColor, kWhite);
    w.Type(w.txtCost, "12345.67");
    Method("MACRS");
    InService("03/2002");
    PickLife("7");
    w.Type(w.mskSold, "06/2004");
    w.cmdCalculate.Click();
    ASSERT_EQ(LastBasis(), 647839);
    w.optAssetType.SetValue(2, true);
    EXPECT_TRUE(w.fraRelinquished.enabled);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "6478.39");
    EXPECT_EQ(w.txtSalesPrice.Text(), "");
    EXPECT_EQ(w.txtSalesPrice.backColor, kWhite);
    EXPECT_EQ(w.mskSold.Text(), "__/____");
    EXPECT_FALSE(w.mskSold.enabled);
    w.optAssetType.SetValue(0, true);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "");
    EXPECT_FALSE(w.fraRelinquished.enabled);
    EXPECT_EQ(w.txtAdjTaxBasis.backColor, kGrey);
    w.cmdCalculate.Click();  // a schedule without a sale leaves no basis to carry
    w.optAssetType.SetValue(2, true);
    EXPECT_EQ(w.txtAdjTaxBasis.Text(), "");
}

using SelectionTest = testing::MainWindowTest;

// The three conventions: selected, then enabled.
using Conventions = std::array<bool, 6>;
Conventions ConventionsOf(const FrmViewDepr& w) {
    const auto& c = w.optConvention;
    return {c[0].value, c[1].value, c[2].value, c[0].enabled, c[1].enabled, c[2].enabled};
}

constexpr Conventions kRealProperty{false, false, true, false, false, true};
constexpr Conventions kPersonalProperty{true, false, false, true, true, false};

TEST_F(SelectionTest, StraightLineTakesAwayTheClassAllowanceAndBusinessShare) {
    Method("MACRS");
    EXPECT_TRUE(w.cboClass.enabled);
    EXPECT_EQ(w.cboClass.backColor, kWhite);
    Method("ADS");
    EXPECT_EQ(ConventionsOf(w), kPersonalProperty);
    // From a class to Straight Line: the class, its allowance and business share go.
    PickClass("Automobiles (5)");
    w.chkBonus.value = 1;
    Method("Straight Line");
    EXPECT_EQ(w.cboLife.ListCount(), 0);
    EXPECT_EQ(w.cboClass.ListIndex(), -1);
    EXPECT_FALSE(w.cboClass.enabled);
    EXPECT_FALSE(w.fraConvention.enabled);
    EXPECT_EQ(w.chkBonus.value, 0);
    EXPECT_FALSE(w.chkBonus.enabled);
    EXPECT_EQ(w.txtBusinessPercent.Text(), "");
    EXPECT_EQ(w.txtBusinessPercent.backColor, kGrey);
}

TEST_F(SelectionTest, ClassesDecideConventionBusinessUseAndAllowance) {
    Method("MACRS");
    PickClass("Buildings post 5/12/93 (39)");
    EXPECT_EQ(ConventionsOf(w), kRealProperty);
    EXPECT_FALSE(w.txtBusinessPercent.enabled);
    EXPECT_FALSE(w.chkBonus.enabled);
    PickClass("Desks (7)");
    EXPECT_EQ(ConventionsOf(w), kPersonalProperty);
    EXPECT_TRUE(w.chkBonus.enabled);
    PickClass("Automobiles (5)");
    EXPECT_TRUE(w.txtBusinessPercent.enabled);
    EXPECT_EQ(w.txtBusinessPercent.backColor, kWhite);
    EXPECT_EQ(w.txtBusinessPercent.Text(), "100");
    EXPECT_TRUE(w.lblAutoBusiness.enabled);
    PickClass("Buses (5)");
    EXPECT_EQ(w.txtBusinessPercent.Text(), "");
    EXPECT_TRUE(w.txtBusinessPercent.enabled);
    PickClass("Desks (7)");
    PickClass("Buses (5)");
    EXPECT_FALSE(w.txtBusinessPercent.enabled);
    EXPECT_EQ(w.txtBusinessPercent.backColor, kGrey);
}

TEST_F(SelectionTest, TheAllowanceTickIsKeptBelowTwentyOneAndClearedAbove) {
    Method("MACRS");
    PickClass("Desks (7)");
    w.chkBonus.value = 1;
    PickClass("Land Improvements (15)");
    EXPECT_EQ(w.chkBonus.value, 1);
    PickClass("Mobile Homes (27.5)");
    EXPECT_EQ(w.chkBonus.value, 0);
    EXPECT_FALSE(w.chkBonus.enabled);
    Method("ADS");
    PickClass("Land Improvements (20)");
    EXPECT_EQ(ConventionsOf(w), kPersonalProperty);
    EXPECT_TRUE(w.chkBonus.enabled);
    PickClass("Real Property, no life (40)");
    EXPECT_EQ(ConventionsOf(w), kRealProperty);
}

TEST_F(SelectionTest, PickingALife) {
    Method("ADS");
    PickLife("5");
    EXPECT_EQ(w.txtBusinessPercent.Text(), "100");
    EXPECT_EQ(w.Focused(), &w.txtBusinessPercent);
    EXPECT_EQ(w.txtBusinessPercent.selLength, 3);
    EXPECT_FALSE(w.chkBonus.enabled);
    Method("MACRS");
    PickLife("27.5");
    EXPECT_EQ(ConventionsOf(w), kRealProperty);
    PickLife("20");
    EXPECT_EQ(ConventionsOf(w), kPersonalProperty);
    EXPECT_TRUE(w.chkBonus.enabled);
    EXPECT_FALSE(w.txtBusinessPercent.enabled);
    // A typed life leaves the class's convention and allowance; a typed 5 asks for the share.
    PickClass("Desks (7)");
    w.Type(w.cboLife, "39");
    EXPECT_EQ(ConventionsOf(w), kPersonalProperty);
    EXPECT_TRUE(w.chkBonus.enabled);
    EXPECT_EQ(w.cboClass.ListIndex(), -1);
    w.cboLife.SetText("");
    w.Type(w.cboLife, "5");
    EXPECT_EQ(w.Focused(), &w.txtBusinessPercent);
    EXPECT_EQ(w.txtBusinessPercent.Text(), "100");
}

TEST_F(SelectionTest, TheLifeBoxTakesDigitsAndThePointOnly) {
    Method("Straight Line");
    w.Type(w.cboLife, "2a7 -,.5");
    EXPECT_EQ(w.cboLife.Text(), "27.5");
    EXPECT_EQ(platform.beeps, 4);
    w.PressKey(kKeyBackspace);
    EXPECT_EQ(w.cboLife.Text(), "27.");
}

TEST_F(SelectionTest, MacrsAgainOrAnEnabledConventionAfterRealPropertyIsHalfYear) {
    for (const bool again : {true, false}) {
        w.cmdClear.Click();
        Method("MACRS");
        PickLife("39");
        again ? Method("MACRS") : w.EnableConvention(false);
        EXPECT_TRUE(w.optConvention[0].value);
        EXPECT_FALSE(w.optConvention[2].value);
        EXPECT_TRUE(w.optConvention[2].enabled);
    }
}

}  // namespace
}  // namespace pellory
