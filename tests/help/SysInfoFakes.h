#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "help/DesktopServices.h"
#include "help/FrmAbout.h"
#include "platform/RuntimeError.h"

namespace pellory::testing {

// Registered values keyed "key|value" and existing files; keeps the programs started and the
// targets opened. A start or an open fails with `error`.
struct FakeDesktop : SysInfoLookup, ProgramStarter, Shell {
    std::optional<std::string> GetKeyValue(std::uint32_t root, const std::string& key,
                                           const std::string& value) override {
        const auto found = values.find(key + "|" + value);
        return root == kHKeyLocalMachine && found != values.end() ? found->second
                                                                  : std::optional<std::string>();
    }
    bool FileExists(const std::string& path) override { return files.contains(path); }
    void Start(const std::string& program) override {
        Fail(error);
        started.push_back(program);
    }
    void Open(const std::string& target) override {
        Fail(error);
        opened.push_back(target);
    }
    static void Fail(std::optional<int> code) {
        if (code) {
            Raise(*code);
        }
    }

    std::map<std::string, std::string> values;
    std::set<std::string> files;
    std::vector<std::string> started, opened;
    std::optional<int> error;
};

// A loaded About box on fakes.
struct AboutBox {
    AboutBox() { about.Load(); }
    FakePlatform platform;
    FakeDesktop desktop;
    FrmAbout about{platform, desktop, desktop, desktop};
};

}  // namespace pellory::testing
