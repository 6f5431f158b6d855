#pragma once

#include <array>
#include <string>

namespace pellory {

// The texts of the editor's five boxes in record order: year, then the 1st to 4th year maximum.
using RecordTexts = std::array<std::string, 5>;

// What the record operations need of the editor window: its five boxes and its status line.
class RecordEditor {
  public:
    virtual ~RecordEditor() = default;

    virtual RecordTexts BoxTexts() const = 0;
    virtual void ShowBoxTexts(const RecordTexts& texts) = 0;
    // A notice in the status line: blue, not bold.
    virtual void ShowNotice(const std::string& text) = 0;
};

}  // namespace pellory
