// The viewer's entry point: the command line, then the window and its
// message loop until the window is closed.
#include "ui/win32/command_line.h"
#include "ui/win32/frm_main.h"
#include "ui/win32/message_loop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const ui::ViewerCommandLine line = ui::readViewerCommandLine(win32::processArguments(), win32::kViewerProgram);
  if (line.action != ui::ViewerCommandLine::Action::OpenWindow) return win32::answerCommandLine(line);
  frmMain window(line.path, line.encoding, line.compareWith);
  return win32::runMessageLoop();
}
