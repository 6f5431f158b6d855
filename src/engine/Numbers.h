#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pellory {

// The numeric value of a text: the number its leading characters spell (blanks skipped, an
// optional sign, digits with at most one decimal point, an optional exponent); 0 when none.
double Val(std::string_view text);

// The number a whole text spells (blanks around it allowed); anything else raises
// "Type mismatch", as does an empty text.
double StrictNumber(std::string_view text);

// True for digits with at most one decimal point and at least one digit: the only money or
// life text a calculation can use.
bool IsPlainNumber(std::string_view text);

// `value` x 10^decimals brought to a whole number, an exact half going to the even neighbour.
// The half is judged on the value's decimal form to 15 significant digits, so 0.125 is an exact
// half cent. Raises "Overflow" past the range of 64 bits. Every amount shown or added up is
// rounded this one way.
std::int64_t ScaledRound(double value, int decimals);

// Rounding to `decimals` places, an exact half going to the even neighbour.
double RoundHalfEven(double value, int decimals);

// A whole number as the 16-bit conversion gives it: half to even; "Overflow" outside the range.
std::int16_t ToInt16(double value);

// Division as the calculations do it: by zero raises "Division by zero" (0 / 0 "Overflow"), and
// a result too large for a double raises "Overflow".
double Divide(double numerator, double denominator);
// A product that leaves the range of a double raises "Overflow".
double Multiply(double a, double b);

// Plain decimal text of a number: no grouping, as many decimals as it needs, 15 significant
// digits at most ("85000", "1234.56", "0.5", "-500").
std::string PlainText(double value);

// "###,###.00 ": grouped, two decimals, no digit before the point below 1, one trailing blank.
std::string FormatAmount(double value);
// The same for an amount held in cents.
std::string FormatAmountCents(std::int64_t cents);
// The same, added to `out`.
void AppendAmountCents(std::string& out, std::int64_t cents);
// The most characters an amount's text takes: sign, 19 digits, 6 commas, ".00 ".
inline constexpr std::size_t kAmountChars = 32;
// The same, written at `at`, which has room for kAmountChars; returns its end.
char* PutAmountCents(char* at, std::int64_t cents);

// "###,###,###,###": grouped whole number; empty for zero.
std::string FormatWhole(double value);

// "###,###,###,###.00": grouped, two decimals, no trailing blank.
std::string FormatPrintAmount(double value);

}  // namespace pellory
