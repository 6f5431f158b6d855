#include "engine/Numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

#include "platform/RuntimeError.h"

namespace pellory {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a number from `text` starting at `pos`: sign, digits, point, digits, exponent. Returns
// the characters read with blanks removed and moves `pos` past them.
std::string ReadNumber(std::string_view text, std::size_t& pos, bool skipInnerBlanks) {
    std::string out;
    const auto skip = [&] {
        while (skipInnerBlanks && pos < text.size() && IsBlank(text[pos])) {
            ++pos;
        }
    };
    skip();
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        out += text[pos++];
        skip();
    }
    bool point = false;
    bool digits = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (IsDigit(c)) {
            digits = true;
            out += c;
        } else if (c == '.' && !point) {
            point = true;
            out += c;
        } else {
            break;
        }
        ++pos;
        skip();
    }
    if (!digits) {
        return {};
    }
    if (pos < text.size() &&
        (text[pos] == 'e' || text[pos] == 'E' || text[pos] == 'd' || text[pos] == 'D')) {
        std::size_t look = pos + 1;
        std::string exponent = "e";
        if (look < text.size() && (text[look] == '+' || text[look] == '-')) {
            exponent += text[look++];
        }
        if (look < text.size() && IsDigit(text[look])) {
            while (look < text.size() && IsDigit(text[look])) {
                exponent += text[look++];
            }
            out += exponent;
            pos = look;
        }
    }
    return out;
}

// Where an optional sign, then digits with at most one point, starting at `pos` end; `digits`
// says whether there was a digit among them.
std::size_t SignedDigitsEnd(std::string_view text, std::size_t pos, bool& digits) {
    std::size_t end = pos + (pos < text.size() && (text[pos] == '+' || text[pos] == '-') ? 1 : 0);
    bool point = false;
    for (; end < text.size() && (IsDigit(text[end]) || (text[end] == '.' && !point)); ++end) {
        point = point || text[end] == '.';
        digits = digits || text[end] != '.';
    }
    return end;
}

// The number at `pos` when it stands plainly in the text: an optional sign, then digits with at
// most one point, followed by neither a blank nor an exponent; ReadNumber reads the others.
// `pos` moves past it.
std::optional<std::string_view> PlainNumberAt(std::string_view text, std::size_t& pos) {
    bool digits = false;
    const std::size_t end = SignedDigitsEnd(text, pos, digits);
    const auto exponent = [](char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; };
    if (!digits || (end < text.size() && (IsBlank(text[end]) || exponent(text[end])))) {
        return std::nullopt;
    }
    const std::string_view number = text.substr(pos, end - pos);
    pos = end;
    return number;
}

// The number at `pos` when blanks follow it that nothing after them continues ("3060 ", as the
// record file pads an amount); Val reads it as ReadNumber would, without joining parts.
std::optional<std::string_view> PaddedNumberAt(std::string_view text, std::size_t pos) {
    bool digits = false;
    const std::size_t end = SignedDigitsEnd(text, pos, digits);
    std::size_t after = end;
    while (after < text.size() && IsBlank(text[after])) {
        ++after;
    }
    if (!digits || after == end) {
        return std::nullopt;
    }
    if (after < text.size()) {
        const char c = text[after];
        if (IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == 'd' || c == 'D') {
            return std::nullopt;
        }
    }
    return text.substr(pos, end - pos);
}

// The value of a number as ReadNumber gives it ([+-]digits[.digits][e[+-]digits]) when at
// most 19 significant digits scaled by at most 10^22 spell it: both are then exact doubles and
// one multiplication or division rounds their product correctly, as strtod rounds the text.
std::optional<double> ExactlyScaled(std::string_view number) {
    static constexpr std::array<double, 23> kPow10{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::size_t i = 0;
    const bool negative = !number.empty() && number[0] == '-';
    i += !number.empty() && (number[0] == '-' || number[0] == '+') ? 1 : 0;
    std::uint64_t digits = 0;
    int significant = 0;
    int scale = 0;
    bool point = false;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            point = true;
            continue;
        }
        if ((digits > 0 || number[i] != '0') && ++significant > 19) {
            return std::nullopt;
        }
        digits = digits * 10 + static_cast<std::uint64_t>(number[i] - '0');
        scale -= point ? 1 : 0;
    }
    if (i < number.size()) {  // the exponent after the "e"
        const bool down = number[++i] == '-';
        i += number[i] == '-' || number[i] == '+' ? 1 : 0;
        int exponent = 0;
        for (; i < number.size(); ++i) {
            exponent = exponent * 10 + (number[i] - '0');
            if (exponent > 1000) {
                return std::nullopt;  // far outside the exact range whatever the digits
            }
        }
        scale += down ? -exponent : exponent;
    }
    if (digits > (std::uint64_t{1} << 53) || scale < -22 || scale > 22) {
        return std::nullopt;
    }
    const double whole = static_cast<double>(digits);
    const double value = scale < 0 ? whole / kPow10[static_cast<std::size_t>(-scale)]
                                   : whole * kPow10[static_cast<std::size_t>(scale)];
    return negative ? -value : value;
}

