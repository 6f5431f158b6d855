#pragma once

#include <memory>
#include <string>

#include "app/FrmViewDepr.h"
#include "print/Printer.h"

namespace pellory {

// The system's default printer; raises "No printer is installed" (482) when there is none.
std::unique_ptr<Printer> OpenDefaultPrinter();
// A PDF file on Letter paper with quarter-inch margins; raises "Path/File access error" (75)
// naming the file when it cannot be written.
std::unique_ptr<Printer> OpenPdfFile(const std::string& path);

// The Print button of the main window: the schedule on the default printer, with the hourglass
// while it is built. Problems are reported in the window's message boxes.
void PrintToDefaultPrinter(FrmViewDepr& window);

// The printed schedule into the PDF file at `path`. True when the file was written without any
// error report.
bool PrintToPdf(FrmViewDepr& window, const std::string& path);

}  // namespace pellory
