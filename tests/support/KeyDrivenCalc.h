#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/FrmViewDepr.h"
#include "cli/CalcDriver.h"

namespace pellory::reference {

// Works the window as a user would, in a fixed order, then presses Calculate. An option whose
// box cannot be used at that point is refused with the reason.
std::optional<cli::UsageError> Drive(FrmViewDepr& window, const cli::CalcOptions& options);

// A line for each amount or text that its box did not keep as given.
std::vector<std::string> TextsNotKept(const FrmViewDepr& window, const cli::CalcOptions& options);

// The --json object of the window after Calculate.
std::string JsonReport(const FrmViewDepr& window, const std::vector<cli::Message>& messages);

}  // namespace pellory::reference