double ParseDouble(std::string_view number) {
    if (const std::optional<double> exact = ExactlyScaled(number)) {
        return *exact;
    }
    // from_chars rounds as strtod does, correctly, and many times quicker; it takes no leading
    // '+' and leaves a value out of its range (too large, or too small to tell from 0) to strtod.
    const std::string_view text = number.substr(!number.empty() && number[0] == '+' ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        value = std::strtod(std::string(number).c_str(), nullptr);
    }
    if (!std::isfinite(value)) {
        Raise(err::kOverflow);
    }
    return value;
}

constexpr std::array<std::int64_t, 19> kPow10Table{1,
                                                   10,
                                                   100,
                                                   1000,
                                                   10000,
                                                   100000,
                                                   1000000,
                                                   10000000,
                                                   100000000,
                                                   1000000000,
                                                   10000000000,
                                                   100000000000,
                                                   1000000000000,
                                                   10000000000000,
                                                   100000000000000,
                                                   1000000000000000,
                                                   10000000000000000,
                                                   100000000000000000,
                                                   1000000000000000000};

// A 128-bit whole number, which GCC and Clang both provide.
__extension__ using Wide = unsigned __int128;

constexpr std::array<std::uint64_t, 28> kPow5 = [] {
    std::array<std::uint64_t, 28> powers{};
    std::uint64_t p = 1;
    for (auto& power : powers) {
        power = p;
        p *= 5;
    }
    return powers;
}();

struct Decimal {
    std::int64_t digits = 0;  // 15 significant digits
    int exponent = 0;         // value = digits x 10^(exponent - 14)
    bool negative = false;
};

// The same read from the printed form, for any finite value.
Decimal PrintedDecimal(double value, bool negative) {
    Decimal d;
    d.negative = negative;
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (IsDigit(text[i])) {
            d.digits = d.digits * 10 + (text[i] - '0');
        }
    }
    // The exponent after the "e", read in place: "+05", "-03".
    const char* exponent = text.data() + e + 1;
    if (*exponent == '+') {
        ++exponent;
    }
    std::from_chars(exponent, text.data() + text.size(), d.exponent);
    return d;
}

// The 15 significant digits of `magnitude` (finite, above 0) as the printed decimal form gives
// them, correctly rounded with a tie to the even digit, worked out exactly in whole numbers for
// magnitudes from 1e-13 to 1e15 (the mantissa times a power of five fits in 128 bits); none for
// others.
std::optional<Decimal> ExactDecimal(double magnitude) {
    if (!(magnitude >= 1e-13 && magnitude < 1e15)) {
        return std::nullopt;
    }
    int binary = 0;
    const double fraction = std::frexp(magnitude, &binary);  // magnitude = fraction x 2^binary
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int twos = binary - 53;  // magnitude = mantissa x 2^twos, twos below 0 here
    // A first guess of the decimal exponent, at most one too low; corrected below.
    int exponent = static_cast<int>(std::floor((binary - 1) * 0.30102999566398120));
    for (;;) {
        const int shift = 14 - exponent;  // magnitude x 10^shift lies near [10^14, 10^15)
        if (shift < 0 || shift > 27) {
            return std::nullopt;
        }
        const Wide scaled = Wide{mantissa} * kPow5[static_cast<std::size_t>(shift)];
        const int drop = -(shift + twos);  // bits below the point of magnitude x 10^shift
        if (drop <= 0 || drop >= 120) {
            return std::nullopt;
        }
        auto digits = static_cast<std::int64_t>(scaled >> drop);
        if (digits >= kPow10Table[15]) {
            ++exponent;
            continue;
        }
        if (digits < kPow10Table[14]) {
            --exponent;
            continue;
        }
        const Wide rest = scaled & ((Wide{1} << drop) - 1);
        const Wide half = Wide{1} << (drop - 1);
        if (rest > half || (rest == half && digits % 2 != 0)) {
            ++digits;
        }
        if (digits == kPow10Table[15]) {
            digits = kPow10Table[14];
            ++exponent;
        }
        return Decimal{digits, exponent, false};
    }
}

