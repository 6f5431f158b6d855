#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace pellory {

// One record of a CSV file: its fields and its number in the file (the first record is 1; a
// record whose quoted field holds a line break still counts once).
struct CsvRecord {
    std::vector<std::string> fields;
    long number = 0;
};

// Reads comma-separated values one record at a time (RFC 4180: double-quoted fields with doubled
// quotes, quoted commas and line breaks, records ended by LF, CRLF or CR, UTF-8 with or without
// a byte-order mark), so that memory stays flat whatever the file's length.
class CsvReader {
  public:
    enum class Result { Record, End, Malformed };

    // A record longer than this is refused rather than held in memory: only an unclosed quote
    // makes one in a register.
    static constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;

    explicit CsvReader(std::istream& in) : in_(*in.rdbuf()) {}

    // Reads the next record into `record`, reusing its storage. Malformed: a quote inside an
    // unquoted field, text after a closing quote, a quoted field not closed by the end of the
    // file, an overlong record or an input that cannot be read; Problem() says which and where,
    // and reading ends.
    Result Next(CsvRecord& record);
    const std::string& Problem() const { return problem_; }

  private:
    Result ReadRecord(CsvRecord& record);
    // Whether `c` ends a field (',', a line break or EOF), setting `end` to say which.
    bool EndsField(int c, int& end) {
        if (c == ',' || c == std::char_traits<char>::eof()) {
            end = c;
            return true;
        }
        if (c == '\n' || c == '\r') {
            end = LineBreak(c);
            return true;
        }
        return false;
    }
    // Reads one field into `field`; the character that ended it (',', '\n' or EOF) in `end`.
    bool ReadField(std::string& field, int& end);
    bool ReadQuoted(std::string& field, int& end);
    // Counts one more byte of the record; false, and reading ends, once it is too long.
    bool Grow() { return ++bytes_ <= kMaxRecordBytes || TooLong(); }
    bool TooLong();
    bool Fail(const std::string& what);
    int Get() { return in_.sbumpc(); }
    int Peek() { return in_.sgetc(); }
    int LineBreak(int c);

    std::streambuf& in_;
    long number_ = 0;
    std::size_t bytes_ = 0;
    bool started_ = false;
    bool ended_ = false;
    std::string problem_;
};

}  // namespace pellory
