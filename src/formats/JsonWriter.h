#pragma once

#include <string>
#include <string_view>

namespace pellory {

// A JSON string literal of `text`, added to `out`: quotes, backslashes and control characters
// escaped; bytes that are not UTF-8 become U+FFFD, so that the output is always UTF-8.
void AppendJsonString(std::string& out, std::string_view text);
std::string JsonString(std::string_view text);

}  // namespace pellory
