#include "autolimits/AutoLimitRecord.h"

#include <algorithm>

#include "autolimits/AnsiText.h"

namespace pellory {

template <std::size_t N>
void FixedText<N>::Assign(std::string_view text) {
    const std::string bytes = ansi::FromUtf8(text);
    bytes_.fill(' ');
    std::copy_n(bytes.begin(), std::min(bytes.size(), N), bytes_.begin());
}

template <std::size_t N>
std::string FixedText<N>::Text() const {
    return ansi::ToUtf8(std::string_view(bytes_.data(), N));
}

template <std::size_t N>
std::string FixedText<N>::Trimmed() const {
    std::string_view shown(bytes_.data(), N);
    shown = shown.substr(0, shown.find('\0'));
    const auto first = shown.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = shown.find_last_not_of(' ');
    return ansi::ToUtf8(shown.substr(first, last - first + 1));
}

template class FixedText<4>;
template class FixedText<5>;

namespace {

template <std::size_t N>
std::size_t Put(AutoLimitRecord::Bytes& out, std::size_t at, const FixedText<N>& field) {
    std::copy(field.Bytes().begin(), field.Bytes().end(), out.begin() + static_cast<long>(at));
    return at + N;
}

template <std::size_t N>
std::size_t Take(std::span<const char> in, std::size_t at, FixedText<N>& field) {
    auto& bytes = field.Bytes();
    for (std::size_t i = 0; i < N; ++i) {
        bytes[i] = at + i < in.size() ? in[at + i] : '\0';
    }
    return at + N;
}

}  // namespace

AutoLimitRecord::Bytes AutoLimitRecord::ToBytes() const {
    Bytes out{};
    std::size_t at = Put(out, 0, Year);
    at = Put(out, at, FirstYearMax);
    at = Put(out, at, SecondYearMax);
    at = Put(out, at, ThirdYearMax);
    Put(out, at, FourthYearMax);
    return out;
}

AutoLimitRecord AutoLimitRecord::FromBytes(std::span<const char> bytes) {
    AutoLimitRecord record;
    std::size_t at = Take(bytes, 0, record.Year);
    at = Take(bytes, at, record.FirstYearMax);
    at = Take(bytes, at, record.SecondYearMax);
    at = Take(bytes, at, record.ThirdYearMax);
    Take(bytes, at, record.FourthYearMax);
    return record;
}

}  // namespace pellory
