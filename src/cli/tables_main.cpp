#include <filesystem>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "cli/TablesCommand.h"
#include "cli/TablesDriver.h"
#include "help/Version.h"
#include "platform/ProgramFolder.h"

int main(int argc, char** argv) {
    using namespace pellory::tables;
    const auto parsed = ParseTablesCommand(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::cerr << "pellory-tables: " << error->message << "\n" << kTablesUsage;
        return 2;
    }
    const auto& command = std::get<TablesCommand>(parsed);
    if (command.help) {
        std::cout << kTablesUsage;
        return 0;
    }
    if (command.version) {
        std::cout << "pellory-tables " << pellory::VersionNumber(pellory::ThisProgramVersion())
                  << "\n";
        return 0;
    }
    return RunTables(command, pellory::ExecutableFolder(argv[0]), std::cout, std::cerr);
}
