#pragma once

#include <functional>
#include <memory>

#include "app/FrmViewDepr.h"
#include "print/Printer.h"

namespace pellory {

// Draws the schedule in view on `printer` as one document: the date, the title, the asset type,
// the description, the inputs, the allowance note and the 44 lines of the table read back from
// the grid. A step that fails is reported under "Print Grid Error" and the report goes on with
// the next one, so the document is always ended and the pointer restored. True when no step
// failed. An empty method line is filled from the method list and kept.
bool PrintGrid(FrmViewDepr& window, Printer& printer, MousePointer& pointer);

// Gives the printer a document goes to; raises a RuntimeError when there is none.
using PrinterOpener = std::function<std::unique_ptr<Printer>()>;

// The Print button: opens the printer and prints the schedule on it. A failure that escapes
// the report, such as no printer at all, is reported under "Printer Error". True when the
// document was printed without any error report.
bool PrintSchedule(FrmViewDepr& window, const PrinterOpener& open, MousePointer& pointer);

}  // namespace pellory
