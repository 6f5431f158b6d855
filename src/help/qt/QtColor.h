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

// The contrast ratio of two colours as the accessibility guidelines measure it: 1 to 21.
double Contrast(const QColor& a, const QColor& b);

// `wanted`, darkened or lightened as little as needed to be read on `background`: a contrast
// of at least 4.5 to 1.
QColor ReadableOn(const QColor& wanted, const QColor& background);

}  // namespace pellory::helpqt
