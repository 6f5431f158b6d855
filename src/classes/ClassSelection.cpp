#include "classes/ClassSelection.h"

#include <utility>

#include "classes/Catalogue.h"
#include "classes/SelectionRules.h"
#include "controls/Typing.h"
#include "engine/Numbers.h"

namespace pellory {

namespace {

void LoadClasses(ComboBox& list, std::span<const AssetClass> classes) {
    list.Clear();
    for (const AssetClass& entry : classes) {
        list.AddItem(std::string(entry.label));
        list.SetItemData(list.NewIndex(), entry.life);
    }
}

// A box the rules open or close with its label: closed, it is emptied and grey.
void OpenBox(TextBox& box, Label& label, bool open) {
    box.enabled = open;
    if (!open) {
        box.SetText("");
    }
    box.backColor = open ? kWhite : kGrey;
    label.enabled = open;
}

}  // namespace

ClassSelection::ClassSelection(Window& window, SelectionControls controls,
                               std::function<void(const std::string&)> showStatus,
                               std::function<void(ComboBox&)> fitDropDown)
    : window_(window),
      c_(controls),
      showStatus_(std::move(showStatus)),
      fitDropDown_(std::move(fitDropDown)) {}

void ClassSelection::SetBusinessUse(bool usable) {
    OpenBox(c_.txtBusinessPercent, c_.lblAutoBusiness, usable);
}

void ClassSelection::SetAllowance(bool available) {
    if (!available) {
        c_.chkBonus.value = 0;
    }
    c_.chkBonus.enabled = available;
    c_.cboBonusRate.enabled = available;
    c_.cboBonusRate.backColor = available ? kWhite : kGrey;
}

void ClassSelection::SetSection179(bool available) {
    OpenBox(c_.txtSection179, c_.lblSection179, available);
}

void ClassSelection::BusinessUseForLife() {
    if (LifeAsksBusinessUse(c_.cboLife.Text())) {
        c_.txtBusinessPercent.enabled = true;
        c_.txtBusinessPercent.SetText("100");
        c_.lblAutoBusiness.enabled = true;
        window_.SetFocus(c_.txtBusinessPercent);
        c_.txtBusinessPercent.backColor = kWhite;
    } else {
        SetBusinessUse(false);
    }
}

void ClassSelection::MethodChosen() {
    c_.cboLife.Clear();
    SetBusinessUse(false);
    EnableConvention(false);
    c_.cboClass.SetListIndex(-1);
    c_.cboClass.enabled = false;
    c_.cboClass.backColor = kGrey;
    const Method method = ChosenMethod();
    if (HasClasses(method)) {
        for (const std::string_view life : LivesFor(method)) {
            c_.cboLife.AddItem(std::string(life));
        }
        if (method == Method::Macrs) {
            EnableConvention(true);
            LoadMacrsClasses();
        } else {
            LoadAdsClasses();
            EnableConvention(true);
        }
        c_.cboClass.enabled = true;
        c_.cboClass.backColor = kWhite;
    }
    SetAllowance(false);
    SetSection179(Section179ForLife(method, 0));
}

void ClassSelection::MethodListOpened() {
    showStatus_("");
}

void ClassSelection::LifeListOpened() {
    showStatus_("");
}

void ClassSelection::ClassListOpened() {
    if (HasClasses(ChosenMethod())) {
        c_.cboLife.SetText("");
    }
    showStatus_("");
}

void ClassSelection::ClassChosen() {
    c_.txtBusinessPercent.SetText("");
    const int index = c_.cboClass.ListIndex();
    if (index == -1) {
        return;
    }
    const int life = c_.cboClass.ItemData(index);
    if (ClassAsksBusinessUse(c_.cboClass.Text(), life)) {
        c_.txtBusinessPercent.enabled = true;
        c_.txtBusinessPercent.backColor = kWhite;
        c_.lblAutoBusiness.enabled = true;
        c_.txtBusinessPercent.SetText("100");
    } else if (life != 5) {  // an unlisted 5-year class leaves the box as it is
        SetBusinessUse(false);
    }
    SelectMidMonth(IsRealProperty(ChosenMethod(), life));
    SetAllowance(AllowanceForClass(life));
    SetSection179(Section179ForLife(ChosenMethod(), life));
}

void ClassSelection::LifeChosen() {
    const Method method = ChosenMethod();
    if (HasClasses(method)) {
        c_.cboClass.SetListIndex(-1);
        BusinessUseForLife();
    } else {
        SetBusinessUse(false);
    }
    const double life = Val(c_.cboLife.Text());
    SelectMidMonth(IsRealProperty(method, life));
    SetAllowance(AllowanceForLife(method, life));
    SetSection179(Section179ForLife(method, life));
}

void ClassSelection::LifeKeyPress(int& keyAscii) {
    if (IsRefusedNumberKey(keyAscii)) {
        keyAscii = 0;
        window_.platform().Beep();
    }
}

void ClassSelection::LifeKeyUp() {
    showStatus_("");
    if (HasClasses(ChosenMethod())) {
        c_.cboClass.SetListIndex(-1);
        BusinessUseForLife();
    } else {
        SetBusinessUse(false);
    }
    SetSection179(Section179ForTypedLife(ChosenMethod(), c_.cboLife.Text()));
}

void ClassSelection::EnableConvention(bool enabled) {
    c_.fraConvention.enabled = enabled;
    for (const int i : {kHalfYearButton, kMidQuarterButton}) {
        c_.optConvention.SetValue(i, false);
        c_.optConvention[i].enabled = enabled;
    }
    c_.optConvention.SetValue(kHalfYearButton, true);
}

void ClassSelection::SelectMidMonth(bool realProperty) {
    const ConventionButtons buttons = ConventionFor(realProperty);
    c_.optConvention.SetValue(kMidMonthButton, buttons.selected == kMidMonthButton);
    c_.optConvention[kMidMonthButton].enabled =
        buttons.usable[static_cast<std::size_t>(kMidMonthButton)];
    for (const int i : {kHalfYearButton, kMidQuarterButton}) {
        c_.optConvention.SetValue(i, false);
        c_.optConvention[i].enabled = buttons.usable[static_cast<std::size_t>(i)];
    }
    c_.optConvention.SetValue(kHalfYearButton, buttons.selected == kHalfYearButton);
}

void ClassSelection::LoadMacrsClasses() {
    LoadClasses(c_.cboClass, ClassListFor(Method::Macrs));
    if (fitDropDown_) {
        fitDropDown_(c_.cboClass);
    }
}

void ClassSelection::LoadAdsClasses() {
    LoadClasses(c_.cboClass, ClassListFor(Method::Ads));
    if (fitDropDown_) {
        fitDropDown_(c_.cboClass);
    }
}

}  // namespace pellory
