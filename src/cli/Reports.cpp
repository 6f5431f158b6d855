#include <array>
#include <charconv>
#include <cstdio>

#include "cli/CalcDriver.h"
#include "controls/Utf8.h"
#include "engine/Numbers.h"

namespace pellory::cli {

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t copied = 0;  // the bytes before it are in `out`
    bool valid = true;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t size = c < 0x80 ? 1 : utf8::NextCharacter(text, i, valid).size();
        if (c < 0x80 ? c >= 0x20 && c != '"' && c != '\\' : valid) {
            i += size;  // as it stands
            continue;
        }
        out.append(text, copied, i - copied);
        i += size;
        copied = i;
        if (c >= 0x80) {
            out += utf8::kReplacement;  // JSON is UTF-8 whatever bytes it is given
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : escaped;
        }
    }
    out.append(text, copied);
    out += '"';
}

std::string JsonString(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

std::string PlainReport(const CalcResult& result, const std::vector<Message>& messages) {
    std::string out;
    for (const ScheduleRow& row : result.schedule.rows) {
        out += YearText(row) + "\t" + AmountText(row) + "\t" + BasisText(row) + "\n";
    }
    out += result.status + "\n";
    for (const Message& m : messages) {
        out += m.title + ": " + m.text + "\n";
    }
    return out;
}

void AppendJsonReport(std::string& out, const CalcResult& result,
                      const std::vector<Message>& messages) {
    std::array<char, 24> digits;
    const auto number = [&](int value) {
        out.append(digits.data(), std::to_chars(digits.begin(), digits.end(), value).ptr);
    };
    out += "\"rows\":[";
    const char* separator = "";
    for (const ScheduleRow& row : result.schedule.rows) {
        out += separator;
        separator = ",";
        out += "{\"recovery_year\":";
        number(row.recoveryYear);
        out += ",\"year\":\"";
        number(row.calendarYear);
        out += "\",\"depreciation\":\"";
        out += FormatAmountCents(row.amountCents);
        out += "\",\"basis\":\"";
        out += FormatAmountCents(row.basisCents);
        out += "\"}";
    }
    out += "],\"status\":";
    AppendJsonString(out, result.status);
    out += result.statusBlue ? ",\"status_color\":\"blue\"" : ",\"status_color\":\"red\"";
    out += ",\"adj_cost\":";
    AppendJsonString(out, result.adjCost);
    out += ",\"messages\":[";
    separator = "";
    for (const Message& m : messages) {
        out += separator;
        separator = ",";
        out += "{\"title\":";
        AppendJsonString(out, m.title);
        out += ",\"text\":";
        AppendJsonString(out, m.text);
        out += '}';
    }
    out += "]}\n";
}

std::string JsonReport(const CalcResult& result, const std::vector<Message>& messages) {
    std::string out = "{";
    AppendJsonReport(out, result, messages);
    return out;
}

}  // namespace pellory::cli
