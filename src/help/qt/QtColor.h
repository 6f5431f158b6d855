#pragma once

#include <QColor>
#include <QPalette>

#include "platform/Colors.h"

namespace pellory::helpqt {

// A window colour (blue-green-red order, or the window-text system colour) as Qt paints it.
inline QColor ToQColor(Color color, const QPalette& palette) {
    if (color == kWindowText) {
        return palette.color(QPalette::WindowText);
    }
    return QColor(static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8U) & 0xFFU),
                  static_cast<int>((color >> 16U) & 0xFFU));
}

}  // namespace pellory::helpqt
