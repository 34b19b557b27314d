// The program's message loop. Keys go through the system's dialog
// navigation first, so Tab and Shift+Tab move between a window's controls
// in their order, as in every Windows tool.
#pragma once

#include "ui/win32/windows_api.h"

namespace win32 {

// Hands one message to its window, after the keyboard navigation of the
// window it belongs to.
void dispatch(MSG& message);

// Runs until the program is told to quit; returns its exit code.
int runMessageLoop();

}  // namespace win32
