#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pellory::utf8 {

// Number of characters (code points) in a UTF-8 text.
std::size_t Length(std::string_view text);

// Byte offset of the character at index `chars` (the text's size when past the end).
std::size_t Offset(std::string_view text, std::size_t chars);

// The characters of `text` from index `first`, at most `count` of them.
std::string Mid(std::string_view text, std::size_t first, std::size_t count = std::string::npos);

// The UTF-8 of U+FFFD, which stands for bytes that are not valid UTF-8.
inline constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The bytes of the character that starts at byte `pos` (not past the end): a whole UTF-8
// sequence, or the bytes that do not form one (a stray byte, a lead byte whose next byte makes
// an overlong form, a surrogate or a code point above U+10FFFF, or a sequence cut short), which
// stand for one U+FFFD and leave `valid` false.
std::string_view NextCharacter(std::string_view text, std::size_t pos, bool& valid);

// The text split into its characters, each as its own UTF-8 string; bytes that are not valid
// UTF-8 become U+FFFD.
std::vector<std::string> Characters(std::string_view text);

// The code point of a one-character UTF-8 string.
char32_t CodePoint(std::string_view character);

}  // namespace pellory::utf8
