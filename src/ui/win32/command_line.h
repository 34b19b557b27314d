// The viewer's command line on Windows: speechviewer.exe [--] [PATH],
// --help (or /?), --version, read with the session's grammar. With a PATH
// the window starts with it in the path field and lists it, which is what
// "Open with" and a file dropped on the program give. The program has no
// console, so usage, version and mistakes are told in a message box.
#pragma once

#include "ui/common/viewer_session.h"

namespace win32 {

inline constexpr ui::ViewerProgram kViewerProgram{"speechviewer.exe", true};

// Shows what a command line other than OpenWindow asks for in a message box
// and returns the program's exit status: 0 for usage and version, 2 for a
// refused command line.
int answerCommandLine(const ui::ViewerCommandLine& line);

}  // namespace win32
