#include "print/RecordingPrinter.h"

#include "controls/Utf8.h"

namespace pellory {

void RecordingPrinter::SetFontName(const std::string& name) {
    calls.push_back({PrinterCall::Kind::FontName, name, 0.0});
    fontName = name;
}

void RecordingPrinter::SetFontSize(double points) {
    calls.push_back({PrinterCall::Kind::FontSize, {}, points});
    fontSize = points;
}

void RecordingPrinter::SetCurrentX(double twips) {
    calls.push_back({PrinterCall::Kind::CurrentX, {}, twips});
    currentX = twips;
}

void RecordingPrinter::SetCurrentY(double twips) {
    calls.push_back({PrinterCall::Kind::CurrentY, {}, twips});
    currentY = twips;
}

void RecordingPrinter::PrintLine(const std::string& text) {
    calls.push_back({PrinterCall::Kind::PrintLine, text, 0.0});
    Print(text, true);
}

void RecordingPrinter::PrintStay(const std::string& text) {
    calls.push_back({PrinterCall::Kind::PrintStay, text, 0.0});
    Print(text, false);
}

void RecordingPrinter::EndDoc() {
    calls.push_back({PrinterCall::Kind::EndDoc, {}, 0.0});
    ++documentsEnded;
    currentX = 0.0;
    currentY = 0.0;
}

void RecordingPrinter::Print(const std::string& text, bool newLine) {
    printed.push_back({currentX, currentY, fontName, fontSize, text, newLine});
    if (newLine) {
        currentX = 0.0;
        currentY += LineHeight();
    } else {
        currentX += static_cast<double>(utf8::Length(text)) * fontSize * kCharWidthPerPoint;
    }
}

}  // namespace pellory
