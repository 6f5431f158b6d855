#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CalcDriver.h"
#include "cli/CalcOptions.h"

namespace pellory::cli {

// The batch's output before its first row: the CSV header, nothing for JSON lines.
void WriteHeader(std::string& out, BatchFormat format);

// Each appends to `out`.

// A computed row of the register: the JSON object of a single run's --json with the row's line
// and id first, or one CSV record per written grid row (one with the year fields empty when
// none is written) whose status is the status line followed by the message boxes.
void WriteComputed(std::string& out, BatchFormat format, long line, std::string_view id,
                   const CalcResult& result, const std::vector<Message>& messages);

// A refused row: its line, id and the reason, in place of the result.
void WriteRefused(std::string& out, BatchFormat format, long line, std::string_view id,
                  const std::string& reason);

// What the computed rows of a register take in one calendar year, in cents: all their
// depreciation, and of it the section 179 deductions and special allowances of the assets placed
// in service that year.
struct YearTotals {
    std::int64_t depreciation = 0;
    std::int64_t section179 = 0;
    std::int64_t allowance = 0;
};
using RegisterTotals = std::map<int, YearTotals>;

// Adds a computed row's schedule to the totals; a run without a schedule adds nothing.
void AddToTotals(RegisterTotals& totals, const CalcResult& result);

// The totals, a year to a line from the earliest: JSON objects, or CSV records after a header,
// the amounts written as the CSV rows write them.
void WriteTotals(std::string& out, BatchFormat format, const RegisterTotals& totals);

}  // namespace pellory::cli
