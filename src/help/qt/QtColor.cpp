#include "help/qt/QtColor.h"

#include <algorithm>
#include <cmath>

namespace pellory::helpqt {

namespace {

double Luminance(const QColor& color) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return {mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue())};
}

}  // namespace

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background) {
    // A little above 4.5, so that the rounding of the pixels never takes it below.
    constexpr double kLeast = 4.6;
    const QColor toward = Luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    QColor shown = wanted;
    for (int step = 1; step <= 20 && Contrast(shown, background) < kLeast; ++step) {
        shown = Mix(wanted, toward, step / 20.0);
    }
    return shown;
}

}  // namespace pellory::helpqt
