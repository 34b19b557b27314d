// Where the window's dialogs go on the screen, from the shared placements
// (ui/common/window_placement.h), within the work area of the screen the
// main window is on.
#pragma once

#include "ui/win32/windows_api.h"

namespace win32 {

// Puts a dialog in the middle of the window.
void centreOver(HWND dialog, HWND window);

// The find window goes beside the main window, where it hides no line; where
// the screen has no room for it there, above or below, or wherever it hides
// least of the list.
void placeBeside(HWND dialog, HWND window, HWND list);

}  // namespace win32
