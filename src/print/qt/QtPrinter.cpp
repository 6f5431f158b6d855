#include "print/qt/QtPrinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QStringList>

#include "platform/RuntimeError.h"

namespace pellory {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultFontSize = 10.0;

}  // namespace

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    font_.setPointSizeF(kDefaultFontSize);
    if (painter_.begin(printer_.get())) {
        painter_.setPen(Qt::black);
        painter_.setFont(font_);
    }
}

QtPrinter::~QtPrinter() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

void QtPrinter::SetFontName(const std::string& name) {
    font_.setFamilies({QString::fromStdString(name), QStringLiteral("Liberation Mono"),
                       QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")});
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
}

void QtPrinter::SetFontSize(double points) {
    if (!(points > 0.0)) {
        Raise(err::kInvalidProperty);
    }
    font_.setPointSizeF(points);
}

void QtPrinter::PrintLine(const std::string& text) {
    Print(text, true);
}

void QtPrinter::PrintStay(const std::string& text) {
    Print(text, false);
}

void QtPrinter::EndDoc() {
    if (!painter_.isActive() || !painter_.end()) {
        Raise(err::kPrinter);
    }
}

double QtPrinter::LineHeight() const {
    return ToTwips(QFontMetricsF(font_, printer_.get()).height());
}

void QtPrinter::Print(const std::string& text, bool newLine) {
    if (!painter_.isActive()) {
        Raise(err::kPrinter);
    }
    const QFontMetricsF metrics(font_, printer_.get());
    const double lineHeight = ToTwips(metrics.height());
    const QString shown = QString::fromStdString(text);
    if (!shown.isEmpty()) {
        if (y_ > 0.0 && y_ + lineHeight > PageHeight()) {
            if (!printer_->newPage()) {
                Raise(err::kPrinter);
            }
            ++pages_;
            y_ = 0.0;
        }
        painter_.setFont(font_);
        painter_.drawText(QPointF(ToDevice(x_), ToDevice(y_) + metrics.ascent()), shown);
    }
    if (newLine) {
        x_ = 0.0;
        y_ += lineHeight;
    } else {
        x_ += ToTwips(metrics.horizontalAdvance(shown));
    }
}

double QtPrinter::ToDevice(double twips) const {
    return twips * printer_->resolution() / kTwipsPerInch;
}

double QtPrinter::ToTwips(double device) const {
    return device * kTwipsPerInch / printer_->resolution();
}

double QtPrinter::PageHeight() const {
    return ToTwips(printer_->pageLayout().paintRectPixels(printer_->resolution()).height());
}

}  // namespace pellory
