#pragma once

#include <span>
#include <string_view>

#include "engine/Method.h"

namespace pellory {

// An asset class: the label shown in the class list and its recovery period in whole years.
struct AssetClass {
    std::string_view label;
    int life;
};

std::span<const AssetClass> MacrsClasses();
std::span<const AssetClass> AdsClasses();

// The life entries the life list offers for a method (none for Straight Line and Amortize).
std::span<const std::string_view> LivesFor(Method method);

// The classes that ask for a business-use percentage.
bool IsListedProperty(std::string_view label);

}  // namespace pellory
