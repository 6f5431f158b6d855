#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace pellory {

// A fixed-width text field of a record: exactly N single-byte characters as they stand in the
// file. A value is left-aligned and padded with blanks; a longer one is cut to the width.
template <std::size_t N>
class FixedText {
  public:
    static constexpr std::size_t kWidth = N;

    FixedText() { bytes_.fill(' '); }

    // Stores a UTF-8 text: converted to the file's code page, padded with blanks or cut.
    void Assign(std::string_view text);
    // Every character as stored (blanks and zero bytes included), as UTF-8.
    std::string Text() const;
    // What a box shows: the text up to the first zero byte, without leading and trailing blanks.
    std::string Trimmed() const;

    const std::array<char, N>& Bytes() const { return bytes_; }
    std::array<char, N>& Bytes() { return bytes_; }

    bool operator==(const FixedText&) const = default;

  private:
    std::array<char, N> bytes_{};
};

// The caps of one tax year: 24 bytes on disk, fields in this order.
struct AutoLimitRecord {
    static constexpr std::size_t kLength = 24;
    using Bytes = std::array<char, kLength>;

    FixedText<4> Year;
    FixedText<5> FirstYearMax;
    FixedText<5> SecondYearMax;
    FixedText<5> ThirdYearMax;
    FixedText<5> FourthYearMax;

    Bytes ToBytes() const;
    // A short span (the end of the file) reads as zero bytes for what is missing.
    static AutoLimitRecord FromBytes(std::span<const char> bytes);

    bool operator==(const AutoLimitRecord&) const = default;
};

}  // namespace pellory
