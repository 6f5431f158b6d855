#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

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

}  // namespace pellory::cli
