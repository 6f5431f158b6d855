#include "app/FrmViewDepr.h"
#include "controls/Typing.h"
#include "engine/Numbers.h"

namespace pellory {

void FrmViewDepr::WireFields() {
    const auto select = [this] { SetSelected(); };
    const auto clearStatus = [this] { ShowStatus(""); };
    const auto clearStatusOnKey = [this](int) { ShowStatus(""); };
    const auto filter = [this](int& key) { NumberFilter(key); };

    txtCost.onGotFocus = select;
    txtCost.onKeyPress = filter;
    txtCost.onKeyDown = clearStatusOnKey;
    txtCost.onKeyUp = [this](int) { NumberEcho(txtCost); };
    txtCost.onLostFocus = clearStatus;

    txtSalesPrice.onGotFocus = select;
    txtSalesPrice.onKeyPress = filter;
    txtSalesPrice.onKeyUp = [this](int) { NumberEcho(txtSalesPrice); };
    txtSalesPrice.onLostFocus = clearStatus;

    txtAdjTaxBasis.onGotFocus = select;
    txtAdjTaxBasis.onKeyPress = filter;
    txtAdjTaxBasis.onKeyUp = [this](int) { NumberEcho(txtAdjTaxBasis); };

    txtBusinessPercent.onGotFocus = select;
    txtBusinessPercent.onKeyPress = filter;
    txtBusinessPercent.onKeyDown = clearStatusOnKey;
    txtBusinessPercent.onLostFocus = clearStatus;

    txtSection179.onGotFocus = select;
    txtSection179.onKeyPress = filter;
    txtSection179.onKeyDown = clearStatusOnKey;
    txtSection179.onKeyUp = [this](int) { NumberEcho(txtSection179); };
    txtSection179.onLostFocus = clearStatus;

    txtDescription.onGotFocus = select;

    txtInService.onGotFocus = select;
    txtInService.onKeyDown = clearStatusOnKey;
    txtInService.onKeyUp = [this](int) { RateFromInService(); };
    txtInService.onLostFocus = [this] { RateFromInService(); };
}

void FrmViewDepr::NumberFilter(int& keyAscii) {
    if (IsRefusedNumberKey(keyAscii)) {
        platform().Beep();
        keyAscii = 0;
    }
}

void FrmViewDepr::NumberEcho(const TextBox& box) {
    stbMain.foreColor = kBlue;
    const std::string& text = box.Text();
    ShowEcho(IsPlainNumber(text) ? FormatWhole(Val(text)) : text);
}

}  // namespace pellory
