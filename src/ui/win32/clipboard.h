// Text on the clipboard, as Windows programs put it there: UTF-16
// (CF_UNICODETEXT), from which the system offers the other text formats.
#pragma once

#include <string_view>

#include "ui/win32/windows_api.h"

namespace win32 {

enum class ClipboardOutcome { Copied, NoMemory, HeldByAnotherProgram };

// Puts the UTF-8 text on the clipboard in place of what was there, or says
// why it could not: there is not memory enough for it, or another program
// holds the clipboard (for longer than a moment).
ClipboardOutcome putOnClipboard(HWND owner, std::string_view utf8);

}  // namespace win32
