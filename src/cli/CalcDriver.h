#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/FrmViewDepr.h"
#include "cli/CalcOptions.h"
#include "platform/Platform.h"

namespace pellory::cli {

struct Message {
    std::string title;
    std::string text;
};

// The platform of a headless run: message boxes are collected and answered OK (Yes where a box
// asks), no beep is heard, the clock is the system's.
class CollectingPlatform : public Platform {
  public:
    explicit CollectingPlatform(std::filesystem::path folder) : folder_(std::move(folder)) {}
    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) override;
    void Beep() override {}
    CalendarDate Today() const override;
    std::filesystem::path ProgramFolder() const override { return folder_; }

    std::vector<Message> messages;

  private:
    std::filesystem::path folder_;
};

// Works the window as a user would, in a fixed order, then presses Calculate. An option whose
// box cannot be used at that point is refused with the reason.
std::optional<UsageError> Drive(FrmViewDepr& window, const CalcOptions& options);

// A line for each amount or text that its box did not keep as given (cut at the box's length, or
// keys the box refuses), as "--cost: the box kept ...": the schedule is of what the box kept.
std::vector<std::string> TextsNotKept(const FrmViewDepr& window, const CalcOptions& options);

// A JSON string literal of `text`.
std::string JsonString(const std::string& text);

std::string PlainReport(const FrmViewDepr& window, const std::vector<Message>& messages);
std::string JsonReport(const FrmViewDepr& window, const std::vector<Message>& messages);

}  // namespace pellory::cli
