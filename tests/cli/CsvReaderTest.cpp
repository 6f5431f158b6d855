#include <gtest/gtest.h>

#include <sstream>

#include "cli/CsvReader.h"

namespace pellory::cli {
namespace {

using Records = std::vector<std::vector<std::string>>;

// Every record of `text` with its number as a first field, then the problem if reading fails.
Records ReadAll(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    CsvRecord record;
    Records out;
    for (;;) {
        switch (reader.Next(record)) {
            case CsvReader::Result::End:
                return out;
            case CsvReader::Result::Malformed:
                out.push_back({reader.Problem()});
                return out;
            case CsvReader::Result::Record:
                out.push_back({std::to_string(record.number)});
                out.back().insert(out.back().end(), record.fields.begin(), record.fields.end());
        }
    }
}

TEST(CsvReader, ReadsRecordsAsSpreadsheetsWriteThem) {
    const struct {
        const char* name;
        std::string text;
        Records records;
    } cases[] = {
        {"plain, no final line break", "a,b\n1,2", {{"1", "a", "b"}, {"2", "1", "2"}}},
        {"CRLF, a lone CR and empty cells",
         "a,,\r\n,,\r\r\n",
         {{"1", "a", "", ""}, {"2", "", "", ""}, {"3", ""}}},
        {"byte-order mark", "\xEF\xBB\xBFid,cost\n", {{"1", "id", "cost"}}},
        {"quoted comma, doubled quotes, empty quoted field",
         "\"Automobiles, Clean Fuel (5)\",\"Desk \"\"oak\"\"\",\"\"\n",
         {{"1", "Automobiles, Clean Fuel (5)", "Desk \"oak\"", ""}}},
        {"a quoted line break counts as one record",
         "\"Press\nline 2\",\"x\r\ny\"\nnext\n",
         {{"1", "Press\nline 2", "x\r\ny"}, {"2", "next"}}},
        {"blanks and UTF-8 kept", " a , \xCE\xA9 \n", {{"1", " a ", " \xCE\xA9 "}}},
        {"unclosed quote",
         "a\n\"b,c\nd\n",
         {{"1", "a"}, {"line 2: a quoted field is not closed by the end of the file"}}},
        {"quote inside an unquoted field",
         "a\nab\"c\n",
         {{"1", "a"},
          {"line 2: a quote inside an unquoted field (a field with quotes is quoted whole, each "
           "of its quotes doubled)"}}},
        {"text after a closing quote",
         "\"ab\"c\n",
         {{"line 1: text after the closing quote of a field"}}},
        {"broken byte-order mark",
         "\xEF\xBB"
         "a\n",
         {{"line 1: the file starts with a broken byte-order mark"}}},
        {"the longest record",
         std::string(CsvReader::kMaxRecordBytes - 1, 'x'),
         {{"1", std::string(CsvReader::kMaxRecordBytes - 1, 'x')}}},
        {"overlong record",
         "\"" + std::string(CsvReader::kMaxRecordBytes + 1, 'x'),
         {{"line 1: a record longer than 1048576 bytes"}}},
        {"empty input", "", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadAll(c.text), c.records) << c.name;
    }
}

}  // namespace
}  // namespace pellory::cli
