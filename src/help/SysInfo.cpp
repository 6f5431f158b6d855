#include "help/SysInfo.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/RuntimeError.h"

namespace pellory {

namespace {

// Key and value names are compared without regard to letter case, as the registry does.
bool SameName(const std::string& a, const std::string& b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

void StartSysInfo(Platform& platform, SysInfoLookup& lookup, ProgramStarter& starter) {
    try {
        if (const auto program =
                lookup.GetKeyValue(kHKeyLocalMachine, kMsInfoKey, kMsInfoPathValue)) {
            starter.Start(*program);
            return;
        }
        if (const auto folder =
                lookup.GetKeyValue(kHKeyLocalMachine, kMsInfoLocationKey, kMsInfoLocationValue)) {
            const std::string program = (std::filesystem::path(*folder) / kMsInfoProgram).string();
            if (lookup.FileExists(program)) {
                starter.Start(program);
                return;
            }
        }
    } catch (const RuntimeError&) {
        // Reported below as unavailable, like a program that is not there.
    }
    platform.MsgBox(kSysInfoUnavailable, MsgButtons::Ok, MsgIcon::None, {});
}

std::vector<std::string> KnownSysInfoPrograms() {
    return {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk", "gnome-system-monitor", "msinfo32"};
}

PathSysInfoLookup::PathSysInfoLookup(Finder finder, std::vector<std::string> programs)
    : finder_(std::move(finder)), programs_(std::move(programs)) {}

std::optional<std::string> PathSysInfoLookup::GetKeyValue(std::uint32_t keyRoot,
                                                          const std::string& keyName,
                                                          const std::string& valueName) {
    if (keyRoot != kHKeyLocalMachine || !SameName(keyName, kMsInfoKey) ||
        !SameName(valueName, kMsInfoPathValue)) {
        return std::nullopt;
    }
    for (const std::string& program : programs_) {
        std::string path = finder_(program);
        if (!path.empty()) {
            return path;
        }
    }
    return std::nullopt;
}

bool PathSysInfoLookup::FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace pellory
