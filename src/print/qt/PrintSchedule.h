#pragma once

#include <QByteArray>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "print/Printer.h"
#include "print/ReportInputs.h"

namespace pellory {

// Whether the system has a default printer.
bool DefaultPrinterExists();
// The system's default printer; raises "No printer is installed" (482) when there is none.
std::unique_ptr<Printer> OpenDefaultPrinter();
// A PDF document on Letter paper with quarter-inch margins, drawn into `pdf`.
std::unique_ptr<Printer> OpenPdfDocument(QByteArray& pdf);

// The Print button of the main window: the schedule on the default printer, with the hourglass
// while it is built. Problems are reported in the platform's message boxes.
void PrintToDefaultPrinter(const ReportSource& inputs, Platform& platform);

// The printed schedule into the PDF file at `path`, written only when the whole report was
// drawn without an error and then replacing any file there in one step. True when it was
// written; every problem is reported in the platform's message boxes.
bool PrintToPdf(const ReportSource& inputs, const std::string& path, Platform& platform);

}  // namespace pellory
