#pragma once

#include <array>
#include <span>
#include <string_view>

#include "classes/Catalogue.h"
#include "engine/Method.h"

namespace pellory {

// How the method, life and class open and fill the boxes they rule. The main window's handlers
// and the command line's entries ask these alike, each keeping its own controls or boxes.

// The class list a method offers: MACRS's or ADS's, none for the others.
std::span<const AssetClass> ClassListFor(Method method);

// A life of "5", typed or picked, asks for the business share (with "100" and the focus).
bool LifeAsksBusinessUse(std::string_view life);
// A 5-year class of listed property asks for it (with "100").
bool ClassAsksBusinessUse(std::string_view label, int life);

// Real property: a life or class of more than 27 years under a method with classes, which takes
// the Mid Month convention alone.
bool IsRealProperty(Method method, double years);

// The special allowance may be ticked for a life under 21 years of MACRS picked from the list,
// and for a class of under 21 years.
bool AllowanceForLife(Method method, double years);
bool AllowanceForClass(int life);

// The Section 179 box is open under every method but amortization, except for real property
// (a life of 0 is a life not chosen yet). A car used 50% or less is refused when calculated.
bool Section179ForLife(Method method, double years);
// The same for the Life box's text as it is typed, key by key.
bool Section179ForTypedLife(Method method, std::string_view life);

// The convention buttons once real property is or is not chosen: Mid Month alone and selected,
// or Half Year and Mid Quarter usable and Half Year selected.
inline constexpr int kHalfYearButton = 0;
inline constexpr int kMidQuarterButton = 1;
inline constexpr int kMidMonthButton = 2;
struct ConventionButtons {
    std::array<bool, 3> usable;
    int selected;
};
ConventionButtons ConventionFor(bool realProperty);

}  // namespace pellory
