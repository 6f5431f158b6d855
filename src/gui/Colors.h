#pragma once

#include <QColor>
#include <QPalette>

#include "platform/Colors.h"

namespace pellory::gui {

// A window colour (blue-green-red order, or a system colour) as Qt paints it.
inline QColor ToQColor(Color color, const QPalette& palette) {
    if (color == kWindowText) {
        return palette.color(QPalette::WindowText);
    }
    if (color == kInactiveCaptionText) {
        return palette.color(QPalette::Inactive, QPalette::Window);
    }
    return QColor(static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8U) & 0xFFU),
                  static_cast<int>((color >> 16U) & 0xFFU));
}

// Twips as pixels on a 96-dot-per-inch screen.
inline int TwipsToPixels(int twips) {
    return twips / 15;
}

}  // namespace pellory::gui
