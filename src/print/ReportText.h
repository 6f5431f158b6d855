#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace pellory {

// `text` right-aligned in a field of `width` characters. A longer text loses trailing blanks
// until it fits, never a digit: it is printed whole rather than cut.
std::string RightAligned(std::string_view text, std::size_t width);

// The text of an amount box or label as the report shows it: a number with thousands grouped
// and two decimals ("###,###,###,###.00"), an empty text as nothing, any other text as it
// stands. An amount too large to format raises "Overflow".
std::string ReportAmount(std::string_view text);

// "mm/dd/yyyy".
std::string ReportDate(const CalendarDate& date);

}  // namespace pellory
