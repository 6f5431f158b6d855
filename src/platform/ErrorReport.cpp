#include "platform/ErrorReport.h"

#include <algorithm>

namespace pellory {

void ErrorReport::Show(const RuntimeError& error) const {
    if (log_ != nullptr) {
        // A fault already reported to this log (the same one met again in a later year of the
        // same calculation) is not put before the user a second time.
        const ReportedError reported{std::string(title_), error.Number(), error.Description()};
        if (std::ranges::find(*log_, reported) != log_->end()) {
            return;
        }
    }
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
