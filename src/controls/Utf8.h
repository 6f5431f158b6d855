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

// The text split into its characters, each as its own UTF-8 string; bytes that are not valid
// UTF-8 become U+FFFD.
std::vector<std::string> Characters(std::string_view text);

// The code point of a one-character UTF-8 string.
char32_t CodePoint(std::string_view character);

}  // namespace pellory::utf8
