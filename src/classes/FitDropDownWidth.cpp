#include "classes/FitDropDownWidth.h"

#include <cmath>

#include "engine/Numbers.h"

namespace pellory {

int DroppedWidthPixels(std::span<const double> labelWidths, int scrollBarPixels,
                       double twipsPerPixel, double comboWidthTwips) {
    double widest = 0;
    for (const double width : labelWidths) {
        const double fitted = std::round(width - 320);
        if (fitted > widest) {
            widest = fitted;
        }
    }
    widest += RoundHalfEven((scrollBarPixels + 8) * twipsPerPixel, 0);
    if (comboWidthTwips >= widest) {
        return 0;
    }
    const auto perPixel = static_cast<long>(RoundHalfEven(twipsPerPixel, 0));
    return static_cast<int>(static_cast<long>(widest) / (perPixel > 0 ? perPixel : 1));
}

}  // namespace pellory
