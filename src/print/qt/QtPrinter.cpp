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

QtPrinter::QtPrinter(std::unique_ptr<QPagedPaintDevice> device, std::unique_ptr<QIODevice> output)
    : output_(std::move(output)), device_(std::move(device)) {
    font_.setPointSizeF(kDefaultFontSize);
    if (painter_.begin(device_.get())) {
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
    return ToTwips(QFontMetricsF(font_, device_.get()).height());
}

void QtPrinter::Print(const std::string& text, bool newLine) {
    if (!painter_.isActive()) {
        Raise(err::kPrinter);
    }
    const QFontMetricsF metrics(font_, device_.get());
    const double lineHeight = ToTwips(metrics.height());
    const QString shown = QString::fromStdString(text);
    if (!shown.isEmpty()) {
        if (y_ > 0.0 && y_ + lineHeight > PageHeight()) {
            if (!device_->newPage()) {
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
    return twips * device_->logicalDpiY() / kTwipsPerInch;
}

double QtPrinter::ToTwips(double device) const {
    return device * kTwipsPerInch / device_->logicalDpiY();
}

double QtPrinter::PageHeight() const {
    return ToTwips(device_->pageLayout().paintRectPixels(device_->logicalDpiY()).height());
}

}  // namespace pellory
