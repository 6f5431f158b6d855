#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "help/Help.h"
#include "help/HelpFile.h"
#include "help/SysInfo.h"

namespace pellory {
namespace {

const char* const kSample =
    "PELLORY HELP 1\n"
    "@topic start\n"
    "@title Getting Started\n"
    "@keywords  start ; first steps;;\n"
    "<p>Begin here.</p>\n"
    "\n"
    "\n"
    "@section Conventions\n"
    "@topic half\n"
    "@title Half Year\n"
    "@keywords Half Year; convention\n"
    "@keywords year of sale\n"
    "<p>One half.</p>\n"
    "<p>See <a href=\"topic:start\">start</a>.</p>\n"
    "@topic quarter\n"
    "@title Mid Quarter\n"
    "@keywords mid quarter; Convention; year of sale\n"
    "<p>Quarters.</p>\n"
    "@section\n"
    "@topic about\n"
    "@title About\n"
    "<p>Last.</p>\n";

HelpFile Sample() {
    HelpFileLoad load = ParseHelpFile(kSample);
    EXPECT_TRUE(load.file.has_value()) << load.problem;
    return load.file ? *load.file : HelpFile{};
}

std::vector<std::string> Keywords(const HelpFile& file, const IndexMatches& matches) {
    std::vector<std::string> words;
    for (const std::size_t e : matches.entries) {
        words.push_back(file.Index()[e].keyword);
    }
    return words;
}

TEST(HelpFileFormat, ReadsTopicsKeywordsPagesAndTheBooksOfTheContents) {
    const HelpFile file = Sample();
    ASSERT_EQ(file.Topics().size(), 4U);
    const HelpTopic& start = file.Topics()[0];
    EXPECT_EQ(start.id, "start");
    EXPECT_EQ(start.title, "Getting Started");
    EXPECT_EQ(start.keywords, (std::vector<std::string>{"start", "first steps"}));
    EXPECT_EQ(start.body, "<p>Begin here.</p>\n");
    EXPECT_EQ(start.book, "");
    EXPECT_EQ(file.Topics()[1].keywords,
              (std::vector<std::string>{"Half Year", "convention", "year of sale"}));
    EXPECT_EQ(file.Topics()[1].body,
              "<p>One half.</p>\n<p>See <a href=\"topic:start\">start</a>.</p>\n");
    EXPECT_EQ(file.Topics()[2].book, "Conventions");
    EXPECT_EQ(file.Topics()[3].book, "");
    EXPECT_EQ(file.Find("quarter")->title, "Mid Quarter");
    EXPECT_EQ(file.Find("missing"), nullptr);
    EXPECT_EQ(file.IndexOf("about"), 3U);

    const std::vector<ContentsGroup> contents = file.Contents();
    ASSERT_EQ(contents.size(), 3U);
    EXPECT_EQ(contents[1].book, "Conventions");
    EXPECT_EQ(contents[1].topics, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(contents[2].book, "");
    EXPECT_EQ(contents[2].topics, (std::vector<std::size_t>{3}));
}

TEST(HelpFileFormat, IndexHoldsEachKeywordOnceSortedWithoutRegardToCase) {
    const HelpFile file = Sample();
    std::vector<std::string> words;
    for (const IndexEntry& entry : file.Index()) {
        words.push_back(entry.keyword);
    }
    EXPECT_EQ(words, (std::vector<std::string>{"convention", "first steps", "Half Year",
                                               "mid quarter", "start", "year of sale"}));
    const auto sale = std::ranges::find(file.Index(), "year of sale", &IndexEntry::keyword);
    EXPECT_EQ(sale->topics, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(file.Index()[0].topics, (std::vector<std::size_t>{1, 2}));
}

TEST(HelpFileFormat, SearchFieldNarrowsTheKeywordsAndSelectsTheFirstThatBeginsWithIt) {
    const HelpFile file = Sample();
    struct Case {
        const char* typed;
        std::vector<std::string> keywords;
        std::string selected;
    };
    const std::vector<Case> cases = {
        {"",
         {"convention", "first steps", "Half Year", "mid quarter", "start", "year of sale"},
         "convention"},
        {"year", {"Half Year", "year of sale"}, "year of sale"},
        {"  YEAR ", {"Half Year", "year of sale"}, "year of sale"},
        {"st", {"first steps", "start"}, "start"},
        {"ar", {"Half Year", "mid quarter", "start", "year of sale"}, "Half Year"},
        {"mid q", {"mid quarter"}, "mid quarter"},
        {"zebra", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const IndexMatches matches = file.FindKeywords(c.typed);
        EXPECT_EQ(Keywords(file, matches), c.keywords);
        if (!c.keywords.empty()) {
            EXPECT_EQ(file.Index()[matches.entries[matches.best]].keyword, c.selected);
        }
    }
}

TEST(HelpFileFormat, AcceptsWindowsLineEndsAndAByteOrderMark) {
    std::string text = "\xEF\xBB\xBF";
    for (const char c : std::string(kSample)) {
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const HelpFileLoad load = ParseHelpFile(text);
    ASSERT_TRUE(load.file) << load.problem;
    EXPECT_EQ(load.file->Topics()[0].title, "Getting Started");
    EXPECT_EQ(load.file->Topics()[0].body, "<p>Begin here.</p>\n");
}

TEST(HelpFileFormat, DamagedFilesNameTheirFaultAndLine) {
    struct Case {
        std::string text;
        int line;
        std::string problem;
    };
    const std::string head = "PELLORY HELP 1\n";
    const std::vector<Case> cases = {
        {"", 1, "This is not a Pellory help file."},
        {"PELLORY HELP 2\n@topic a\n@title A\n", 1, "This is not a Pellory help file."},
        {head, 0, "The help file holds no topics."},
        {head + "stray text\n@topic a\n@title A\n", 2, "Text stands outside a topic."},
        {head + "@topic a\n@title A\n@index x\n", 4, "Unknown directive \"@index\"."},
        {head + "@topic a\n@title A\n@topic a\n@title B\n", 4, "The topic id \"a\" is used twice."},
        {head + "@topic a\n@title A\n@topic b\n<p>x</p>\n", 4, "The topic \"b\" has no title."},
        {head + "@topic a\n@title A\n@title B\n", 4, "The topic \"a\" has a second title."},
        {head + "@title A\n", 2, "@title stands outside a topic."},
        {head + "@section Book\n@keywords k\n", 3, "@keywords stands outside a topic."},
        {head + "@topic two words\n@title A\n", 2,
         "A topic needs an id of letters, digits, \"-\", \"_\" or \".\"."},
        {head + "@topic\n@title A\n", 2,
         "A topic needs an id of letters, digits, \"-\", \"_\" or \".\"."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const HelpFileLoad load = ParseHelpFile(c.text);
        EXPECT_FALSE(load.file.has_value());
        EXPECT_EQ(load.problem, c.problem);
        EXPECT_EQ(load.line, c.line);
    }
}

TEST(HelpFileFormat, AFileThatCannotBeOpenedSaysSo) {
    for (const std::string path : {"", "/nonexistent/folder/Amberlot.hlp"}) {
        const HelpFileLoad load = LoadHelpFile(path);
        EXPECT_FALSE(load.file.has_value());
        EXPECT_EQ(load.problem, "The help file cannot be opened.");
    }
}

// The help file the build puts in the program's folder.
class ProgramHelpFile : public ::testing::Test {
  protected:
    static std::string Bytes() {
        std::ifstream in(PELLORY_HELP_FILE, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static HelpFile Load() {
        HelpFileLoad load = LoadHelpFile(PELLORY_HELP_FILE);
        EXPECT_TRUE(load.file.has_value()) << load.problem << " line " << load.line;
        return load.file ? *load.file : HelpFile{};
    }
    // The pages' text with every line end, and the blanks around it, as one blank.
    static std::string Prose(const HelpFile& file) {
        std::string all;
        for (const HelpTopic& topic : file.Topics()) {
            all += topic.body + " ";
        }
        return std::regex_replace(all, std::regex("[ \\t]*\\n[ \\t]*"), " ");
    }
};

TEST_F(ProgramHelpFile, IsUtf8TextWithUnixLineEnds) {
    const std::string bytes = Bytes();
    ASSERT_TRUE(bytes.starts_with("PELLORY HELP 1\n"));
    EXPECT_EQ(bytes.find('\r'), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("\n"));
}

TEST_F(ProgramHelpFile, ContentsFollowTheBooksOfTheHelp) {
    const HelpFile file = Load();
    std::vector<std::string> books;
    for (const ContentsGroup& group : file.Contents()) {
        books.push_back(group.book);
    }
    EXPECT_EQ(books,
              (std::vector<std::string>{"", "Entering an Asset", "Depreciation Methods",
                                        "Conventions", "Exchanges (1031 and 1033)", "Automobiles",
                                        "Results and Printing", "Messages", ""}));
    EXPECT_EQ(file.Topics().front().id, "getting-started");
}

TEST_F(ProgramHelpFile, EveryTopicHasATitleKeywordsAPageAndLinksThatLead) {
    const HelpFile file = Load();
    ASSERT_GE(file.Topics().size(), 30U);
    const std::regex link("href=\"([^\"]*)\"");
    for (const HelpTopic& topic : file.Topics()) {
        SCOPED_TRACE(topic.id);
        EXPECT_FALSE(topic.title.empty());
        EXPECT_FALSE(topic.keywords.empty());
        EXPECT_NE(topic.body.find("<p>"), std::string::npos);
        for (auto it = std::sregex_iterator(topic.body.begin(), topic.body.end(), link);
             it != std::sregex_iterator(); ++it) {
            const std::string target = (*it)[1];
            ASSERT_TRUE(target.starts_with("topic:")) << target;
            EXPECT_NE(file.Find(target.substr(6)), nullptr) << target;
        }
    }
}

// What a user types in the index, and the topic the selected keyword shows first.
TEST_F(ProgramHelpFile, IndexFindsTheTopicAUserLooksFor) {
    const HelpFile file = Load();
    const std::vector<std::pair<std::string, std::string>> searches = {
        {"getting started", "getting-started"},
        {"cost", "cost"},
        {"life", "life"},
        {"class", "asset-class"},
        {"Business %", "business-percent"},
        {"30%", "special-allowance"},
        {"Date Sold", "date-sold"},
        {"MACRS", "macrs"},
        {"residential rental", "real-property"},
        {"ADS", "ads"},
        {"Straight Line", "straight-line"},
        {"Amortize", "amortize"},
        {"convention", "conventions"},
        {"half year", "half-year"},
        {"mid quarter", "mid-quarter"},
        {"mid month", "mid-month"},
        {"1031", "exchanges"},
        {"relinquished", "relinquished"},
        {"replacement", "replacement"},
        {"sales price", "exchange-panel"},
        {"adjusted tax basis", "exchange-panel"},
        {"luxury", "luxury-auto"},
        {"clean fuel automobiles", "luxury-auto"},
        {"clean fuel", "auto-limits-editor"},
        {"AutoMax.DAT", "auto-limit-tables"},
        {"auto limits editor", "auto-limits-editor"},
        {"print", "printing"},
        {"Cost Missing", "status-messages"},
        {"Calculation Error", "error-messages"},
        {"System Info", "help-and-about"},
    };
    for (const auto& [typed, id] : searches) {
        SCOPED_TRACE(typed);
        const IndexMatches matches = file.FindKeywords(typed);
        ASSERT_FALSE(matches.entries.empty());
        const IndexEntry& selected = file.Index()[matches.entries[matches.best]];
        ASSERT_FALSE(selected.topics.empty());
        EXPECT_EQ(file.Topics()[selected.topics.front()].id, id) << selected.keyword;
    }
}

// The messages the help explains are quoted as the program shows them.
TEST_F(ProgramHelpFile, QuotesTheProgramsMessagesExactly) {
    const std::string prose = Prose(Load());
    const std::vector<std::string> messages = {
        kNoHelpMessage,
        kSysInfoUnavailable,
        "Cost Missing!",
        "Method Missing!",
        "In service date is missing!",
        "In service date is invalid!",
        "Life Missing!",
        "Life Can't be greater than 43!",
        "Life must be 3,5,7,10,15,20,27.5,31.5,39!",
        "MACRS Buisness Percent must be between 50% and 100%. Use ADS for less then 50%.",
        "Adj Tax Basis is required if Sales Price is populated!",
        "Sales Price is required if Adj Tax Basis is populated!",
        "Please select a life or a class.",
        "Business Percent is required.",
        "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.",
        "Can't display total depreciation. The life greater then 43 !",
        "Method: MACRS 200% DB",
        "Method: MACRS 150% DB",
        "Method: MACRS- Straight Line",
        "Method: ADS- Straight Line",
        "Method: MACRS-200% DB Luxury Auto",
        "Only numeric data is allowed.",
        "Year is required.",
        "Year must be 4 digits.",
        "Year amount is required.",
        "Record Updated.",
        "Record Deleted",
        "No more records.",
        "Save Changes?",
        "Delete current record?",
        "Can't open file.",
        "First year depreciation includes a special 30% depreciation allowance.",
        "Automobile  Maximun Amounts",
        "Clean Fuel Auto Max Amount",
    };
    for (const std::string& message : messages) {
        EXPECT_NE(prose.find(message), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace pellory
