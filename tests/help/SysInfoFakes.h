#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "help/DesktopServices.h"
#include "platform/RuntimeError.h"

namespace pellory::testing {

// Registered values, keyed "key|value", and existing files; every read fails when told to.
class FakeLookup : public SysInfoLookup {
  public:
    std::optional<std::string> GetKeyValue(std::uint32_t root, const std::string& key,
                                           const std::string& value) override {
        if (raise) {
            Raise(*raise);
        }
        const auto found = values.find(key + "|" + value);
        if (root != kHKeyLocalMachine || found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    bool FileExists(const std::string& path) override { return files.contains(path); }

    std::map<std::string, std::string> values;
    std::set<std::string> files;
    std::optional<int> raise;
};

// Records the programs started and the targets the shell opened; fails when told to.
class FakeDesktop : public ProgramStarter, public Shell {
  public:
    void Start(const std::string& program) override { Record(started, program); }
    void Open(const std::string& target) override { Record(opened, target); }

    std::vector<std::string> started;
    std::vector<std::string> opened;
    std::optional<int> raise;

  private:
    void Record(std::vector<std::string>& list, const std::string& text) const {
        if (raise) {
            Raise(*raise);
        }
        list.push_back(text);
    }
};

}  // namespace pellory::testing
