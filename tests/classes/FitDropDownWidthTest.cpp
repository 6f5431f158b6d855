#include <gtest/gtest.h>

#include <vector>

#include "classes/FitDropDownWidth.h"

namespace pellory {
namespace {

TEST(FitDropDownWidth, WidensToTheLongestLabelPlusTheScrollBar) {
    // 15 twips a pixel and a 16-pixel scroll bar: 360 twips of allowance, 40 more than the
    // 320 taken off each label.
    const std::vector<double> widths{2000, 3200.4, 2900};
    EXPECT_EQ(DroppedWidthPixels(widths, 16, 15, 1500), (2880 + 360) / 15);
    EXPECT_EQ(DroppedWidthPixels(widths, 16, 15, 3240), 0);  // the box already fits
    EXPECT_EQ(DroppedWidthPixels(widths, 16, 15, 3239), 216);
    EXPECT_EQ(DroppedWidthPixels({}, 16, 15, 100), 24);
    EXPECT_EQ(DroppedWidthPixels(widths, 17, 12, 1500), (2880 + 300) / 12);
}

}  // namespace
}  // namespace pellory
