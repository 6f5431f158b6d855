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

    txtDescription.onGotFocus = select;

    txtInService.onGotFocus = select;
    txtInService.onKeyDown = clearStatusOnKey;
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
