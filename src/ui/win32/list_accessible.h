// What assistive technology sees of the line list: a list whose items are
// its lines. Every answer is read from the control through the list box
// messages it answers (LB_GETCOUNT, LB_GETTEXT, ...), so the object holds
// nothing but the window's handle and stays safe to call, from this process
// or through COM from another, after the control has gone. The system's
// own list-box object (CreateStdAccessibleProxyW over these messages) would
// do the same on Windows, but Wine has no such function (calling it ends
// the program), and the tests run there.
#pragma once

#include <oleacc.h>

#include <atomic>

#include "ui/win32/windows_api.h"

namespace win32 {

// The one message the list answers beyond a list box's: the state of line
// WPARAM's entry, as model::EntryState (0 as read, 1 changed, 2 new), or
// LB_ERR. Assistive technology reads it as the line's description.
constexpr UINT kGetLineStateMessage = WM_USER + 0x100;

class ListAccessible final : public IAccessible {
 public:
  // What the control returns for WM_GETOBJECT with OBJID_CLIENT.
  static LRESULT answerGetObject(HWND list, WPARAM wParam);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: not offered; assistive technology calls IAccessible itself.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible: child 0 (CHILDID_SELF) is the list, child n its line n - 1.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  explicit ListAccessible(HWND list) : list_(list) {}
  ~ListAccessible() = default;

  long lineCount() const;
  // The line a child id names, or -1 for the list itself; false when the id
  // names nothing (or the control is gone).
  bool lineOf(const VARIANT& child, long& line) const;
  long currentLine() const;

  std::atomic<ULONG> references_{1};
  HWND list_;
};

}  // namespace win32
