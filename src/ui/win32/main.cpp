// The viewer's entry point: the window, then its message loop until the
// window is closed.
#include "ui/win32/frm_main.h"
#include "ui/win32/message_loop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  frmMain window;
  return win32::runMessageLoop();
}
