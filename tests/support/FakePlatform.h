#pragma once

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace pellory::testing {

struct RecordedBox {
    std::string title;  // as shown: the application title when the caller gave none
    std::string text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
};

// Records message boxes and beeps, answers boxes from a script (OK, or Yes for a Yes/No/Cancel
// box, when the script is empty), fixes the clock and points the program folder anywhere.
class FakePlatform : public Platform {
  public:
    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) override {
        boxes.push_back({title.empty() ? kAppTitle : title, text, buttons, icon});
        if (!answers.empty()) {
            const MsgAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    }
    void Beep() override { ++beeps; }
    CalendarDate Today() const override { return today; }
    std::filesystem::path ProgramFolder() const override { return folder; }

    std::vector<RecordedBox> boxes;
    std::deque<MsgAnswer> answers;
    int beeps = 0;
    CalendarDate today{2026, 12, 7};
    std::filesystem::path folder = std::filesystem::temp_directory_path();
};

}  // namespace pellory::testing
