#pragma once

#include <string>
#include <string_view>

namespace pellory {

// A CSV field added to `out`: as it stands, or quoted (each of its quotes doubled) when it holds
// a comma, a quote or a line break, so that CsvReader reads it back whole.
void AppendCsvField(std::string& out, std::string_view text);

}  // namespace pellory
