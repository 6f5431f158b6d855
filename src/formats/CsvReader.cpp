#include "formats/CsvReader.h"

#include <algorithm>
#include <ios>
#include <string_view>

namespace pellory {

namespace {

constexpr int kEof = std::char_traits<char>::eof();
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

CsvReader::Result CsvReader::Next(CsvRecord& record) {
    if (ended_) {
        return problem_.empty() ? Result::End : Result::Malformed;
    }
    try {
        if (!started_) {
            started_ = true;
            if (Peek() == static_cast<unsigned char>(kByteOrderMark[0])) {
                for (const char byte : kByteOrderMark) {
                    if (Get() != static_cast<unsigned char>(byte)) {
                        number_ = 1;
                        Fail("the file starts with a broken byte-order mark");
                        return Result::Malformed;
                    }
                }
            }
        }
        return ReadRecord(record);
    } catch (const std::ios_base::failure& error) {
        // A file stream reports a failed read by throwing from its buffer; a read that fails
        // before any record was reading the first.
        number_ = std::max(number_, 1L);
        Fail("the input could not be read (" + error.code().message() + ")");
        return Result::Malformed;
    }
}

CsvReader::Result CsvReader::ReadRecord(CsvRecord& record) {
    ++number_;  // a failed read names the record it was reading
    if (Peek() == kEof) {
        --number_;
        ended_ = true;
        return Result::End;
    }
    record.number = number_;
    bytes_ = 0;
    std::size_t count = 0;
    int end = ',';
    while (end == ',') {
        if (count == record.fields.size()) {
            record.fields.emplace_back();
        }
        std::string& field = record.fields[count++];
        field.clear();
        if (!Grow() || !ReadField(field, end)) {  // a field's separator counts too
            return Result::Malformed;
        }
    }
    record.fields.resize(count);
    ended_ = end == kEof;
    return Result::Record;
}

bool CsvReader::ReadField(std::string& field, int& end) {
    int c = Get();
    if (c == '"') {
        return ReadQuoted(field, end);
    }
    for (;; c = Get()) {
        if (EndsField(c, end)) {
            return true;
        }
        if (c == '"') {
            return Fail(
                "a quote inside an unquoted field (a field with quotes is quoted whole, each of "
                "its quotes doubled)");
        }
        if (!Grow()) {
            return false;
        }
        field += static_cast<char>(c);
    }
}

bool CsvReader::ReadQuoted(std::string& field, int& end) {
    for (int c = Get();; c = Get()) {
        if (c == kEof) {
            return Fail("a quoted field is not closed by the end of the file");
        }
        if (c == '"') {
            c = Get();
            if (EndsField(c, end)) {
                return true;
            }
            if (c != '"') {
                return Fail("text after the closing quote of a field");
            }
        }
        if (!Grow()) {
            return false;
        }
        field += static_cast<char>(c);
    }
}

int CsvReader::LineBreak(int c) {
    if (c == '\r' && Peek() == '\n') {
        Get();
    }
    return '\n';
}

bool CsvReader::TooLong() {
    return Fail("a record longer than " + std::to_string(kMaxRecordBytes) + " bytes");
}

bool CsvReader::Fail(const std::string& what) {
    ended_ = true;
    problem_ = "line " + std::to_string(number_) + ": " + what;
    return false;
}

}  // namespace pellory
