#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/CalcOptions.h"

namespace pellory::cli {

struct BatchSettings {
    BatchFormat format = BatchFormat::Jsonl;
    bool totals = false;  // the totals by calendar year once the register is read, not its rows
    std::optional<std::string> dataDir;   // --data-dir, given to every row's window
    std::filesystem::path programFolder;  // the executables' folder
    std::string source = "-";             // the register's name in messages
};

// Computes every row of the CSV register read from `in` as a single run of its cells computes
// it (the cells entered as options into a fresh form, made into the asset), and writes each row's
// result to `out` before the next row is read. Refused rows and the register's faults are also
// reported on `err`. Returns the exit status: 0 when every row was computed, 1 when some were
// refused (or the output could not be written), 2 when the register cannot be read (nothing
// computed when its header is at fault; the rows before a malformed record stay written, but no
// totals: they would be of part of it).
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchSettings& settings);

// --batch FILE|-: the register from the file, or from `standardInput` for "-".
int BatchCommand(const CalcOptions& options, const std::filesystem::path& programFolder,
                 std::istream& standardInput, std::ostream& out, std::ostream& err);

}  // namespace pellory::cli
