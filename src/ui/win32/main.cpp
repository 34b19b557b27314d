// The viewer's entry point: the command line (the runtime reads the
// process's wide one, so that a name in any script arrives as given), then the window and its
// message loop until the window is closed.
#include "runtime/platform.h"
#include "ui/win32/command_line.h"
#include "ui/win32/frm_main.h"
// After frm_main.h, which includes what must come before <windows.h>.
#include "ui/win32/catalogue.h"
#include "ui/win32/message_loop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  win32::installCatalogue(win32::userCatalogueLanguage());
  const ui::ViewerCommandLine line =
      ui::readViewerCommandLine(runtime::commandLineArguments(0, nullptr), win32::kViewerProgram);
  if (line.action != ui::ViewerCommandLine::Action::OpenWindow) return win32::answerCommandLine(line);
  frmMain window(line.path, line.encoding, line.compareWith);
  return win32::runMessageLoop();
}
