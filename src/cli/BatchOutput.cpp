#include "cli/BatchOutput.h"

#include <array>
#include <charconv>
#include <concepts>
#include <cstdint>

#include "engine/Schedule.h"
#include "formats/CsvWriter.h"

namespace pellory::cli {

namespace {

// Each appends to `out`, whose growth is kept between rows.

// A whole number, in decimal.
template <std::integral Whole>
void Number(std::string& out, Whole value) {
    std::array<char, 24> digits;
    out.append(digits.data(), std::to_chars(digits.begin(), digits.end(), value).ptr);
}

// An amount in cents as a plain number: 4400.00, 0.00, -12.50.
void PlainAmount(std::string& out, std::int64_t cents) {
    const std::uint64_t magnitude =
        cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    if (cents < 0) {
        out += '-';
    }
    Number(out, magnitude / 100);
    out += '.';
    out += static_cast<char>('0' + magnitude % 100 / 10);
    out += static_cast<char>('0' + magnitude % 10);
}

// The status line, then each message box as "title: text", a line each.
void CsvStatus(std::string& out, const CalcResult& result, const std::vector<Message>& messages) {
    std::string status = result.status;
    for (const Message& m : messages) {
        status += (status.empty() ? "" : "\n") + m.title + ": " + m.text;
    }
    AppendCsvField(out, status);
}

// The id and line that start each of a row's records.
std::string CsvStart(long line, std::string_view id) {
    std::string start;
    AppendCsvField(start, id);
    return start + ',' + std::to_string(line) + ',';
}

void JsonStart(std::string& out, long line, std::string_view id) {
    out += "{\"line\":";
    Number(out, line);
    out += ",\"id\":";
    AppendJsonString(out, id);
}

}  // namespace

void WriteHeader(std::string& out, BatchFormat format) {
    if (format == BatchFormat::Csv) {
        out += "id,line,recovery_year,year,depreciation,adj_tax_basis,status\n";
    }
}

void WriteComputed(std::string& out, BatchFormat format, long line, std::string_view id,
                   const CalcResult& result, const std::vector<Message>& messages) {
    if (format == BatchFormat::Jsonl) {
        JsonStart(out, line, id);
        out += ',';
        AppendJsonReport(out, result, messages);
        return;
    }
    const std::string start = CsvStart(line, id);
    std::string status;
    CsvStatus(status, result, messages);
    const std::vector<ScheduleRow>& rows = result.schedule.rows;
    for (const ScheduleRow& row : rows) {
        out += start;
        Number(out, row.recoveryYear);
        out += ',';
        Number(out, row.calendarYear);
        out += ',';
        PlainAmount(out, row.amountCents);
        out += ',';
        PlainAmount(out, row.basisCents);
        out += ',';
        out += status;
        out += '\n';
    }
    if (rows.empty()) {
        out += start + ",,,," + status + '\n';
    }
}

void WriteRefused(std::string& out, BatchFormat format, long line, std::string_view id,
                  const std::string& reason) {
    if (format == BatchFormat::Jsonl) {
        JsonStart(out, line, id);
        out += ",\"error\":";
        AppendJsonString(out, reason);
        out += "}\n";
    } else {
        out += CsvStart(line, id) + ",,,,";
        AppendCsvField(out, reason);
        out += '\n';
    }
}

}  // namespace pellory::cli
