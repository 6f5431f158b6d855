#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/AutoCapIncrease.h"
#include "engine/Method.h"
#include "engine/MonthYear.h"

namespace pellory {

enum class AssetType { Regular, Relinquished, Replacement };

// A number box's text read once: its value as the calculation reads it, and what the checks ask
// of the text. A box takes any number of decimals, and the schedule computes from all of them,
// so an amount is kept as the number its text spells rather than in cents.
struct NumberEntry {
    double value = 0.0;  // the number the leading characters spell; 0 for none
    bool empty = true;
    bool plain = false;     // digits with at most one decimal point
    bool overflow = false;  // too large a number: reading it raises "Overflow" every time
    std::string text;       // the box's text as entered, for the messages that quote it

    // The value, raising "Overflow" for a number too large.
    double Value() const;
    // The value of a text that is a number as a whole, raising "Type mismatch" for any other.
    double Strict() const;
    static NumberEntry Of(std::string_view text);
};

// A month/year box: empty (only the prompt), or the date it holds when it holds a whole one.
struct MonthEntry {
    bool empty = true;
    std::optional<MonthYear> date;  // nothing for a partly typed or impossible date

    static MonthEntry Of(std::string_view text);
};

// The Business % box: its number, and the share of business use it stands for.
struct BusinessEntry {
    NumberEntry number;
    double fraction = 1.0;
    bool asked = false;  // the box is open: the method, life or class ask for the share

    static BusinessEntry Of(std::string_view text, bool asked);
};

// A class picked from the class list: its label, recovery period and automobile table.
struct ClassChoice {
    std::string label;
    int life = 0;
    std::optional<AutoTable> autoTable;  // nothing for a class that is no automobile

    static ClassChoice Of(std::string_view label, int life);
};

// One asset as the user entered it: every input as a value, read once.
struct Asset {
    AssetType type = AssetType::Regular;
    NumberEntry cost;
    Method method = Method::None;
    MonthEntry inService;
    NumberEntry life;  // the Life box, typed or picked
    std::optional<ClassChoice> assetClass;
    BusinessEntry business;
    // The special allowance's rate in percent when its box is ticked; nothing when it is not.
    std::optional<int> allowanceRate;
    NumberEntry section179;  // the Section 179 box: the amount of the business basis expensed
    // The chosen button, or None when the convention frame is closed.
    AveragingConvention convention = AveragingConvention::None;
    MonthEntry sold;
    NumberEntry salesPrice;
    NumberEntry adjTaxBasis;
    std::string description;
};

}  // namespace pellory
