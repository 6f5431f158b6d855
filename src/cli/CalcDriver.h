#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "classes/EntryForm.h"
#include "cli/CalcOptions.h"
#include "engine/Calculation.h"
#include "formats/JsonWriter.h"
#include "platform/Platform.h"
#include "print/ReportInputs.h"

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

// The main window's entries made from the options, in a fixed order, as a user would make them
// in a window opened on `today`; or why an option is refused: its box cannot be used at that
// point, or its list does not hold the value.
std::variant<EntryForm, UsageError> EnterOptions(const CalcOptions& options, CalendarDate today);
// The same entries made into `form`, a window just opened (OpenEntryForm); why not, as above.
std::optional<UsageError> EnterOptionsInto(EntryForm& form, const CalcOptions& options);

// A line for each amount or text that its box did not keep as given (cut at the box's length, or
// keys the box refuses), as "--cost: the box kept ...": the schedule is of what the box kept.
std::vector<std::string> TextsNotKept(const EntryForm& form, const CalcOptions& options);

// What the printed schedule shows of the entries and their calculation on `today`.
ReportInputs ReportInputsOf(const EntryForm& form, const CalcResult& result, CalendarDate today);

// The plain report: a line per written row (year, depreciation, basis), the status line, then
// each message box as "title: text".
std::string PlainReport(const CalcResult& result, const std::vector<Message>& messages);
// The --json object's members after its opening brace, and its closing brace and line end.
void AppendJsonReport(std::string& out, const CalcResult& result,
                      const std::vector<Message>& messages);
std::string JsonReport(const CalcResult& result, const std::vector<Message>& messages);

}  // namespace pellory::cli
