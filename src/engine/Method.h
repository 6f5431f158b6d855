#pragma once

#include <cstdint>
#include <string_view>

namespace pellory {

// The depreciation methods of the method list.
enum class Method { None, Ads, Amortize, Macrs, StraightLine };

// The methods in the order the method list offers them.
inline constexpr Method kMethodList[] = {Method::Ads, Method::Amortize, Method::Macrs,
                                         Method::StraightLine};

// The method a text of the method list names ("ADS", "Amortize", "MACRS", "Straight Line");
// None for any other text.
Method MethodOf(std::string_view text);
// The list's text of a method; empty for None.
std::string_view MethodName(Method method);

// Straight Line and Amortize: a life, no convention, no class.
inline bool IsStraightLine(Method method) {
    return method == Method::StraightLine || method == Method::Amortize;
}
// MACRS and ADS: lives and classes from the catalogues, a convention.
inline bool HasClasses(Method method) {
    return method == Method::Macrs || method == Method::Ads;
}

// The averaging convention of a calculation: the index of the chosen convention button, or
// None when the convention frame is disabled. The numbers are the shared value's codes.
enum class AveragingConvention : std::int16_t {
    HalfYear = 0,
    MidQuarter = 1,
    MidMonth = 2,
    None = 3
};

// The caption of a convention's button ("Half Year", "Mid Quarter", "Mid Month"); empty for
// None and for a value outside the codes.
std::string_view ConventionName(AveragingConvention convention);

}  // namespace pellory
