#pragma once

#include <optional>
#include <string>

#include "app/FrmViewDepr.h"

namespace pellory::cli {

// Presses Print, as a user would after Calculate, with the printed schedule going to the PDF
// file at `path`. Runs a Qt application for the drawing (off screen unless QT_QPA_PLATFORM
// says otherwise). Nothing when the file was written cleanly, else what went wrong.
std::optional<std::string> PrintPdf(FrmViewDepr& window, const std::string& path, int& argc,
                                    char** argv);

}  // namespace pellory::cli
