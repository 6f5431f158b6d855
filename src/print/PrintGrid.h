#pragma once

#include <functional>
#include <memory>

#include "platform/Platform.h"
#include "print/Printer.h"
#include "print/ReportInputs.h"

namespace pellory {

// Draws the schedule on `printer` as one document: the date, the title, the asset type, the
// description, the inputs, the allowance note and the 44 lines of the table. A step that fails
// is reported under "Print Grid Error" and the report goes on with the next one, so the document
// is always ended and the pointer restored. True when no step failed.
bool PrintGrid(const ReportInputs& inputs, Printer& printer, MousePointer& pointer,
               Platform& platform);

// Gives the printer a document goes to; raises a RuntimeError when there is none.
using PrinterOpener = std::function<std::unique_ptr<Printer>()>;

// The Print button: opens the printer, then prints the schedule the inputs give on it. A failure
// that escapes the report, such as no printer at all, is reported under "Printer Error". True
// when the document was printed without any error report.
bool PrintSchedule(const ReportSource& inputs, const PrinterOpener& open, MousePointer& pointer,
                   Platform& platform);

}  // namespace pellory
