#include "autolimits/AnsiText.h"

#include <array>
#include <cstdint>

#include "controls/Utf8.h"

namespace pellory::ansi {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80U && byte <= 0x9FU) {
        return kHighControls[byte - 0x80U];
    }
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
    const auto put = [&out](std::uint32_t value) { out.push_back(static_cast<char>(value)); };
    const auto value = static_cast<std::uint32_t>(cp);
    if (value < 0x80U) {
        put(value);
    } else if (value < 0x800U) {
        put(0xC0U | (value >> 6U));
        put(0x80U | (value & 0x3FU));
    } else if (value < 0x10000U) {
        put(0xE0U | (value >> 12U));
        put(0x80U | ((value >> 6U) & 0x3FU));
        put(0x80U | (value & 0x3FU));
    } else {
        put(0xF0U | (value >> 18U));
        put(0x80U | ((value >> 12U) & 0x3FU));
        put(0x80U | ((value >> 6U) & 0x3FU));
        put(0x80U | (value & 0x3FU));
    }
}

char ByteOf(char32_t cp) {
    if (cp < 0x80U || (cp >= 0xA0U && cp <= 0xFFU)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            return static_cast<char>(0x80U + i);
        }
    }
    return '?';
}

}  // namespace

std::string FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const auto& character : utf8::Characters(text)) {
        out.push_back(ByteOf(utf8::CodePoint(character)));
    }
    return out;
}

std::string ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(byte)));
    }
    return out;
}

}  // namespace pellory::ansi