Decimal ToDecimal(double value) {
    if (!std::isfinite(value)) {
        Raise(err::kOverflow);
    }
    const bool negative = std::signbit(value) && value != 0.0;
    if (std::optional<Decimal> exact = ExactDecimal(std::fabs(value))) {
        exact->negative = negative;
        return *exact;
    }
    return PrintedDecimal(value, negative);
}

constexpr std::int64_t Pow10(int n) {
    if (n >= 0 && n < static_cast<int>(kPow10Table.size())) {
        return kPow10Table[static_cast<std::size_t>(n)];
    }
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i) {
        p *= 10;
    }
    return p;
}

// Writes a whole number that is not negative, with a comma between each group of three digits,
// backwards so that it ends at `end`; returns where it starts.
char* PutGroupedBefore(char* end, std::uint64_t whole) {
    for (; whole >= 1000; whole /= 1000) {
        const auto group = static_cast<unsigned>(whole % 1000);
        *--end = static_cast<char>('0' + group % 10);
        *--end = static_cast<char>('0' + group / 10 % 10);
        *--end = static_cast<char>('0' + group / 100);
        *--end = ',';
    }
    auto lead = static_cast<unsigned>(whole);
    do {
        *--end = static_cast<char>('0' + lead % 10);
        lead /= 10;
    } while (lead != 0);
    return end;
}

void AppendGrouped(std::string& out, std::int64_t whole) {
    std::array<char, 32> buffer;
    const char* first = PutGroupedBefore(buffer.end(), static_cast<std::uint64_t>(whole));
    out.append(first, static_cast<std::size_t>(buffer.end() - first));
}

// "###,###.00" of an amount in cents, with the trailing blank when asked, written backwards so
// that it ends at `end`; returns where it starts.
char* PutCentsBefore(char* end, std::int64_t cents, bool trailingBlank) {
    const std::int64_t magnitude = cents < 0 ? -cents : cents;
    const std::int64_t whole = magnitude / 100;
    const auto fraction = static_cast<int>(magnitude % 100);
    if (trailingBlank) {
        *--end = ' ';
    }
    *--end = static_cast<char>('0' + fraction % 10);
    *--end = static_cast<char>('0' + fraction / 10);
    *--end = '.';
    if (whole > 0) {
        end = PutGroupedBefore(end, static_cast<std::uint64_t>(whole));
    }
    if (cents < 0) {
        *--end = '-';
    }
    return end;
}

void AppendCents(std::string& out, std::int64_t cents, bool trailingBlank) {
    std::array<char, kAmountChars> buffer;
    const char* first = PutCentsBefore(buffer.end(), cents, trailingBlank);
    out.append(first, static_cast<std::size_t>(buffer.end() - first));
}

std::string FormatCents(std::int64_t cents, bool trailingBlank) {
    std::string out;
    AppendCents(out, cents, trailingBlank);
    return out;
}

}  // namespace

double Val(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    if (const std::optional<std::string_view> plain = PlainNumberAt(text, pos)) {
        return ParseDouble(*plain);
    }
    if (const std::optional<std::string_view> padded = PaddedNumberAt(text, pos)) {
        return ParseDouble(*padded);
    }
    const std::string number = ReadNumber(text, pos, true);
    return number.empty() ? 0.0 : ParseDouble(number);
}

double StrictNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    const std::optional<std::string_view> plain = PlainNumberAt(text, pos);
    const std::string read = plain ? std::string() : ReadNumber(text, pos, false);
    const std::string_view number = plain ? *plain : std::string_view(read);
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    if (number.empty() || pos != text.size()) {
        Raise(err::kTypeMismatch);
    }
    return ParseDouble(number);
}

