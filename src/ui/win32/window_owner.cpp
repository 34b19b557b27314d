#include "ui/win32/window_owner.h"

namespace win32 {

LRESULT CALLBACK WindowOwner::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<WindowOwner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<WindowOwner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->onMessage(message, wParam, lParam);
}

HWND WindowOwner::createWindow(DWORD exStyle, const wchar_t* windowClass, const wchar_t* text, DWORD style, HWND parent,
                               HMENU menuOrId) {
  // A top-level window goes where the system puts it, a child is placed by
  // its parent. The procedure reads the object back as a WindowOwner*,
  // whatever class derives from it.
  const int place = (style & WS_CHILD) ? 0 : CW_USEDEFAULT;
  CreateWindowExW(exStyle, windowClass, text, style, place, place, place, place, parent, menuOrId,
                  GetModuleHandleW(nullptr), static_cast<WindowOwner*>(this));
  return hwnd_;
}

}  // namespace win32
