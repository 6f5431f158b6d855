#pragma once

#include <QIcon>

namespace pellory::gui {

// The program's icon: the icon theme's, as installed with the desktop entry, else the one built
// into the program, so that a build or a per-user install shows it too.
QIcon ProgramIcon();

// Docks and task bars match the windows to the desktop entry and show the program's icon; the
// limit editor and the About box take it from the application.
void ShowProgramIdentity();

}  // namespace pellory::gui
