#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "help/DesktopServices.h"
#include "platform/RuntimeError.h"

namespace pellory::testing {

// Registered values and existing files, as the test sets them; can fail every read.
class FakeLookup : public SysInfoLookup {
  public:
    std::optional<std::string> GetKeyValue(std::uint32_t keyRoot, const std::string& keyName,
                                           const std::string& valueName) override {
        asked.emplace_back(keyName, valueName);
        if (raise) {
            Raise(*raise);
        }
        if (keyRoot != kHKeyLocalMachine) {
            return std::nullopt;
        }
        const auto found = values.find({keyName, valueName});
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    bool FileExists(const std::string& path) override { return files.contains(path); }

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::set<std::string> files;
    std::optional<int> raise;
    std::vector<std::pair<std::string, std::string>> asked;
};

// Records the programs started; fails to start when told to.
class FakeStarter : public ProgramStarter {
  public:
    void Start(const std::string& program) override {
        if (raise) {
            Raise(*raise);
        }
        started.push_back(program);
    }
    std::vector<std::string> started;
    std::optional<int> raise;
};

// Records the targets the shell was asked to open; fails when told to.
class FakeShell : public Shell {
  public:
    void Open(const std::string& target) override {
        if (raise) {
            Raise(*raise);
        }
        opened.push_back(target);
    }
    std::vector<std::string> opened;
    std::optional<int> raise;
};

}  // namespace pellory::testing