bool IsPlainNumber(std::string_view text) {
    bool point = false;
    bool digits = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

std::int64_t ScaledRound(double value, int decimals) {
    if (value == 0.0) {
        return 0;
    }
    // Below 10^12 units, the scaled value and its 15-digit decimal form lie within 0.0007 of a
    // unit of each other, so a fraction more than 0.001 away from one half rounds the same
    // either way; only the few near a half need the (slower) decimal form.
    if (decimals >= 0 && decimals <= 6) {
        const double scaled = std::fabs(value) * static_cast<double>(Pow10(decimals));
        if (scaled < 1e12) {
            const auto whole = static_cast<std::int64_t>(scaled);  // the floor: scaled >= 0
            const double fraction = scaled - static_cast<double>(whole);
            if (std::fabs(fraction - 0.5) > 1e-3) {
                const auto result = whole + (fraction > 0.5 ? 1 : 0);
                return value < 0 ? -result : result;
            }
        }
    }
    const Decimal d = ToDecimal(value);
    const int shift = d.exponent - 14 + decimals;
    std::int64_t result = 0;
    if (shift >= 0) {
        if (shift > 3) {  // 15 digits x 10^4 still fits; beyond that the amount is absurd
            Raise(err::kOverflow);
        }
        result = d.digits * Pow10(shift);
    } else if (-shift <= 16) {
        const std::int64_t unit = Pow10(-shift);
        const std::int64_t quotient = d.digits / unit;
        const std::int64_t remainder = d.digits % unit;
        const std::int64_t twice = remainder * 2;
        result = quotient;
        if (twice > unit || (twice == unit && quotient % 2 != 0)) {
            ++result;
        }
    }
    return d.negative ? -result : result;
}

double RoundHalfEven(double value, int decimals) {
    return static_cast<double>(ScaledRound(value, decimals)) / static_cast<double>(Pow10(decimals));
}

std::int16_t ToInt16(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 40000.0) {
        Raise(err::kOverflow);
    }
    const std::int64_t whole = ScaledRound(value, 0);
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max()) {
        Raise(err::kOverflow);
    }
    return static_cast<std::int16_t>(whole);
}

double Divide(double numerator, double denominator) {
    if (denominator == 0.0) {
        Raise(numerator == 0.0 ? err::kOverflow : err::kDivisionByZero);
    }
    const double result = numerator / denominator;
    if (!std::isfinite(result)) {
        Raise(err::kOverflow);
    }
    return result;
}

double Multiply(double a, double b) {
    const double result = a * b;
    if (!std::isfinite(result)) {
        Raise(err::kOverflow);
    }
    return result;
}

std::string PlainText(double value) {
    if (value == 0.0) {
        return "0";
    }
    const Decimal d = ToDecimal(value);
    std::string digits = std::to_string(d.digits);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string out = d.negative ? "-" : "";
    if (d.exponent >= 15) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        return out + "E+" + std::to_string(d.exponent);
    }
    if (d.exponent < 0) {
        return out + "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + digits;
    }
    const auto whole = static_cast<std::size_t>(d.exponent + 1);
    if (digits.size() <= whole) {
        return out + digits + std::string(whole - digits.size(), '0');
    }
    return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

std::string FormatAmount(double value) {
    return FormatCents(ScaledRound(value, 2), true);
}

std::string FormatAmountCents(std::int64_t cents) {
    return FormatCents(cents, true);
}

void AppendAmountCents(std::string& out, std::int64_t cents) {
    AppendCents(out, cents, true);
}

char* PutAmountCents(char* at, std::int64_t cents) {
    std::array<char, kAmountChars> buffer;
    const char* first = PutCentsBefore(buffer.end(), cents, true);
    const auto size = static_cast<std::size_t>(buffer.end() - first);
    std::memcpy(at, first, size);
    return at + size;
}

std::string FormatPrintAmount(double value) {
    return FormatCents(ScaledRound(value, 2), false);
}

std::string FormatWhole(double value) {
    const std::int64_t whole = ScaledRound(value, 0);
    if (whole == 0) {
        return {};
    }
    std::string out = whole < 0 ? "-" : "";
    AppendGrouped(out, whole < 0 ? -whole : whole);
    return out;
}

}  // namespace pellory
