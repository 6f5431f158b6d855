#pragma once

#include <QFont>
#include <QIODevice>
#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>
#include <string>

#include "print/Printer.h"

namespace pellory {

// A document on a Qt printer or PDF writer, drawn with QPainter. Twips are mapped to device
// units by the device's resolution, the origin is the top-left corner of the printable area, and
// a text that would run past the bottom of the page goes to the top of a new page.
class QtPrinter : public Printer {
  public:
    // Begins the document; Active() tells whether the device could be drawn on. `output` is
    // what the device writes into, kept as long as the device.
    explicit QtPrinter(std::unique_ptr<QPagedPaintDevice> device,
                       std::unique_ptr<QIODevice> output = nullptr);
    // Ends a document that was not ended, so that what was drawn is still printed.
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    bool Active() const { return painter_.isActive(); }

    // A family that is not installed falls back to the closest monospaced one.
    void SetFontName(const std::string& name) override;
    void SetFontSize(double points) override;
    void SetCurrentX(double twips) override { x_ = twips; }
    void SetCurrentY(double twips) override { y_ = twips; }
    void PrintLine(const std::string& text) override;
    void PrintStay(const std::string& text) override;
    // Raises "Printer error" when the document cannot be finished, or was ended before.
    void EndDoc() override;

    double CurrentX() const { return x_; }
    double CurrentY() const { return y_; }
    // The height of a line of the current font, in twips.
    double LineHeight() const;
    const QFont& Font() const { return font_; }
    int Pages() const { return pages_; }

  private:
    void Print(const std::string& text, bool newLine);
    double ToDevice(double twips) const;
    double ToTwips(double device) const;
    double PageHeight() const;

    std::unique_ptr<QIODevice> output_;
    std::unique_ptr<QPagedPaintDevice> device_;
    QPainter painter_;
    QFont font_;
    double x_ = 0.0;
    double y_ = 0.0;
    int pages_ = 1;
};

}  // namespace pellory
