#include "controls/Typing.h"

#include <algorithm>
#include <cctype>

#include "controls/Controls.h"
#include "controls/Utf8.h"

namespace pellory {

bool TypePlain(EditText& box, int maxLength, int keyAscii, const std::string& character) {
    std::string& text = box.text;
    int& selStart = box.selStart;
    int& selLength = box.selLength;
    const auto length = static_cast<int>(utf8::Length(text));
    selStart = std::clamp(selStart, 0, length);
    selLength = std::clamp(selLength, 0, length - selStart);
    const auto start = static_cast<std::size_t>(selStart);
    const auto count = static_cast<std::size_t>(selLength);
    if (keyAscii == kKeyBackspace) {
        if (count > 0) {
            text = utf8::Mid(text, 0, start) + utf8::Mid(text, start + count);
        } else if (start > 0) {
            text = utf8::Mid(text, 0, start - 1) + utf8::Mid(text, start);
            --selStart;
        }
        selLength = 0;
        return true;
    }
    if (keyAscii < 32) {
        return false;  // other control keys put nothing in a one-line box
    }
    if (maxLength > 0 && length - selLength + 1 > maxLength) {
        return false;
    }
    if (start + count == static_cast<std::size_t>(length) && (start == 0 || count == 0)) {
        // The caret at the end, or the whole text selected, as typing mostly has it.
        text.resize(start == 0 ? 0 : text.size());
        text += character;
    } else {
        text = utf8::Mid(text, 0, start) + character + utf8::Mid(text, start + count);
    }
    selStart += 1;
    selLength = 0;
    return true;
}

namespace {

// Backspace in a masked box: the selection's places blanked, or the place before the caret.
void EraseMasked(EditText& box, std::string_view mask, char prompt) {
    const auto isSlot = [&](int i) { return mask[static_cast<std::size_t>(i)] == '#'; };
    int from = box.selStart;
    int to = box.selStart + box.selLength;
    if (box.selLength == 0) {
        from = box.selStart - 1;
        while (from >= 0 && !isSlot(from)) {
            --from;
        }
        if (from < 0) {
            return;
        }
        to = from + 1;
    }
    for (int i = from; i < to; ++i) {
        if (isSlot(i)) {
            box.text[static_cast<std::size_t>(i)] = prompt;
        }
    }
    box.selStart = from;
    box.selLength = 0;
}

// A literal typed where it stands steps over it. Typed after part of the digits before it ("3/"
// in a month), it moves them to the right of their part, led by zeros, and steps over it ("03/").
bool StepOverLiteral(EditText& box, std::string_view mask, char prompt, char c) {
    const auto at = static_cast<std::size_t>(box.selStart);
    if (at < mask.size() && mask[at] != '#' && c == mask[at]) {
        box.selStart += 1;
        return true;
    }
    const std::size_t literal = mask.find_first_not_of('#', at);
    if (literal == std::string_view::npos || mask[literal] != c) {
        return false;
    }
    const std::size_t before = mask.find_last_not_of('#', literal - 1);
    const std::size_t start = before == std::string_view::npos ? 0 : before + 1;
    const std::size_t typed = at - start;
    const std::string digits = box.text.substr(start, typed);
    if (typed == 0 || digits.find(prompt) != std::string::npos ||
        box.text.find_first_not_of(prompt, at) < literal) {
        return false;
    }
    box.text.replace(start, literal - start, std::string(literal - start - typed, '0') + digits);
    box.selStart = static_cast<int>(literal) + 1;
    return true;
}

}  // namespace

bool TypeMasked(EditText& box, std::string_view mask, char prompt, int keyAscii,
                const std::string& character) {
    std::string& text = box.text;
    int& selStart = box.selStart;
    int& selLength = box.selLength;
    const auto size = static_cast<int>(mask.size());
    selStart = std::clamp(selStart, 0, size);
    selLength = std::clamp(selLength, 0, size - selStart);
    const auto isSlot = [&](int i) { return mask[static_cast<std::size_t>(i)] == '#'; };
    if (keyAscii == kKeyBackspace) {
        EraseMasked(box, mask, prompt);
        return true;
    }
    if (keyAscii < 32 || character.size() != 1) {
        return false;
    }
    const char c = character[0];
    // Typing over a selection first blanks it.
    for (int i = selStart; i < selStart + selLength; ++i) {
        if (isSlot(i)) {
            text[static_cast<std::size_t>(i)] = prompt;
        }
    }
    selLength = 0;
    if (StepOverLiteral(box, mask, prompt, c)) {
        return true;
    }
    int pos = selStart;
    if (pos > 0 && !isSlot(pos - 1) && c == mask[static_cast<std::size_t>(pos - 1)]) {
        return true;  // the caret already stepped over that literal
    }
    while (pos < size && !isSlot(pos)) {
        ++pos;
    }
    if (pos >= size || std::isdigit(static_cast<unsigned char>(c)) == 0) {
        return false;
    }
    text[static_cast<std::size_t>(pos)] = c;
    ++pos;
    while (pos < size && !isSlot(pos)) {
        ++pos;
    }
    selStart = pos;
    return true;
}

}  // namespace pellory
