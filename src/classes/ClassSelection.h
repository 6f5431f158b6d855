#pragma once

#include <functional>
#include <string>

#include "controls/Controls.h"
#include "controls/Window.h"
#include "engine/Method.h"

namespace pellory {

// The main window's controls that method, life, class, convention, business use, the special
// allowance and section 179 share.
struct SelectionControls {
    ComboBox& cboMethod;
    ComboBox& cboLife;
    ComboBox& cboClass;
    TextBox& txtBusinessPercent;
    Label& lblAutoBusiness;
    CheckBox& chkBonus;
    ComboBox& cboBonusRate;
    Label& lblSection179;
    TextBox& txtSection179;
    Frame& fraConvention;
    OptionArray& optConvention;
};

// The event handlers that keep method, life, class, convention, business use and the special
// allowance consistent while the user edits. They change control states only.
class ClassSelection {
  public:
    // `fitDropDown` widens a class list's drop-down part to fit its labels.
    ClassSelection(Window& window, SelectionControls controls,
                   std::function<void(const std::string&)> showStatus,
                   std::function<void(ComboBox&)> fitDropDown);

    void MethodChosen();
    void MethodListOpened();
    void ClassListOpened();
    void ClassChosen();
    void LifeChosen();
    void LifeListOpened();
    void LifeKeyPress(int& keyAscii);
    void LifeKeyUp();

    // Enables or disables the convention frame with Half Year and Mid Quarter, then selects
    // Half Year; Mid Month keeps its enabled state.
    void EnableConvention(bool enabled);
    // Real property (true): Mid Month selected and the only usable button; otherwise Half Year
    // selected, Half Year and Mid Quarter usable, Mid Month not.
    void SelectMidMonth(bool realProperty);
    void LoadMacrsClasses();
    void LoadAdsClasses();

  private:
    Method ChosenMethod() const { return MethodOf(c_.cboMethod.Text()); }
    void SetBusinessUse(bool usable);
    // Business use for a life text: "5" asks for it (with "100" and the focus), any other not.
    void BusinessUseForLife();
    void SetAllowance(bool available);
    void SetSection179(bool available);

    Window& window_;
    SelectionControls c_;
    std::function<void(const std::string&)> showStatus_;
    std::function<void(ComboBox&)> fitDropDown_;
};

}  // namespace pellory
