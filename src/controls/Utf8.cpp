#include "controls/Utf8.h"

namespace pellory::utf8 {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

}  // namespace

std::size_t Length(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if (!IsContinuation(static_cast<unsigned char>(c))) {
            ++count;
        }
    }
    return count;
}

std::size_t Offset(std::string_view text, std::size_t chars) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
            if (seen == chars) {
                return i;
            }
            ++seen;
        }
    }
    return text.size();
}

std::string Mid(std::string_view text, std::size_t first, std::size_t count) {
    const std::size_t begin = Offset(text, first);
    const std::size_t end = count == std::string::npos ? text.size() : Offset(text, first + count);
    return std::string(text.substr(begin, end - begin));
}

std::string_view NextCharacter(std::string_view text, std::size_t pos, bool& valid) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t extra = 0;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        extra = 1;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        extra = 2;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        extra = 3;
    } else if (lead >= 0x80U) {
        valid = false;  // a stray continuation or an invalid lead byte
        return text.substr(pos, 1);
    }
    // The second byte's range rules out overlong forms (E0, F0), UTF-16 surrogates (ED) and
    // code points above U+10FFFF (F4); bytes F5 to FF lead nothing.
    const unsigned char low = lead == 0xE0U ? 0xA0U : lead == 0xF0U ? 0x90U : 0x80U;
    const unsigned char high = lead == 0xEDU ? 0x9FU : lead == 0xF4U ? 0x8FU : 0xBFU;
    std::size_t end = pos + 1;
    if (extra > 0 && end < text.size()) {
        const auto second = static_cast<unsigned char>(text[end]);
        if (second < low || second > high) {
            valid = false;
            return text.substr(pos, 1);
        }
    }
    while (end < text.size() && end <= pos + extra &&
           IsContinuation(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    valid = end == pos + extra + 1;
    return text.substr(pos, end - pos);
}

std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> out;
    bool valid = true;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view character = NextCharacter(text, i, valid);
        // Bytes that do not form a character stand for the replacement character, never for a
        // control key.
        out.emplace_back(valid ? character : kReplacement);
        i += character.size();
    }
    return out;
}

char32_t CodePoint(std::string_view character) {
    if (character.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(character[0]);
    if (lead < 0x80U) {
        return lead;
    }
    std::size_t extra = 0;
    char32_t value = 0;
    if ((lead & 0xE0U) == 0xC0U) {
        extra = 1;
        value = lead & 0x1FU;
    } else if ((lead & 0xF0U) == 0xE0U) {
        extra = 2;
        value = lead & 0x0FU;
    } else {
        extra = 3;
        value = lead & 0x07U;
    }
    for (std::size_t i = 1; i <= extra && i < character.size(); ++i) {
        value = (value << 6U) | (static_cast<unsigned char>(character[i]) & 0x3FU);
    }
    return value;
}

}  // namespace pellory::utf8
