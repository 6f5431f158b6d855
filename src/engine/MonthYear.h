#pragma once

#include <optional>
#include <string_view>

namespace pellory {

struct MonthYear {
    int month;
    int year;
};

// A month/year box's text read as a full date: two digits of a month 01-12, the slash, four
// digits of a year. Nothing for an empty or partly typed box.
std::optional<MonthYear> ReadMonthYear(std::string_view text);

}  // namespace pellory
