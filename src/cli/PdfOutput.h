#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/FrmViewDepr.h"
#include "cli/CalcDriver.h"

namespace pellory::cli {

// Presses Print, as a user would after Calculate, with the printed schedule going to the PDF
// file at `path`. Runs a Qt application for the drawing (off screen unless QT_QPA_PLATFORM
// says otherwise). Nothing when the whole file was written, else why it was not: the message
// boxes printing added to `messages`.
std::optional<std::string> PrintPdf(FrmViewDepr& window, const std::string& path,
                                    const std::vector<Message>& messages, int& argc, char** argv);

}  // namespace pellory::cli
