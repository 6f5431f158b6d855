#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include "platform/Colors.h"

namespace pellory::gui {

// The contrast ratio of two colours as the accessibility guidelines measure it: 1 to 21.
double Contrast(const QColor& a, const QColor& b);

// `wanted`, darkened or lightened as little as needed to be read on `background`: a contrast
// of at least 4.5 to 1.
QColor ReadableOn(const QColor& wanted, const QColor& background);

// A label's text colour on `background` in the palette in use: the window-text colour (and
// black, the labels' normal colour) as the palette's text; red and blue kept readable.
QColor LabelColor(Color color, const QPalette& palette, const QColor& background);

// A caption with an access key for Alt: its first letter or digit not yet in `used`, which then
// holds it too. A caption that has one ("&Print") keeps it.
QString WithAccessKey(const QString& caption, QString& used);

}  // namespace pellory::gui
