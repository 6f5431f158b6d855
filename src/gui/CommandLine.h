#pragma once

#include <QStringList>
#include <optional>

namespace pellory::gui {

// pellory's own options, --help and --version, besides Qt's (-platform, -style...). Answers
// them on the standard output and gives the exit status; nothing when the window is to be
// shown. Before the application has taken Qt's options out (`qtOptionsTaken` false) an option
// the parser does not know may be one of them and is left for later; after, it is refused on
// the standard error with exit status 2, as is any argument: the window takes no settings.
std::optional<int> AnswerCommandLine(const QStringList& arguments, bool qtOptionsTaken);

}  // namespace pellory::gui
