#pragma once

#include <span>

namespace pellory {

// The width in pixels the class list's drop-down part needs so that its longest label fits,
// or 0 when the box itself is already wide enough (the drop-down then keeps its width).
// `labelWidths` are the labels measured in the window's font, in twips.
int DroppedWidthPixels(std::span<const double> labelWidths, int scrollBarPixels,
                       double twipsPerPixel, double comboWidthTwips);

}  // namespace pellory
