#include "cli/BatchOutput.h"

#include "engine/Schedule.h"

namespace pellory::cli {

namespace {

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

// An amount in cents as a plain number: 4400.00, 0.00.
std::string PlainAmount(std::int64_t cents) {
    const std::int64_t magnitude = cents < 0 ? -cents : cents;
    return (cents < 0 ? "-" : "") + std::to_string(magnitude / 100) + '.' +
           std::to_string(100 + magnitude % 100).substr(1);
}

std::string CsvStatus(const FrmViewDepr& window, const std::vector<Message>& messages) {
    std::string status = window.stbMain.caption;
    for (const Message& m : messages) {
        status += (status.empty() ? "" : "\n") + m.title + ": " + m.text;
    }
    return CsvField(status);
}

std::string JsonStart(long line, std::string_view id) {
    return "{\"line\":" + std::to_string(line) + ",\"id\":" + JsonString(std::string(id));
}

}  // namespace

void WriteHeader(std::string& out, BatchFormat format) {
    if (format == BatchFormat::Csv) {
        out += "id,line,recovery_year,year,depreciation,adj_tax_basis,status\n";
    }
}

void WriteComputed(std::string& out, BatchFormat format, long line, std::string_view id,
                   const FrmViewDepr& window, const std::vector<Message>& messages) {
    if (format == BatchFormat::Jsonl) {
        const std::string report = JsonReport(window, messages);
        out += JsonStart(line, id);
        out += ',';
        out.append(report, 1);
        return;
    }
    const std::string start = CsvField(id) + ',' + std::to_string(line) + ',';
    const std::string status = CsvStatus(window, messages);
    const std::vector<ScheduleRow>& rows = window.depr.Result().rows;
    for (const ScheduleRow& row : rows) {
        out += start + std::to_string(row.recoveryYear) + ',' + std::to_string(row.calendarYear) +
               ',' + PlainAmount(row.amountCents) + ',' + PlainAmount(row.basisCents) + ',' +
               status + '\n';
    }
    if (rows.empty()) {
        out += start + ",,,," + status + '\n';
    }
}

void WriteRefused(std::string& out, BatchFormat format, long line, std::string_view id,
                  const std::string& reason) {
    if (format == BatchFormat::Jsonl) {
        out += JsonStart(line, id) + ",\"error\":" + JsonString(reason) + "}\n";
    } else {
        out += CsvField(id) + ',' + std::to_string(line) + ",,,,," + CsvField(reason) + '\n';
    }
}

}  // namespace pellory::cli
