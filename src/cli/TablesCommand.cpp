#include "cli/TablesCommand.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pellory::tables {

const char* const kTablesUsage =
    "usage: pellory-tables [--data-dir DIR] [--clean-fuel] COMMAND\n"
    "  list                                  N, year and the four amounts of each record\n"
    "  add YEAR FIRST SECOND THIRD FOURTH    a new record\n"
    "  set N YEAR FIRST SECOND THIRD FOURTH  record N typed over\n"
    "  delete N                              record N removed\n"
    "  import FILE.csv                       rows of year,first,second,third,later: a year\n"
    "                                        the table holds is typed over, a new one added\n"
    "  export                                the table as that CSV on standard output\n"
    "The ordinary automobile table AutoMax.DAT, or with --clean-fuel Electric.DAT, in DIR or\n"
    "else where the program keeps its tables.\n"
    "pellory-tables --help | --version\n";

namespace {

struct VerbShape {
    const char* name;
    Verb verb;
    std::size_t operands;
};

constexpr std::array kVerbs{
    VerbShape{"list", Verb::List, 0},     VerbShape{"add", Verb::Add, 5},
    VerbShape{"set", Verb::Set, 6},       VerbShape{"delete", Verb::Delete, 1},
    VerbShape{"import", Verb::Import, 1}, VerbShape{"export", Verb::Export, 0},
};

// A record number: digits only, from 1.
std::optional<std::int32_t> RecordNumber(const std::string& text) {
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return std::nullopt;
    }
    const auto number = static_cast<std::int32_t>(std::stol(text));
    return number >= 1 ? std::optional(number) : std::nullopt;
}

std::variant<TablesCommand, UsageError> WithOperands(TablesCommand command, const VerbShape& shape,
                                                     const std::vector<std::string>& operands) {
    if (operands.size() != shape.operands) {
        return UsageError{std::string(shape.name) + " takes " + std::to_string(shape.operands) +
                          " operand" + (shape.operands == 1 ? "" : "s") + ", not " +
                          std::to_string(operands.size())};
    }
    command.verb = shape.verb;
    std::size_t first = 0;
    if (shape.verb == Verb::Set || shape.verb == Verb::Delete) {
        const auto number = RecordNumber(operands[0]);
        if (!number) {
            return UsageError{"\"" + operands[0] + "\" is not a record number (1, 2, ...)"};
        }
        command.record = *number;
        first = 1;
    }
    if (shape.verb == Verb::Import) {
        command.file = operands[0];
    }
    if (shape.verb == Verb::Add || shape.verb == Verb::Set) {
        std::copy(operands.begin() + static_cast<long>(first), operands.end(),
                  command.texts.begin());
    }
    return command;
}

}  // namespace

std::variant<TablesCommand, UsageError> ParseTablesCommand(const std::vector<std::string>& args) {
    TablesCommand command;
    std::optional<std::string> verb;
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (verb) {
            operands.push_back(arg);
        } else if (arg == "--help") {
            command.help = true;
            return command;
        } else if (arg == "--version") {
            command.version = true;
            return command;
        } else if (arg == "--clean-fuel") {
            command.cleanFuel = true;
        } else if (arg == "--data-dir") {
            if (i + 1 == args.size()) {
                return UsageError{"--data-dir needs a folder"};
            }
            command.dataDir = args[++i];
        } else if (arg.starts_with("--data-dir=")) {
            command.dataDir = arg.substr(11);
        } else if (arg.starts_with("-")) {
            return UsageError{"unknown option " + arg};
        } else {
            verb = arg;
        }
    }
    if (!verb) {
        return UsageError{"no command given"};
    }
    for (const auto& shape : kVerbs) {
        if (*verb == shape.name) {
            return WithOperands(command, shape, operands);
        }
    }
    return UsageError{"unknown command " + *verb};
}

}  // namespace pellory::tables
