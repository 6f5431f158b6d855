#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/RuntimeError.h"

namespace pellory {

// One error report as the user saw it: the box's title and the error.
struct ReportedError {
    std::string title;
    int number = 0;
    std::string description;

    bool operator==(const ReportedError&) const = default;
};

// How a procedure puts a run-time error before the user, in a box with only an OK button, and
// then goes on with its next step. The title and the fixed text are the program's own constant
// texts, which outlive the report.
class ErrorReport {
  public:
    enum class Form {
        Engine,       // "Err: N[description]" under the routine's title
        Procedure,    // "N" + a fixed text naming the procedure + the description
        Description,  // the description alone
    };

    // The engine's, the grid's, the report's and the start-up's form.
    static ErrorReport Engine(Platform& platform, std::string_view title) {
        return {platform, Form::Engine, title, {}};
    }
    // The record files', the editor's and the shell links' form, under the application title.
    static ErrorReport Procedure(Platform& platform, std::string_view fixedText) {
        return {platform, Form::Procedure, {}, fixedText};
    }

    ErrorReport(Platform& platform, Form form, std::string_view title, std::string_view fixedText)
        : platform_(&platform), form_(form), title_(title), fixedText_(fixedText) {}

    // Also keeps every report shown in `log`, in the order shown; a report `log` already holds is
    // not shown again.
    ErrorReport& KeepingIn(std::vector<ReportedError>& log) {
        log_ = &log;
        return *this;
    }

    void Show(const RuntimeError& error) const;

    // Runs one step: a run-time error it raises is reported, and the caller goes on. True when
    // the step ran through.
    template <typename Step>
    bool operator()(Step&& step) const {
        try {
            std::forward<Step>(step)();
            return true;
        } catch (const RuntimeError& error) {
            Show(error);
            return false;
        }
    }

  private:
    Platform* platform_;
    Form form_;
    std::string_view title_;
    std::string_view fixedText_;
    std::vector<ReportedError>* log_ = nullptr;
};

}  // namespace pellory
