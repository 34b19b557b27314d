// Owners of the window system's handles: each releases its handle when it
// goes, so no path (an error included) leaks a window, font, icon or GDI
// object.
#pragma once

#include <memory>
#include <type_traits>

#include "ui/win32/windows_api.h"

#include <ole2.h>
#include <shellapi.h>

namespace win32 {

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct GdiObjectDeleter {
  void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
struct IconDestroyer {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MenuDestroyer {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct DeviceContextDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

template <typename Handle, typename Release>
using Unique = std::unique_ptr<std::remove_pointer_t<Handle>, Release>;

using UniqueWindow = Unique<HWND, WindowDestroyer>;
using UniqueFont = Unique<HFONT, GdiObjectDeleter>;
using UniqueBitmap = Unique<HBITMAP, GdiObjectDeleter>;
using UniqueIcon = Unique<HICON, IconDestroyer>;
using UniqueMemoryDC = Unique<HDC, DeviceContextDeleter>;
using UniqueMenu = Unique<HMENU, MenuDestroyer>;

// The files of a drop, released (DragFinish) when done with.
struct DropFinisher {
  void operator()(HDROP drop) const { DragFinish(drop); }
};
using UniqueDrop = Unique<HDROP, DropFinisher>;

// The thread's part in OLE and COM, which the shell's controls need (path
// completion among them), for as long as it lives. When the thread has
// joined COM in another way it stays as it is, and ok() is false.
class OleSession {
 public:
  OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (ok_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

  bool ok() const { return ok_; }

 private:
  bool ok_;
};

// Selects a GDI object into a device context for as long as it lives, then
// puts the one it replaced back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window's device context for painting, from BeginPaint to EndPaint.
class Painting {
 public:
  explicit Painting(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~Painting() { EndPaint(window_, &paint_); }
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;

  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace win32
