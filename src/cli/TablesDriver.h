#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/TablesCommand.h"
#include "platform/Platform.h"

namespace pellory::tables {

// The platform of a headless run of the limit editor: message boxes are collected; the
// deletion the command asks for is confirmed, and typing that a failed Save left behind is not
// offered for saving again.
class TablesPlatform : public Platform {
  public:
    explicit TablesPlatform(std::filesystem::path folder) : folder_(std::move(folder)) {}
    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) override;
    void Beep() override {}
    CalendarDate Today() const override { return {}; }
    std::filesystem::path ProgramFolder() const override { return folder_; }

    std::vector<std::string> messages;

  private:
    std::filesystem::path folder_;
};

// Works the auto limits editor on one table as a user would: the table opened as the Tools
// entry opens it, then the buttons pressed and the boxes typed key by key. Listings go to
// `out`, what the editor refused or failed with to `err`. The exit code: 0 done, 1 refused or
// failed (nothing written but what was saved before the failure).
int RunTables(const TablesCommand& command, const std::filesystem::path& programFolder,
              std::ostream& out, std::ostream& err);

}  // namespace pellory::tables
