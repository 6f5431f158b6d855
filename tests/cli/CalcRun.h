#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <unistd.h>

#include "cli/CalcDriver.h"

namespace pellory::cli {

// A folder of limit tables for the even years 1990-2030; an odd year is missing from them.
inline std::filesystem::path LimitTablesFolder(const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream ordinary(folder / "AutoMax.DAT", std::ios::binary);
    std::ofstream cleanFuel(folder / "Electric.DAT", std::ios::binary);
    for (int year = 1990; year <= 2030; year += 2) {
        ordinary << year << "3060 4900 2950 1775 ";
        cleanFuel << year << "9180 1480 8850 5325 ";
    }
    return folder;
}

// One pellory-calc run on a freshly started window: its report, or why the options were refused.
struct CalcRun {
    std::string output;
    std::optional<std::string> refused;
};

// `inspect` sees the window and its message boxes after a run that was not refused.
inline CalcRun Calc(
    const std::vector<std::string>& args, bool json = true,
    const std::filesystem::path& folder = std::filesystem::temp_directory_path(),
    const std::function<void(const FrmViewDepr&, const CollectingPlatform&)>& inspect = {}) {
    const auto parsed = ParseOptions(args);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return {"", error->message};
    }
    CollectingPlatform platform(folder);
    FrmViewDepr window(platform);
    window.dataFile.UseFolder(folder);
    window.Load();
    if (const auto refused = Drive(window, std::get<CalcOptions>(parsed))) {
        return {"", refused->message};
    }
    if (inspect) {
        inspect(window, platform);
    }
    return {json ? JsonReport(window, platform.messages) : PlainReport(window, platform.messages),
            std::nullopt};
}

}  // namespace pellory::cli
