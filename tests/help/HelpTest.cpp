#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "SysInfoFakes.h"
#include "controls/Window.h"
#include "help/Help.h"
#include "help/HelpFile.h"
#include "help/SysInfo.h"
#include "platform/RuntimeError.h"

namespace pellory {
namespace {

const char* const kSample =
    "PELLORY HELP 1\n"
    "@topic start\n"
    "@title Getting Started\n"
    "@keywords  start ; first steps;;\n"
    "<p>Begin here.</p>\n"
    "\n"
    "@section Conventions\n"
    "@topic half\n"
    "@title Half Year\n"
    "@keywords Half Year; convention\n"
    "@keywords year of sale\n"
    "<p>One half.</p>\n"
    "@topic quarter\n"
    "@title Mid Quarter\n"
    "@keywords mid quarter; Convention; year of sale\n"
    "<p>Quarters.</p>\n"
    "@section\n"
    "@topic about\n"
    "@title About\n"
    "<p>Last.</p>\n";

std::vector<std::string> Keywords(const HelpFile& file, const std::vector<std::size_t>& entries) {
    std::vector<std::string> words;
    for (const std::size_t e : entries) {
        words.push_back(file.Index()[e].keyword);
    }
    return words;
}

// Windows line ends and a byte order mark read as plain ones (the other files here have those).
TEST(HelpFileFormat, ReadsTopicsBooksAndTheIndex) {
    const HelpFileLoad load =
        ParseHelpFile("\xEF\xBB\xBF" + std::regex_replace(kSample, std::regex("\n"), "\r\n"));
    ASSERT_TRUE(load.file) << load.problem;
    const HelpFile& file = *load.file;
    ASSERT_EQ(file.Topics().size(), 4U);
    const HelpTopic& start = file.Topics()[0];
    EXPECT_EQ(start.keywords, (std::vector<std::string>{"start", "first steps"}));
    EXPECT_EQ(start.body, "<p>Begin here.</p>\n");
    EXPECT_EQ(file.Find("quarter")->title, "Mid Quarter");
    std::vector<std::string> books;
    std::vector<std::size_t> sizes;
    for (const ContentsGroup& group : file.Contents()) {
        books.push_back(group.book);
        sizes.push_back(group.topics.size());
    }
    EXPECT_EQ(books, (std::vector<std::string>{"", "Conventions", ""}));
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1, 2, 1}));
    EXPECT_EQ(file.Index()[0].topics, (std::vector<std::size_t>{1, 2}));
}

// Each keyword once, sorted regardless of case; the first that begins with the text is selected.
TEST(HelpFileFormat, TheSearchFieldNarrowsTheIndex) {
    const HelpFile file = *ParseHelpFile(kSample).file;
    const struct {
        const char* typed;
        std::vector<std::string> keywords;
        std::string selected;
    } cases[] = {
        {"",
         {"convention", "first steps", "Half Year", "mid quarter", "start", "year of sale"},
         "convention"},
        {"  YEAR ", {"Half Year", "year of sale"}, "year of sale"},
        {"ar", {"Half Year", "mid quarter", "start", "year of sale"}, "Half Year"},
        {"zebra", {}, ""},
    };
    for (const auto& c : cases) {
        const IndexMatches matches = file.FindKeywords(c.typed);
        EXPECT_EQ(Keywords(file, matches.entries), c.keywords) << c.typed;
        if (!c.keywords.empty()) {
            EXPECT_EQ(c.keywords[matches.best], c.selected) << c.typed;
        }
    }
}

TEST(HelpFileFormat, DamagedFilesNameTheirFaultAndLine) {
    const std::string head = "PELLORY HELP 1\n";
    const std::string badId = "A topic needs an id of letters, digits, \"-\", \"_\" or \".\".";
    const struct {
        std::string text;
        int line;
        std::string problem;
    } cases[] = {
        {"", 1, "This is not a Pellory help file."},
        {head, 0, "The help file holds no topics."},
        {head + "stray text\n@topic a\n@title A\n", 2, "Text stands outside a topic."},
        {head + "@topic a\n@title A\n@index x\n", 4, "Unknown directive \"@index\"."},
        {head + "@topic a\n@title A\n@topic a\n@title B\n", 4, "The topic id \"a\" is used twice."},
        {head + "@topic a\n@title A\n@topic b\n<p>x</p>\n", 4, "The topic \"b\" has no title."},
        {head + "@section Book\n@keywords k\n", 3, "@keywords stands outside a topic."},
        {head + "@topic two words\n@title A\n", 2, badId},
    };
    for (const auto& c : cases) {
        const HelpFileLoad load = ParseHelpFile(c.text);
        EXPECT_FALSE(load.file.has_value()) << c.text;
        EXPECT_EQ(load.problem, c.problem) << c.text;
        EXPECT_EQ(load.line, c.line) << c.text;
    }
    EXPECT_EQ(LoadHelpFile("/nonexistent/Amberlot.hlp").problem, "The help file cannot be opened.");
}

