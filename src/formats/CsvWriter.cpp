#include "formats/CsvWriter.h"

namespace pellory {

void AppendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (std::size_t from = 0;;) {
        const std::size_t quote = text.find('"', from);
        out.append(text.substr(from, quote == std::string_view::npos ? quote : quote + 1 - from));
        if (quote == std::string_view::npos) {
            break;
        }
        out += '"';  // doubled
        from = quote + 1;
    }
    out += '"';
}

}  // namespace pellory
