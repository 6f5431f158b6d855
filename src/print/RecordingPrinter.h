#pragma once

#include <string>
#include <vector>

#include "print/Printer.h"

namespace pellory {

// One call made on a recording printer, with the state it left behind.
struct PrinterCall {
    enum class Kind { FontName, FontSize, CurrentX, CurrentY, PrintLine, PrintStay, EndDoc };
    Kind kind;
    std::string text;    // the font name or the printed text
    double value = 0.0;  // the font size or the position set
};

// A text as it lands on the page: where its top-left corner is, in which font.
struct PrintedText {
    double x = 0.0;
    double y = 0.0;
    std::string fontName;
    double fontSize = 0.0;
    std::string text;
    bool newLine = false;  // printed with a move to the next line
};

// A printer that draws nothing and keeps every call, for checking a report exactly. Its metrics
// are fixed so that positions are predictable: a line is 24 twips high per point of the font
// size (192 twips at 8 points) and every character is 12 twips wide per point (96 at 8 points).
// A fresh printer has the font "Arial" at 10 points and stands at (0, 0).
class RecordingPrinter : public Printer {
  public:
    static constexpr double kLineHeightPerPoint = 24.0;
    static constexpr double kCharWidthPerPoint = 12.0;
    static constexpr double kDefaultFontSize = 10.0;

    void SetFontName(const std::string& name) override;
    void SetFontSize(double points) override;
    void SetCurrentX(double twips) override;
    void SetCurrentY(double twips) override;
    void PrintLine(const std::string& text) override;
    void PrintStay(const std::string& text) override;
    void EndDoc() override;

    double LineHeight() const { return fontSize * kLineHeightPerPoint; }

    std::vector<PrinterCall> calls;
    std::vector<PrintedText> printed;
    std::string fontName = "Arial";
    double fontSize = kDefaultFontSize;
    double currentX = 0.0;
    double currentY = 0.0;
    int documentsEnded = 0;

  private:
    void Print(const std::string& text, bool newLine);
};

// Keeps every pointer shape shown, in order.
class RecordingPointer : public MousePointer {
  public:
    void Show(PointerShape shape) override { shapes.push_back(shape); }
    std::vector<PointerShape> shapes;
};

}  // namespace pellory
