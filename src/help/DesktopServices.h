#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pellory {

// The shell's "open" of a target: a web address or a "mailto:" address. A target the shell
// cannot open is the shell's to report; a RuntimeError means the shell could not be asked.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual void Open(const std::string& target) = 0;
};

// Starts a program in a normal, focused window; raises a RuntimeError when it cannot start.
class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    virtual void Start(const std::string& program) = 0;
};

// The root of the machine-wide settings the system information program is registered under.
inline constexpr std::uint32_t kHKeyLocalMachine = 0x80000002;

// Where the system information program is registered: string values of keys under a root, in
// the manner of the Windows registry, and a file-exists test.
class SysInfoLookup {
  public:
    virtual ~SysInfoLookup() = default;
    // The string value `valueName` of the key `keyName` under `keyRoot`; nothing when the key
    // or the value cannot be read.
    virtual std::optional<std::string> GetKeyValue(std::uint32_t keyRoot,
                                                   const std::string& keyName,
                                                   const std::string& valueName) = 0;
    virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace pellory
