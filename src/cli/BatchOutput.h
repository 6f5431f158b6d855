#pragma once

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

}  // namespace pellory::cli
