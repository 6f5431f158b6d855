#pragma once

#include "print/ReportInputs.h"

namespace pellory {

class FrmViewDepr;

// The inputs of the printed schedule as the main window holds them. An empty method line is
// filled from the method list, and the window keeps it until the next calculation.
ReportInputs ReportInputsOf(FrmViewDepr& window);

}  // namespace pellory
