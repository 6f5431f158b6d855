#include "engine/MonthYear.h"

namespace pellory {

std::optional<MonthYear> ReadMonthYear(std::string_view text) {
    if (text.size() != 7 || text[2] != '/') {
        return std::nullopt;
    }
    int month = 0;
    int year = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 2) {
            continue;
        }
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        (i < 2 ? month : year) = (i < 2 ? month : year) * 10 + (c - '0');
    }
    if (month < 1 || month > 12) {
        return std::nullopt;
    }
    return MonthYear{month, year};
}

}  // namespace pellory
