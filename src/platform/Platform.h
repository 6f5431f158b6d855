#pragma once

#include <filesystem>
#include <string>

namespace pellory {

inline constexpr const char* kAppTitle = "Pellory 1031 Depreciation Solution";

enum class MsgButtons { Ok, YesNoCancel };
enum class MsgIcon { None, Information, Exclamation, Critical };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
};

// What the operating system gives the windows: message boxes, the beep, the clock and the
// program's own folder. Injected so that tests can record and script them.
class Platform {
  public:
    virtual ~Platform() = default;

    // A modal message box; an empty title means the application title.
    virtual MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                             const std::string& title) = 0;
    // A Yes/No/Cancel question under the application title whose default button, the one Enter
    // presses, is `defaultAnswer` (a question that destroys something defaults to No); a
    // platform without default buttons asks it as MsgBox does.
    virtual MsgAnswer AskYesNoCancel(const std::string& text, MsgAnswer /*defaultAnswer*/) {
        return MsgBox(text, MsgButtons::YesNoCancel, MsgIcon::None, {});
    }
    virtual void Beep() = 0;
    virtual CalendarDate Today() const = 0;
    virtual std::filesystem::path ProgramFolder() const = 0;

    // An OK-only box under the given title (the application title when empty).
    void Notify(const std::string& text, const std::string& title = {}) {
        MsgBox(text, MsgButtons::Ok, MsgIcon::None, title);
    }
};

}  // namespace pellory
