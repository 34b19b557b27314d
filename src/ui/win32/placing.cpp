#include "ui/win32/placing.h"

#include "ui/common/window_placement.h"

namespace win32 {
namespace {

ui::PixelRect pixelRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

ui::PixelRect screenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return pixelRect(r);
}

// The work area of the screen the window is on.
ui::PixelRect workAreaOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return pixelRect(monitor.rcWork);
}

void moveTo(HWND window, ui::PixelPoint at) {
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void centreOver(HWND dialog, HWND window) {
  const ui::PixelRect box = screenRect(dialog);
  moveTo(dialog, ui::centredOver(screenRect(window), {box.width, box.height}, workAreaOf(window)));
}

void placeBeside(HWND dialog, HWND window, HWND list) {
  const ui::PixelRect box = screenRect(dialog);
  moveTo(dialog, ui::besideOwner(screenRect(window), screenRect(list), {box.width, box.height}, workAreaOf(window), 0));
}

}  // namespace win32
