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

// The most characters a whole number or a plain amount takes.
constexpr std::size_t kNumberChars = 24;

// A whole number in decimal, written at `at`; its end.
template <std::integral Whole>
char* PutNumber(char* at, Whole value) {
    return std::to_chars(at, at + kNumberChars, value).ptr;
}

// An amount in cents as a plain number (4400.00, 0.00, -12.50), written at `at`; its end.
char* PutPlainAmount(char* at, std::int64_t cents) {
    const std::uint64_t magnitude =
        cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    if (cents < 0) {
        *at++ = '-';
    }
    at = PutNumber(at, magnitude / 100);
    *at++ = '.';
    *at++ = static_cast<char>('0' + magnitude % 100 / 10);
    *at++ = static_cast<char>('0' + magnitude % 10);
    return at;
}

// A whole number, in decimal.
template <std::integral Whole>
void Number(std::string& out, Whole value) {
    std::array<char, kNumberChars> digits;
    out.append(digits.data(),
               static_cast<std::size_t>(PutNumber(digits.data(), value) - digits.data()));
}

// A schedule row's recovery year, year, amount and basis, each followed by a comma.
void CsvRowFields(std::string& out, const ScheduleRow& row) {
    std::array<char, 4 * (kNumberChars + 1)> fields;
    char* at = fields.data();
    at = PutNumber(at, row.recoveryYear);
    *at++ = ',';
    at = PutNumber(at, row.calendarYear);
    *at++ = ',';
    at = PutPlainAmount(at, row.amountCents);
    *at++ = ',';
    at = PutPlainAmount(at, row.basisCents);
    *at++ = ',';
    out.append(fields.data(), static_cast<std::size_t>(at - fields.data()));
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
        CsvRowFields(out, row);
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

void AddToTotals(RegisterTotals& totals, const CalcResult& result) {
    const std::vector<ScheduleRow>& rows = result.schedule.rows;
    if (rows.empty()) {
        return;
    }
    YearTotals& placed = totals[rows.front().calendarYear];
    placed.section179 += result.section179Cents;
    placed.allowance += result.allowanceCents;
    for (const ScheduleRow& row : rows) {
        totals[row.calendarYear].depreciation += row.amountCents;
    }
}

void WriteTotals(std::string& out, BatchFormat format, const RegisterTotals& totals) {
    const bool csv = format == BatchFormat::Csv;
    if (csv) {
        out += "year,depreciation,section_179,allowance\n";
    }
    std::array<char, kNumberChars + 1> amount;
    const auto put = [&](std::int64_t cents) {
        out.append(amount.data(),
                   static_cast<std::size_t>(PutPlainAmount(amount.data(), cents) - amount.data()));
    };
    for (const auto& [year, sums] : totals) {
        out += csv ? "" : "{\"year\":\"";
        Number(out, year);
        out += csv ? "," : "\",\"depreciation\":\"";
        put(sums.depreciation);
        out += csv ? "," : "\",\"section_179\":\"";
        put(sums.section179);
        out += csv ? "," : "\",\"allowance\":\"";
        put(sums.allowance);
        out += csv ? "\n" : "\"}\n";
    }
}

}  // namespace pellory::cli
