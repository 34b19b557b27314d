// The program's message loop. Keys go through a window's shortcuts first,
// then through the system's dialog navigation, so Tab and Shift+Tab move
// between a window's controls in their order, as in every Windows tool.
#pragma once

#include "ui/win32/windows_api.h"

namespace win32 {

// A top-level window that holds its shortcut table (HACCEL) in this window
// property gets those keys as WM_COMMAND, in itself and in the windows it
// owns (a find window); it removes the property before it goes.
constexpr const wchar_t* kShortcutsProperty = L"SpeechShortcuts";

// Hands one message to its window, after the shortcuts and the keyboard
// navigation of the window it belongs to.
void dispatch(MSG& message);

// Runs until the program is told to quit; returns its exit code.
int runMessageLoop();

}  // namespace win32
