#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "SysInfoFakes.h"
#include "help/SysInfo.h"

namespace pellory {
namespace {

const std::string kPath = std::string(kMsInfoKey) + "|" + kMsInfoPathValue;
const std::string kFolder = std::string(kMsInfoLocationKey) + "|" + kMsInfoLocationValue;

// Starts what is registered, or says the program is unavailable: OK only, under the title.
void ExpectStarted(const std::vector<std::string>& started, testing::FakePlatform& platform,
                   const testing::FakeDesktop& desktop) {
    EXPECT_EQ(desktop.started, started);
    if (started.empty()) {
        ASSERT_EQ(platform.boxes.size(), 1U);
        EXPECT_EQ(platform.boxes[0].text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(platform.boxes[0].title, kAppTitle);
    } else {
        EXPECT_TRUE(platform.boxes.empty());
    }
}

TEST(StartSysInfo, StartsTheRegisteredProgramOrSaysItIsUnavailable) {
    const std::string exe = "/opt/msinfo/MSINFO32.EXE";
    const struct {
        const char* name;
        const char* path;    // "" when not registered
        const char* folder;  // "" when not registered
        std::string file;
        std::optional<int> lookupError;
        std::optional<int> startError;
        std::vector<std::string> started;
    } cases[] = {
        {"path, no file there", "/usr/bin/hardinfo", "", "", {}, {}, {"/usr/bin/hardinfo"}},
        {"path wins over folder",
         "/usr/bin/kinfocenter",
         "/opt/msinfo",
         exe,
         {},
         {},
         {"/usr/bin/kinfocenter"}},
        {"folder with the program", "", "/opt/msinfo", exe, {}, {}, {exe}},
        {"folder with a separator", "", "/opt/msinfo/", exe, {}, {}, {exe}},
        {"folder without it", "", "/opt/msinfo", "/opt/msinfo/other.exe", {}, {}, {}},
        {"nothing registered", "", "", exe, {}, {}, {}},
        {"does not start", "/usr/bin/hardinfo", "", "", {}, err::kFileNotFound, {}},
        {"lookup fails", "/usr/bin/hardinfo", "", "", err::kPermissionDenied, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::FakePlatform platform;
        testing::FakeLookup lookup;
        testing::FakeDesktop desktop;
        for (const auto& [key, value] : {std::pair{kPath, c.path}, std::pair{kFolder, c.folder}}) {
            if (*value != '\0') {
                lookup.values[key] = value;
            }
        }
        lookup.files = {c.file};
        lookup.raise = c.lookupError;
        desktop.raise = c.startError;
        StartSysInfo(platform, lookup, desktop);
        ExpectStarted(c.started, platform, desktop);
    }
}

// On a system without a registry the path value is the first known program on the search path,
// under the machine key's path value only (letter case aside); the folder is never registered.
TEST(PathSysInfoLookup, RegistersTheFirstKnownProgramOnTheSearchPath) {
    const struct {
        std::set<std::string> installed;
        std::optional<std::string> path;
    } cases[] = {
        {{"hardinfo", "kinfocenter", "gnome-system-monitor"}, "/usr/bin/hardinfo"},
        {{"gnome-system-monitor", "kinfocenter"}, "/usr/bin/kinfocenter"},
        {{"gnome-system-monitor", "lshw-gtk"}, "/usr/bin/lshw-gtk"},
        {{"hardinfo", "hardinfo2"}, "/usr/bin/hardinfo2"},
        {{"msinfo32"}, "/usr/bin/msinfo32"},
        {{"top", "htop"}, std::nullopt},
    };
    for (const auto& c : cases) {
        PathSysInfoLookup lookup([&](const std::string& program) {
            return c.installed.contains(program) ? "/usr/bin/" + program : std::string();
        });
        EXPECT_EQ(lookup.GetKeyValue(kHKeyLocalMachine, kMsInfoKey, kMsInfoPathValue), c.path);
        EXPECT_EQ(lookup.GetKeyValue(kHKeyLocalMachine, "software\\microsoft\\shared tools\\msinfo",
                                     "path"),
                  c.path);
        EXPECT_EQ(lookup.GetKeyValue(0x80000001, kMsInfoKey, kMsInfoPathValue), std::nullopt);
        EXPECT_EQ(lookup.GetKeyValue(kHKeyLocalMachine, kMsInfoKey, "VERSION"), std::nullopt);
        EXPECT_EQ(lookup.GetKeyValue(kHKeyLocalMachine, kMsInfoLocationKey, kMsInfoLocationValue),
                  std::nullopt);
        testing::FakePlatform platform;
        testing::FakeDesktop desktop;
        StartSysInfo(platform, lookup, desktop);
        ExpectStarted(c.path ? std::vector{*c.path} : std::vector<std::string>{}, platform,
                      desktop);
    }
    EXPECT_FALSE(PathSysInfoLookup(nullptr).FileExists("/nonexistent/MSINFO32.EXE"));
}

}  // namespace
}  // namespace pellory
