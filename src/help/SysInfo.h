#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "help/DesktopServices.h"
#include "platform/Platform.h"

namespace pellory {

// Where the system information program is registered.
inline constexpr const char* kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kMsInfoPathValue = "PATH";
inline constexpr const char* kMsInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kMsInfoLocationValue = "MSINFO";
inline constexpr const char* kMsInfoProgram = "MSINFO32.EXE";

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// The About box's System Info: starts the program registered under "PATH"; else, when only
// the folder is registered, the MSINFO32.EXE in it if that file exists; otherwise, or on any
// run-time failure, shows the unavailable message.
void StartSysInfo(Platform& platform, SysInfoLookup& lookup, ProgramStarter& starter);

// The system-information programs looked for on the search path, in this order: the Linux
// hardware and system profilers first (HardInfo's successor and HardInfo, KDE's Info Center,
// the hardware lister's window), then the GNOME resource monitor, and last Windows' own
// System Information, which lives on the search path there.
std::vector<std::string> KnownSysInfoPrograms();

// A lookup for a system without a registry: the "PATH" value of the MSINFO key is the first of
// the known programs found on the search path; the folder value is never registered.
class PathSysInfoLookup : public SysInfoLookup {
  public:
    // The full path of a program found on the search path; empty when there is none.
    using Finder = std::function<std::string(const std::string& program)>;

    explicit PathSysInfoLookup(Finder finder,
                               std::vector<std::string> programs = KnownSysInfoPrograms());

    std::optional<std::string> GetKeyValue(std::uint32_t keyRoot, const std::string& keyName,
                                           const std::string& valueName) override;
    bool FileExists(const std::string& path) override;

  private:
    Finder finder_;
    std::vector<std::string> programs_;
};

}  // namespace pellory
