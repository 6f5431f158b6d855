#pragma once

#include <string>
#include <variant>

#include "engine/Asset.h"

namespace pellory {

// The boxes a check can find at fault; each has the label beside it that turns red.
enum class InputBox {
    None,
    Cost,
    Method,
    InService,
    Life,
    BusinessPercent,
    Allowance,  // the special allowance box, whose label is Business %'s
    Section179,
    Sold,
    SalesPrice,
    AdjTaxBasis
};

// The first fault in an asset's inputs, as the window shows it: the message in the status line
// (red), the box's label red and the focus in the box; None names no box.
struct InputFault {
    InputBox box = InputBox::None;
    std::string message;

    bool operator==(const InputFault&) const = default;
};

// An asset whose inputs passed the checks: only CheckAsset makes one.
class CheckedAsset {
  public:
    const Asset& asset() const { return asset_; }

  private:
    friend std::variant<InputFault, CheckedAsset> CheckAsset(const Asset& asset);
    explicit CheckedAsset(const Asset& asset) : asset_(asset) {}
    Asset asset_;
};

// Checks cost, method, in-service date, life, business share, a car's allowance, date sold,
// exchange and section 179, in that order, and stops at the first fault. A life too large to read
// raises "Overflow": the checks stop there without a fault.
std::variant<InputFault, CheckedAsset> CheckAsset(const Asset& asset);

}  // namespace pellory
