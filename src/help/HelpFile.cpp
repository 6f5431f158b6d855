#include "help/HelpFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <utility>

namespace pellory {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool ValidId(std::string_view id) {
    return !id.empty() && std::ranges::all_of(id, [](unsigned char c) {
        return std::isalnum(c) != 0 || c == '-' || c == '_' || c == '.';
    });
}

// The text's lines without their line ends (LF or CR LF).
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

HelpFileLoad Fault(int line, std::string problem) {
    return {std::nullopt, std::move(problem), line};
}

}  // namespace

// Builds a HelpFile from its parsed topics.
struct HelpFileBuilder {
    static HelpFile Build(std::vector<HelpTopic> topics) {
        HelpFile file;
        file.topics_ = std::move(topics);
        std::map<std::string, IndexEntry> byKey;
        for (std::size_t t = 0; t < file.topics_.size(); ++t) {
            for (const std::string& keyword : file.topics_[t].keywords) {
                IndexEntry& entry = byKey[Lower(keyword)];
                if (entry.keyword.empty()) {
                    entry.keyword = keyword;
                }
                if (std::ranges::find(entry.topics, t) == entry.topics.end()) {
                    entry.topics.push_back(t);
                }
            }
        }
        for (auto& [key, entry] : byKey) {
            file.index_.push_back(std::move(entry));
        }
        return file;
    }
};

const HelpTopic* HelpFile::Find(std::string_view id) const {
    const auto index = IndexOf(id);
    return index ? &topics_[*index] : nullptr;
}

std::optional<std::size_t> HelpFile::IndexOf(std::string_view id) const {
    const auto found = std::ranges::find(topics_, id, &HelpTopic::id);
    if (found == topics_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::distance(topics_.begin(), found));
}

std::vector<ContentsGroup> HelpFile::Contents() const {
    std::vector<ContentsGroup> groups;
    for (std::size_t t = 0; t < topics_.size(); ++t) {
        if (groups.empty() || groups.back().book != topics_[t].book) {
            groups.push_back({topics_[t].book, {}});
        }
        groups.back().topics.push_back(t);
    }
    return groups;
}

IndexMatches HelpFile::FindKeywords(std::string_view typed) const {
    const std::string wanted = Lower(Trim(typed));
    IndexMatches matches;
    std::optional<std::size_t> best;
    for (std::size_t e = 0; e < index_.size(); ++e) {
        const std::string keyword = Lower(index_[e].keyword);
        const auto at = keyword.find(wanted);
        if (at == std::string::npos) {
            continue;
        }
        if (at == 0 && !best) {
            best = matches.entries.size();
        }
        matches.entries.push_back(e);
    }
    matches.best = best.value_or(0);
    return matches;
}

namespace {

// The keywords of a "@keywords" line, separated by ";".
void AddKeywords(HelpTopic& topic, std::string_view list) {
    for (;;) {
        const auto semicolon = list.find(';');
        const std::string_view keyword = Trim(list.substr(0, semicolon));
        if (!keyword.empty()) {
            topic.keywords.emplace_back(keyword);
        }
        if (semicolon == std::string_view::npos) {
            return;
        }
        list.remove_prefix(semicolon + 1);
    }
}

// The topics of a help file, read line by line after the signature. Each step gives the
// problem that stops the reading, if any.
class TopicReader {
  public:
    std::optional<HelpFileLoad> Line(int number, std::string_view line) {
        if (!line.starts_with('@')) {
            if (inTopic_) {
                topics_.back().body.append(line).append("\n");
            } else if (!Trim(line).empty()) {
                return Fault(number, "Text stands outside a topic.");
            }
            return std::nullopt;
        }
        const auto space = line.find(' ');
        const std::string_view name =
            line.substr(1, space == std::string_view::npos ? std::string_view::npos : space - 1);
        const std::string_view argument =
            space == std::string_view::npos ? std::string_view{} : Trim(line.substr(space + 1));
        return Directive(number, name, argument);
    }

    HelpFileLoad Finish() {
        if (topics_.empty()) {
            return Fault(0, "The help file holds no topics.");
        }
        for (HelpTopic& topic : topics_) {
            if (topic.title.empty()) {
                return Fault(topic.line, "The topic \"" + topic.id + "\" has no title.");
            }
            while (topic.body.ends_with("\n\n")) {
                topic.body.pop_back();
            }
        }
        return {HelpFileBuilder::Build(std::move(topics_)), {}, 0};
    }

  private:
    std::optional<HelpFileLoad> Directive(int number, std::string_view name,
                                          std::string_view argument) {
        if (name == "section") {
            book_ = std::string(argument);
            inTopic_ = false;
        } else if (name == "topic") {
            return Topic(number, argument);
        } else if (name == "title" || name == "keywords") {
            if (!inTopic_) {
                return Fault(number, "@" + std::string(name) + " stands outside a topic.");
            }
            HelpTopic& topic = topics_.back();
            if (name == "keywords") {
                AddKeywords(topic, argument);
            } else if (!topic.title.empty()) {
                return Fault(number, "The topic \"" + topic.id + "\" has a second title.");
            } else {
                topic.title = std::string(argument);
            }
        } else {
            return Fault(number, "Unknown directive \"@" + std::string(name) + "\".");
        }
        return std::nullopt;
    }

    std::optional<HelpFileLoad> Topic(int number, std::string_view id) {
        if (!ValidId(id)) {
            return Fault(number, "A topic needs an id of letters, digits, \"-\", \"_\" or \".\".");
        }
        if (std::ranges::find(topics_, id, &HelpTopic::id) != topics_.end()) {
            return Fault(number, "The topic id \"" + std::string(id) + "\" is used twice.");
        }
        topics_.push_back({std::string(id), {}, {}, {}, book_, number});
        inTopic_ = true;
        return std::nullopt;
    }

    std::vector<HelpTopic> topics_;
    std::string book_;
    bool inTopic_ = false;
};

}  // namespace

HelpFileLoad ParseHelpFile(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.starts_with(kBom)) {
        text.remove_prefix(kBom.size());
    }
    const std::vector<std::string_view> lines = Lines(text);
    if (lines.empty() || lines.front() != HelpFile::kSignature) {
        return Fault(1, "This is not a Pellory help file.");
    }
    TopicReader reader;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (auto problem = reader.Line(static_cast<int>(i + 1), lines[i])) {
            return std::move(*problem);
        }
    }
    return reader.Finish();
}

HelpFileLoad LoadHelpFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (path.empty() || !in) {
        return Fault(0, "The help file cannot be opened.");
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        return Fault(0, "The help file cannot be read.");
    }
    return ParseHelpFile(text.str());
}

}  // namespace pellory
