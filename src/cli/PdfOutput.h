#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/CalcDriver.h"
#include "print/ReportInputs.h"

namespace pellory::cli {

// Presses Print, as a user would after Calculate, with the printed schedule going to the PDF
// file at `path`. Nothing when the whole file was written, else why it was not.
//
// pellory-calc loads no Qt library: its PrintPdf hands the whole run over to the helper
// pellory-pdf in its own folder, started in its place with the same arguments, and returns only
// when the helper cannot be started. pellory-pdf is the same program with the report drawn by
// Qt: its PrintPdf runs a Qt application for the drawing (off screen unless QT_QPA_PLATFORM
// says otherwise), and the reasons are the message boxes printing added to `messages`.
std::optional<std::string> PrintPdf(const ReportInputs& inputs, const std::string& path,
                                    CollectingPlatform& platform, int& argc, char** argv);

// The name of the helper that draws the PDF, beside pellory-calc.
inline constexpr const char* kPdfHelper = "pellory-pdf";

// Why nothing can be printed to `path`: the Print button is disabled (no row is written).
// Nothing when it is not.
inline std::optional<std::string> NothingToPrint(const ReportInputs& inputs,
                                                 const std::string& path) {
    if (!inputs.rows.empty()) {
        return std::nullopt;
    }
    return "no schedule to print (the Print button is disabled), " + path + " not written";
}

}  // namespace pellory::cli
