// Reading the viewer's window as assistive technology and test programs do,
// through the standard messages of its controls: from the test's own
// process and from another one alike.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/win32/windows_api.h"

namespace win32_testing {

std::string utf8(const std::wstring& wide);
std::wstring wide(const std::string& utf8);

std::string windowText(HWND window);

// Every line of the list, through LB_GETCOUNT, LB_GETTEXTLEN and LB_GETTEXT.
std::vector<std::string> listedLines(HWND list);

// Whether a window is a message box, and the message box that a thread
// shows, if one is up.
bool isMessageBox(HWND window);
HWND messageBoxOf(DWORD thread);
// Its text, its icon ("error", "information" or "other"; the system's
// icons are shared within a process, so only in the box's own), and
// closing it as its OK button does.
std::string messageBoxText(HWND box);
std::string messageBoxIcon(HWND box);
void dismiss(HWND box);

// The rectangle of a control in its parent's client area.
RECT placeInParent(HWND control);

}  // namespace win32_testing
