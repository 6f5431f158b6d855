#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "autolimits/RecordEditor.h"

namespace pellory::tables {

enum class Verb { List, Add, Set, Delete, Import, Export };

// What pellory-tables is asked to do, to which table.
struct TablesCommand {
    std::optional<std::string> dataDir;
    bool cleanFuel = false;
    bool help = false;
    bool version = false;
    Verb verb = Verb::List;
    std::int32_t record = 0;  // set, delete: the record's number, from 1
    RecordTexts texts;        // add, set: year and the four amounts
    std::string file;         // import
};

struct UsageError {
    std::string message;
};

std::variant<TablesCommand, UsageError> ParseTablesCommand(const std::vector<std::string>& args);

extern const char* const kTablesUsage;

}  // namespace pellory::tables
