#include "print/ReportText.h"

#include <cstdio>

#include "controls/Utf8.h"
#include "engine/Numbers.h"
#include "platform/RuntimeError.h"

namespace pellory {

std::string RightAligned(std::string_view text, std::size_t width) {
    std::size_t length = utf8::Length(text);
    while (length > width && !text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
        --length;
    }
    return std::string(width > length ? width - length : 0, ' ') + std::string(text);
}

std::string ReportAmount(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    double value = 0.0;
    try {
        value = StrictNumber(text);
    } catch (const RuntimeError&) {
        return std::string(text);  // not a number: shown as typed
    }
    return FormatPrintAmount(value);
}

std::string ReportDate(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.month % 100, date.day % 100,
                  date.year % 10000);
    return text;
}

}  // namespace pellory
