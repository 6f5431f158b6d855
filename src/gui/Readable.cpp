#include "gui/Readable.h"

#include "gui/Colors.h"

namespace pellory::gui {

QColor LabelColor(Color color, const QPalette& palette, const QColor& background) {
    if (color == kWindowText || color == kBlack) {
        return palette.color(QPalette::Active, QPalette::WindowText);
    }
    return ReadableOn(ToQColor(color, palette), background);
}

QString WithAccessKey(const QString& caption, QString& used) {
    const qsizetype marked = caption.indexOf('&');
    if (marked >= 0 && marked + 1 < caption.size() && caption[marked + 1] != '&') {
        used += caption[marked + 1].toLower();
        return caption;
    }
    QString escaped = caption;
    escaped.replace("&", "&&");
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const QChar c = escaped[i].toLower();
        if (c.isLetterOrNumber() && !used.contains(c)) {
            used += c;
            return escaped.left(i) + '&' + escaped.mid(i);
        }
    }
    return escaped;
}

}  // namespace pellory::gui
