#pragma once

#include <string>
#include <string_view>

namespace pellory::ansi {

// The record files hold single-byte text in the Windows ANSI code page (1252); the windows hold
// UTF-8. A character the code page lacks is written as "?". The five byte values 1252 leaves
// unassigned map to the control characters of the same value, so every byte reads back.
std::string FromUtf8(std::string_view text);
std::string ToUtf8(std::string_view bytes);

}  // namespace pellory::ansi
