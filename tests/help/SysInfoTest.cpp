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

using testing::FakeLookup;
using testing::FakeStarter;

const std::pair<std::string, std::string> kPath{kMsInfoKey, kMsInfoPathValue};
const std::pair<std::string, std::string> kFolder{kMsInfoLocationKey, kMsInfoLocationValue};

TEST(StartSysInfo, StartsTheRegisteredProgramOrSaysItIsUnavailable) {
    struct Case {
        const char* name;
        std::optional<std::string> path;
        std::optional<std::string> folder;
        std::set<std::string> files;
        std::optional<int> lookupError;
        std::optional<int> startError;
        std::vector<std::string> started;  // empty: the unavailable message
    };
    const std::vector<Case> cases = {
        {"path value, no file there: started unchecked",
         "/usr/bin/hardinfo",
         std::nullopt,
         {},
         std::nullopt,
         std::nullopt,
         {"/usr/bin/hardinfo"}},
        {"path value wins over the folder",
         "/usr/bin/kinfocenter",
         "/opt/msinfo",
         {"/opt/msinfo/MSINFO32.EXE"},
         std::nullopt,
         std::nullopt,
         {"/usr/bin/kinfocenter"}},
        {"folder with the program in it",
         std::nullopt,
         "/opt/msinfo",
         {"/opt/msinfo/MSINFO32.EXE"},
         std::nullopt,
         std::nullopt,
         {"/opt/msinfo/MSINFO32.EXE"}},
        {"folder with a closing separator",
         std::nullopt,
         "/opt/msinfo/",
         {"/opt/msinfo/MSINFO32.EXE"},
         std::nullopt,
         std::nullopt,
         {"/opt/msinfo/MSINFO32.EXE"}},
        {"folder without the program",
         std::nullopt,
         "/opt/msinfo",
         {"/opt/msinfo/other.exe"},
         std::nullopt,
         std::nullopt,
         {}},
        {"nothing registered",
         std::nullopt,
         std::nullopt,
         {"/opt/msinfo/MSINFO32.EXE"},
         std::nullopt,
         std::nullopt,
         {}},
        {"the program does not start",
         "/usr/bin/hardinfo",
         std::nullopt,
         {},
         std::nullopt,
         err::kFileNotFound,
         {}},
        {"the lookup fails",
         "/usr/bin/hardinfo",
         std::nullopt,
         {},
         err::kPermissionDenied,
         std::nullopt,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::FakePlatform platform;
        FakeLookup lookup;
        FakeStarter starter;
        if (c.path) {
            lookup.values[kPath] = *c.path;
        }
        if (c.folder) {
            lookup.values[kFolder] = *c.folder;
        }
        lookup.files = c.files;
        lookup.raise = c.lookupError;
        starter.raise = c.startError;

        StartSysInfo(platform, lookup, starter);

        EXPECT_EQ(starter.started, c.started);
        if (c.started.empty()) {
            ASSERT_EQ(platform.boxes.size(), 1U);
            EXPECT_EQ(platform.boxes[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
            EXPECT_EQ(platform.boxes[0].title, kAppTitle);
        } else {
            EXPECT_TRUE(platform.boxes.empty());
        }
    }
}

// A search path holding the given programs in /usr/bin.
PathSysInfoLookup::Finder SearchPath(std::set<std::string> installed) {
    return [installed = std::move(installed)](const std::string& program) {
        return installed.contains(program) ? "/usr/bin/" + program : std::string();
    };
}

TEST(PathSysInfoLookup, RegistersTheFirstKnownProgramOnTheSearchPathAsThePath) {
    struct Case {
        std::set<std::string> installed;
        std::optional<std::string> path;
    };
    const std::vector<Case> cases = {
        {{"hardinfo", "kinfocenter", "gnome-system-monitor"}, "/usr/bin/hardinfo"},
        {{"gnome-system-monitor", "kinfocenter"}, "/usr/bin/kinfocenter"},
        {{"gnome-system-monitor", "lshw-gtk"}, "/usr/bin/lshw-gtk"},
        {{"hardinfo", "hardinfo2"}, "/usr/bin/hardinfo2"},
        {{"msinfo32"}, "/usr/bin/msinfo32"},
        {{"top", "htop"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const Case& c : cases) {
        PathSysInfoLookup lookup(SearchPath(c.installed));
        EXPECT_EQ(lookup.GetKeyValue(kHKeyLocalMachine, kMsInfoKey, kMsInfoPathValue), c.path);
        EXPECT_EQ(lookup.GetKeyValue(kHKeyLocalMachine, kMsInfoLocationKey, kMsInfoLocationValue),
                  std::nullopt);
    }
}

TEST(PathSysInfoLookup, AnswersOnlyThePathValueOfTheMachineKey) {
    PathSysInfoLookup lookup(SearchPath({"hardinfo"}));
    EXPECT_EQ(
        lookup.GetKeyValue(kHKeyLocalMachine, "software\\microsoft\\shared tools\\msinfo", "path"),
        "/usr/bin/hardinfo");
    EXPECT_EQ(lookup.GetKeyValue(0x80000001, kMsInfoKey, kMsInfoPathValue), std::nullopt);
    EXPECT_EQ(lookup.GetKeyValue(kHKeyLocalMachine, kMsInfoKey, "VERSION"), std::nullopt);
    EXPECT_FALSE(lookup.FileExists("/nonexistent/MSINFO32.EXE"));
}

TEST(PathSysInfoLookup, StartsTheFoundProgramOrSaysNoneIsThere) {
    for (const bool installed : {true, false}) {
        testing::FakePlatform platform;
        PathSysInfoLookup lookup(
            SearchPath(installed ? std::set<std::string>{"kinfocenter"} : std::set<std::string>{}));
        FakeStarter starter;
        StartSysInfo(platform, lookup, starter);
        if (installed) {
            EXPECT_EQ(starter.started, (std::vector<std::string>{"/usr/bin/kinfocenter"}));
            EXPECT_TRUE(platform.boxes.empty());
        } else {
            EXPECT_TRUE(starter.started.empty());
            ASSERT_EQ(platform.boxes.size(), 1U);
            EXPECT_EQ(platform.boxes[0].text, kSysInfoUnavailable);
        }
    }
}

}  // namespace
}  // namespace pellory
