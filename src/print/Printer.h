#pragma once

#include <string>

namespace pellory {

// The page a report is drawn on: a current font and a current print position in twips (1440 to
// the inch) from the top-left corner of the printable area. Printing a text draws it with its
// top at the current position. Any operation may raise a RuntimeError.
class Printer {
  public:
    virtual ~Printer() = default;

    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetCurrentX(double twips) = 0;
    virtual void SetCurrentY(double twips) = 0;

    // Draws `text` and moves to the start of the next line: the horizontal position goes back
    // to 0 and the vertical position down by the line height of the current font.
    virtual void PrintLine(const std::string& text) = 0;
    // Draws `text` and stays on the line, just after it.
    virtual void PrintStay(const std::string& text) = 0;

    // Ends the document so that it is printed.
    virtual void EndDoc() = 0;
};

enum class PointerShape { Arrow, Hourglass };

// The mouse pointer shown over the program's windows.
class MousePointer {
  public:
    virtual ~MousePointer() = default;
    virtual void Show(PointerShape shape) = 0;
};

}  // namespace pellory
