#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace pellory::fuzz {

// Reads a fuzz input from the front: single bytes and short texts. Past the end every byte
// reads as 0 and every text as empty, so any input is a complete script.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    bool AtEnd() const { return pos_ >= data_.size(); }

    std::uint8_t Byte() { return AtEnd() ? 0 : data_[pos_++]; }

    // A number below `count` (count > 0).
    int Below(int count) { return Byte() % count; }

    // A length byte, then that many bytes (fewer at the end of the input).
    std::string Text() {
        const std::size_t length = Byte();
        std::string text;
        while (text.size() < length && !AtEnd()) {
            text.push_back(static_cast<char>(Byte()));
        }
        return text;
    }

    // A two-byte length (little-endian, below `limit`), then that many bytes.
    std::string Block(std::size_t limit) {
        const std::size_t low = Byte();
        const std::size_t length = (low | static_cast<std::size_t>(Byte()) << 8) % limit;
        std::string bytes;
        while (bytes.size() < length && !AtEnd()) {
            bytes.push_back(static_cast<char>(Byte()));
        }
        return bytes;
    }

  private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

}  // namespace pellory::fuzz
