#include "platform/ErrorReport.h"

namespace pellory {

void ErrorReport::Show(const RuntimeError& error) const {
    std::string text;
    switch (form_) {
        case Form::Engine:
            text = EngineErrorText(error);
            break;
        case Form::Procedure:
            text = ProcedureErrorText(error, std::string(fixedText_));
            break;
        case Form::Description:
            text = error.Description();
            break;
    }
    if (log_ != nullptr) {
        log_->push_back({std::string(title_), error.Number(), error.Description()});
    }
    platform_->MsgBox(text, MsgButtons::Ok, MsgIcon::None, std::string(title_));
}

}  // namespace pellory
