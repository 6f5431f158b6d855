#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include "help/qt/QtColor.h"
#include "platform/Colors.h"

namespace pellory::gui {

using helpqt::Contrast;
using helpqt::ReadableOn;

// A label's text colour on `background` in the palette in use: the window-text colour (and
// black, the labels' normal colour) as the palette's text; red and blue kept readable.
QColor LabelColor(Color color, const QPalette& palette, const QColor& background);

// A caption with an access key for Alt: its first letter or digit not yet in `used`, which then
// holds it too. A caption that has one ("&Print") keeps it.
QString WithAccessKey(const QString& caption, QString& used);

}  // namespace pellory::gui