// In the program's help file every topic has keywords and every link leads to a topic.
TEST(ProgramHelpFile, EveryLinkLeadsToATopic) {
    const HelpFileLoad load = LoadHelpFile(PELLORY_HELP_FILE);
    ASSERT_TRUE(load.file) << load.problem << " line " << load.line;
    const HelpFile& file = *load.file;
    ASSERT_GE(file.Topics().size(), 30U);
    const std::regex link("href=\"([^\"]*)\"");
    for (const HelpTopic& topic : file.Topics()) {
        EXPECT_FALSE(topic.keywords.empty()) << topic.id;
        for (auto it = std::sregex_iterator(topic.body.begin(), topic.body.end(), link);
             it != std::sregex_iterator(); ++it) {
            const std::string target = (*it)[1];
            EXPECT_TRUE(target.starts_with("topic:") && file.Find(target.substr(6)) != nullptr)
                << topic.id << " links to " << target;
        }
    }
}

// Records "kind path owner [keyword]"; fails when told.
struct FakeViewer : HelpViewer {
    void ShowContents(const std::string& file, const Window* owner) override {
        Record("contents " + file, owner, "");
    }
    void ShowIndex(const std::string& file, const Window* owner, const std::string& key) override {
        Record("index " + file, owner, key);
    }
    void Record(const std::string& what, const Window* owner, const std::string& key) {
        call = what + (owner != nullptr ? " owned [" : " free [") + key + "]";
        if (raise) {
            Raise(*raise);
        }
    }
    std::string call;
    std::optional<int> raise;
};

// A viewer's failure is its description, OK only; no file is said with an information icon.
TEST(HelpAccess, ContentsAndSearchOpenTheViewerOrSayWhyNot) {
    const struct {
        bool search;
        std::string path;
        std::optional<int> error;
        std::string call;
        std::string box;
    } cases[] = {
        {false, "/a/Amberlot.hlp", std::nullopt, "contents /a/Amberlot.hlp owned []", ""},
        {true, "", std::nullopt, "index  free []", ""},
        {false, "", std::nullopt, "",
         "Unable to display Help Contents. There is no Help associated with this project."},
        {true, "/a", err::kPathNotFound, "index /a free []", "Path not found"},
    };
    for (const auto& c : cases) {
        testing::FakePlatform platform;
        FakeViewer viewer;
        const Window mainWindow(platform);
        viewer.raise = c.error;
        if (c.search) {
            EXPECT_NO_THROW(ShowHelpSearch(platform, viewer, c.path));
        } else {
            ShowHelpContents(platform, viewer, c.path, mainWindow);
        }
        EXPECT_EQ(viewer.call, c.call);
        ASSERT_EQ(platform.boxes.size(), c.box.empty() ? 0U : 1U) << c.call;
        if (!c.box.empty()) {
            EXPECT_EQ(platform.boxes[0].text, c.box);
            EXPECT_EQ(platform.boxes[0].title, kAppTitle);
            EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
            EXPECT_EQ(platform.boxes[0].icon, c.error ? MsgIcon::None : MsgIcon::Information);
        }
    }
}

// The registered program starts, else the registered folder's MSINFO32.EXE; else it is unavailable.
TEST(StartSysInfo, StartsTheRegisteredProgramOrSaysItIsUnavailable) {
    const std::string exe = "/opt/msinfo/MSINFO32.EXE";
    const struct {
        const char* path;    // "" when not registered
        const char* folder;  // "" when not registered
        std::string file;
        std::optional<int> startError;
        std::vector<std::string> started;
    } cases[] = {
        {"/usr/bin/hardinfo", "", "", {}, {"/usr/bin/hardinfo"}},
        {"/usr/bin/kinfocenter", "/opt/msinfo", exe, {}, {"/usr/bin/kinfocenter"}},
        {"", "/opt/msinfo/", exe, {}, {exe}},
        {"", "/opt/msinfo", "/opt/msinfo/other.exe", {}, {}},
        {"", "", exe, {}, {}},
        {"/usr/bin/hardinfo", "", "", err::kFileNotFound, {}},
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

}  // namespace
}  // namespace pellory
