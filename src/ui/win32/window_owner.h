// A C++ object that owns a window of one of the program's own window
// classes and answers its messages. Every such class registers the one
// window procedure here, which finds the object from the window (it is
// handed over at WM_NCCREATE) and lets it answer; at WM_NCDESTROY the
// object forgets the window, so it can tell when the system destroyed it.
#pragma once

#include "ui/win32/windows_api.h"

namespace win32 {

class WindowOwner {
 public:
  WindowOwner(const WindowOwner&) = delete;
  WindowOwner& operator=(const WindowOwner&) = delete;

 protected:
  WindowOwner() = default;
  ~WindowOwner() = default;

  // The window procedure the owner's window class registers.
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Creates the window as CreateWindowExW does, with this object answering
  // its messages from WM_NCCREATE on; returns hwnd_.
  HWND createWindow(DWORD exStyle, const wchar_t* windowClass, const wchar_t* text, DWORD style, HWND parent,
                    HMENU menuOrId);
  // Every message from WM_NCCREATE to the one before WM_NCDESTROY.
  virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  HWND hwnd_ = nullptr;  // the window, from WM_NCCREATE until WM_NCDESTROY
};

}  // namespace win32
