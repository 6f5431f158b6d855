#include "formats/JsonWriter.h"

#include <cstdio>

#include "controls/Utf8.h"

namespace pellory {

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t copied = 0;  // the bytes before it are in `out`
    bool valid = true;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t size = c < 0x80 ? 1 : utf8::NextCharacter(text, i, valid).size();
        if (c < 0x80 ? c >= 0x20 && c != '"' && c != '\\' : valid) {
            i += size;  // as it stands
            continue;
        }
        out.append(text, copied, i - copied);
        i += size;
        copied = i;
        if (c >= 0x80) {
            out += utf8::kReplacement;  // JSON is UTF-8 whatever bytes it is given
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : escaped;
        }
    }
    out.append(text, copied);
    out += '"';
}

std::string JsonString(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

}  // namespace pellory
