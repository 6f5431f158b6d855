#include "engine/Asset.h"

#include "engine/EngineValues.h"
#include "engine/Numbers.h"
#include "platform/RuntimeError.h"

namespace pellory {

double NumberEntry::Value() const {
    if (overflow) {
        Raise(err::kOverflow);
    }
    return value;
}

double NumberEntry::Strict() const {
    if (!plain) {
        Raise(err::kTypeMismatch);
    }
    return Value();
}

NumberEntry NumberEntry::Of(std::string_view text) {
    NumberEntry entry{0.0, text.empty(), IsPlainNumber(text), false, std::string(text)};
    try {
        entry.value = Val(text);
    } catch (const RuntimeError&) {
        entry.overflow = true;  // only a box without a length limit takes so many digits
    }
    return entry;
}

MonthEntry MonthEntry::Of(std::string_view text) {
    return {text == "__/____", ReadMonthYear(text)};
}

BusinessEntry BusinessEntry::Of(std::string_view text, bool asked) {
    return {NumberEntry::Of(text), BusinessFractionOf(text), asked};
}

ClassChoice ClassChoice::Of(std::string_view label, int life) {
    std::optional<AutoTable> table;
    if (label.starts_with("Automobiles ")) {
        table = AutoTable::Ordinary;
    } else if (label.starts_with("Automobiles, Clean Fuel")) {
        table = AutoTable::CleanFuel;
    }
    return {std::string(label), life, table};
}

}  // namespace pellory
