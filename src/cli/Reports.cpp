#include <array>
#include <charconv>
#include <cstring>

#include "cli/CalcDriver.h"
#include "engine/Numbers.h"

namespace pellory::cli {

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

namespace {

// A literal's characters written at `at`; their end.
template <std::size_t N>
char* Put(char* at, const char (&text)[N]) {
    std::memcpy(at, text, N - 1);
    return at + N - 1;
}

// One row's JSON object, written at `at`; its end.
char* PutJsonRow(char* at, const ScheduleRow& row) {
    at = Put(at, "{\"recovery_year\":");
    at = std::to_chars(at, at + 12, row.recoveryYear).ptr;
    at = Put(at, ",\"year\":\"");
    at = std::to_chars(at, at + 12, row.calendarYear).ptr;
    at = Put(at, "\",\"depreciation\":\"");
    at = PutAmountCents(at, row.amountCents);
    at = Put(at, "\",\"basis\":\"");
    at = PutAmountCents(at, row.basisCents);
    return Put(at, "\"}");
}

}  // namespace

void AppendJsonReport(std::string& out, const CalcResult& result,
                      const std::vector<Message>& messages) {
    // Room for a row's names and punctuation, two whole numbers and two amounts.
    std::array<char, 64 + 2 * 12 + 2 * kAmountChars> line;
    out += "\"rows\":[";
    const char* separator = "";
    for (const ScheduleRow& row : result.schedule.rows) {
        out += separator;
        separator = ",";
        out.append(line.data(),
                   static_cast<std::size_t>(PutJsonRow(line.data(), row) - line.data()));
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
    // What year 1 took before the tables, apart from the rows.
    out += "],\"allowance_rate\":";
    out += result.allowanceRate ? std::to_string(*result.allowanceRate) : "null";
    out += ",\"allowance\":\"";
    AppendAmountCents(out, result.allowanceCents);
    out += "\",\"section_179\":\"";
    AppendAmountCents(out, result.section179Cents);
    out += "\"}\n";
}

std::string JsonReport(const CalcResult& result, const std::vector<Message>& messages) {
    std::string out = "{";
    AppendJsonReport(out, result, messages);
    return out;
}

}  // namespace pellory::cli
