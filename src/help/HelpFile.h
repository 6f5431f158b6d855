#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellory {

// One page of help: an id other pages link to ("topic:" + id), a title, the index keywords
// and the page itself as an HTML fragment.
struct HelpTopic {
    std::string id;
    std::string title;
    std::vector<std::string> keywords;
    std::string body;
    std::string book;  // the contents book it stands in; empty at the top level
    int line = 0;      // where its "@topic" line stands in the file
};

// A book of the contents and its pages, or (with an empty title) pages at the top level.
struct ContentsGroup {
    std::string book;
    std::vector<std::size_t> topics;
};

// One keyword of the index with the topics that carry it, in file order.
struct IndexEntry {
    std::string keyword;
    std::vector<std::size_t> topics;
};

// The keywords matching a typed text, and which of them to select.
struct IndexMatches {
    std::vector<std::size_t> entries;  // into HelpFile::Index(), in index order
    std::size_t best = 0;              // position in `entries` of the one to select
};

// The program's help file, "Amberlot.hlp": UTF-8 text, the first line the signature, then
// directive lines and page lines.
//   @section TITLE       starts a contents book (an empty title returns to the top level)
//   @topic ID            starts a topic (letters, digits, "-", "_" and ".")
//   @title TEXT          the topic's title, once per topic
//   @keywords A; B; ...  index keywords, separated by ";"; may be repeated
// Every other line inside a topic is part of its HTML page; outside a topic only blank lines
// may stand. A line beginning with "@" is always a directive.
class HelpFile {
  public:
    static constexpr std::string_view kSignature = "PELLORY HELP 1";
    static constexpr std::string_view kTopicScheme = "topic:";

    const std::vector<HelpTopic>& Topics() const { return topics_; }
    const HelpTopic* Find(std::string_view id) const;
    std::optional<std::size_t> IndexOf(std::string_view id) const;

    // The contents in file order: consecutive topics of one book form one group.
    std::vector<ContentsGroup> Contents() const;

    // Every keyword once (letter case aside, the first spelling kept), sorted without regard
    // to letter case.
    const std::vector<IndexEntry>& Index() const { return index_; }
    // The keywords containing `typed` (letter case aside, blanks around it ignored; all of them
    // for an empty text). The one to select is the first that begins with the text, else the
    // first match.
    IndexMatches FindKeywords(std::string_view typed) const;

  private:
    friend struct HelpFileBuilder;
    std::vector<HelpTopic> topics_;
    std::vector<IndexEntry> index_;
};

// A help file read, or why it could not be.
struct HelpFileLoad {
    std::optional<HelpFile> file;
    std::string problem;  // empty when `file` holds the help
    int line = 0;         // the faulty line, 0 when the problem is not one line's
};

HelpFileLoad ParseHelpFile(std::string_view text);
HelpFileLoad LoadHelpFile(const std::string& path);

}  // namespace pellory
