#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "SysInfoFakes.h"
#include "help/SysInfo.h"

namespace pellory {
namespace {

using testing::AboutBox;

// A link the shell cannot open is reported, and the box stays open with OK focused.
TEST(AboutBox, ALinkThatCannotBeOpenedIsReported) {
    AboutBox box;
    EXPECT_TRUE(box.about.HasFocus(box.about.cmdOK));
    box.desktop.error = err::kFileNotFound;
    box.about.EmailClick();
    box.desktop.error = err::kInvalidCall;
    box.about.WebLinkClick();
    ASSERT_EQ(box.platform.boxes.size(), 2U);
    EXPECT_EQ(box.platform.boxes[0].text, "53 Error in WebLink File not found");
    EXPECT_EQ(box.platform.boxes[1].text, "5 Error in WebLink Invalid procedure call or argument");
    EXPECT_EQ(box.platform.boxes[1].title, kAppTitle);
    EXPECT_FALSE(box.about.Closed());
}

// The registered program starts, else the registered folder's MSINFO32.EXE; else it is unavailable.
TEST(StartSysInfo, StartsTheRegisteredProgramOrSaysItIsUnavailable) {
    const std::string exe = "/opt/msinfo/MSINFO32.EXE";
    const struct {
        const char* path;    // "" when not registered
        const char* folder;  // "" when not registered
        std::string file;
        std::optional<int> lookupError;
        std::optional<int> startError;
        std::vector<std::string> started;
    } cases[] = {
        {"/usr/bin/hardinfo", "", "", {}, {}, {"/usr/bin/hardinfo"}},
        {"/usr/bin/kinfocenter", "/opt/msinfo", exe, {}, {}, {"/usr/bin/kinfocenter"}},
        {"", "/opt/msinfo/", exe, {}, {}, {exe}},
        {"", "/opt/msinfo", "/opt/msinfo/other.exe", {}, {}, {}},
        {"", "", exe, {}, {}, {}},
        {"/usr/bin/hardinfo", "", "", {}, err::kFileNotFound, {}},
        {"/usr/bin/hardinfo", "", "", err::kPermissionDenied, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " " + c.folder);
        testing::FakePlatform platform;
        testing::FakeDesktop desktop;
        if (*c.path != '\0') {
            desktop.values[std::string(kMsInfoKey) + "|" + kMsInfoPathValue] = c.path;
        }
        if (*c.folder != '\0') {
            desktop.values[std::string(kMsInfoLocationKey) + "|" + kMsInfoLocationValue] = c.folder;
        }
        desktop.files = {c.file};
        desktop.lookupError = c.lookupError;
        desktop.error = c.startError;
        StartSysInfo(platform, desktop, desktop);
        EXPECT_EQ(desktop.started, c.started);
        ASSERT_EQ(platform.boxes.size(), c.started.empty() ? 1U : 0U);
        if (c.started.empty()) {
            EXPECT_EQ(platform.boxes[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
            EXPECT_EQ(platform.boxes[0].title, kAppTitle);
        }
    }
}

// Without a registry the path value is the first known program on the search path; nothing else
// is registered.
TEST(PathSysInfoLookup, RegistersTheFirstKnownProgramOnTheSearchPath) {
    for (const auto& [installed, path] :
         {std::pair<std::set<std::string>, std::optional<std::string>>{
              {"kinfocenter", "hardinfo", "gnome-system-monitor"}, "/usr/bin/hardinfo"},
          {{"top", "htop"}, std::nullopt}}) {
        PathSysInfoLookup lookup([&](const std::string& program) {
            return installed.contains(program) ? "/usr/bin/" + program : std::string();
        });
        EXPECT_EQ(lookup.GetKeyValue(kHKeyLocalMachine, kMsInfoKey, kMsInfoPathValue), path);
        EXPECT_EQ(lookup.GetKeyValue(kHKeyLocalMachine, kMsInfoLocationKey, kMsInfoLocationValue),
                  std::nullopt);
    }
}

}  // namespace
}  // namespace pellory
