#include <filesystem>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "cli/TablesCommand.h"
#include "cli/TablesDriver.h"
#include "help/Version.h"

namespace {

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        return self.parent_path();
    }
    return std::filesystem::absolute(argv0).parent_path();
}

}  // namespace

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
        const pellory::ProgramVersion version = pellory::ThisProgramVersion();
        std::cout << "pellory-tables " << version.majorNumber << '.' << version.minorNumber << '.'
                  << version.revision << "\n";
        return 0;
    }
    return RunTables(command, ExecutableFolder(argv[0]), std::cout, std::cerr);
}
