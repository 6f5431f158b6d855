#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "ByteReader.h"
#include "platform/Platform.h"

namespace pellory::fuzz {

// A property of the program did not hold: say which and stop, so that the fuzzer keeps the input.
[[noreturn]] inline void Violation(const std::string& what) {
    std::fprintf(stderr, "property violated: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Require(bool holds, const std::string& what) {
    if (!holds) {
        Violation(what);
    }
}

struct ShownBox {
    std::string title;
    std::string text;
    MsgButtons buttons;
    MsgAnswer answer;
};

// The platform of one fuzz input: every message box is recorded; a question is answered Yes,
// No or Cancel as the input says (an OK-only box can only be answered OK). The clock stands
// still in mid-2002 and the program folder is the input's own scratch folder.
class FuzzPlatform : public Platform {
  public:
    FuzzPlatform(ByteReader& input, std::filesystem::path folder)
        : input_(input), folder_(std::move(folder)) {}

    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon /*icon*/,
                     const std::string& title) override {
        MsgAnswer answer = MsgAnswer::Ok;
        if (buttons == MsgButtons::YesNoCancel) {
            constexpr MsgAnswer kAnswers[] = {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel};
            answer = kAnswers[input_.Below(3)];
        }
        boxes.push_back({title.empty() ? kAppTitle : title, text, buttons, answer});
        return answer;
    }
    void Beep() override { ++beeps; }
    CalendarDate Today() const override { return {2002, 6, 15}; }
    std::filesystem::path ProgramFolder() const override { return folder_; }

    std::vector<ShownBox> boxes;
    int beeps = 0;

  private:
    ByteReader& input_;
    std::filesystem::path folder_;
};

// A new, empty folder for one input, removed with its contents afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pellory-fuzz-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) {
            Violation("no scratch folder could be made");
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace pellory::fuzz
