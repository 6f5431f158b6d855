#pragma once

namespace pellory::gui {

// Puts the pop-up menus open at the moment among the application's windows as a screen reader
// sees them, beside the main window and its dialogs. Qt leaves pop-ups out of that list, so
// the Tools and Help menus, which have no menu bar to hang from, were nowhere in the tree.
// Takes effect once; later calls do nothing.
void ShowOpenMenusToScreenReaders();

}  // namespace pellory::gui
