#include <gtest/gtest.h>

#include <array>

#include "MainWindowFixture.h"

namespace pellory {
namespace {

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

TEST_F(SelectionTest, OpeningTheClassListEmptiesATypedLife) {
    Method("MACRS");
    w.Type(w.cboLife, "7");
    w.stbMain.caption = "something";
    w.cboClass.DropDown();
    EXPECT_EQ(w.cboLife.Text(), "");
    EXPECT_EQ(w.stbMain.caption, "");
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
