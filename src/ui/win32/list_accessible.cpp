#include "ui/win32/list_accessible.h"

#include <string>

namespace win32 {
namespace {

VARIANT childId(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

VARIANT nothing() {
  VARIANT v;
  VariantInit(&v);
  return v;
}

HRESULT text(const std::wstring& value, BSTR* out) {
  *out = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

LRESULT ListAccessible::answerGetObject(HWND list, WPARAM wParam) {
  // COM objects own themselves through their reference count: this one goes
  // when the last client releases it.
  auto* accessible = new ListAccessible(list);
  const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, accessible);
  accessible->Release();
  return result;
}

HRESULT ListAccessible::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ListAccessible::AddRef() { return ++references_; }

ULONG ListAccessible::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT ListAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

long ListAccessible::lineCount() const {
  return IsWindow(list_) ? static_cast<long>(SendMessageW(list_, LB_GETCOUNT, 0, 0)) : 0;
}

long ListAccessible::currentLine() const { return static_cast<long>(SendMessageW(list_, LB_GETCURSEL, 0, 0)); }

bool ListAccessible::lineOf(const VARIANT& child, long& line) const {
  if (child.vt != VT_I4 || !IsWindow(list_)) return false;
  line = child.lVal - 1;
  return child.lVal == CHILDID_SELF || (child.lVal >= 1 && child.lVal <= lineCount());
}

HRESULT ListAccessible::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  return AccessibleObjectFromWindow(list_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                    reinterpret_cast<void**>(parent));
}

HRESULT ListAccessible::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  *count = lineCount();
  return S_OK;
}

HRESULT ListAccessible::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  long line = 0;
  // The lines are simple elements, answered by this object.
  return lineOf(child, line) ? S_FALSE : E_INVALIDARG;
}

HRESULT ListAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  long line = 0;
  if (!lineOf(child, line)) return E_INVALIDARG;
  if (line < 0) {
    // The list is named by its window text: the caption of the label above it.
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(list_)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(list_, caption.data(), static_cast<int>(caption.size()))));
    return text(caption, name);
  }
  const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(line), 0);
  if (length < 0) return E_INVALIDARG;
  std::wstring value(static_cast<std::size_t>(length) + 1, L'\0');
  value.resize(static_cast<std::size_t>(
      SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(value.data()))));
  return text(value, name);
}

HRESULT ListAccessible::get_accValue(VARIANT, BSTR* value) {
  if (value) *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

// Whether the line's entry was changed or is new, which the list shows by
// its colour.
HRESULT ListAccessible::get_accDescription(VARIANT child, BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  long line = 0;
  if (!lineOf(child, line)) return E_INVALIDARG;
  switch (line < 0 ? 0 : SendMessageW(list_, kGetLineStateMessage, static_cast<WPARAM>(line), 0)) {
    case 1: return text(L"Changed", value);
    case 2: return text(L"New entry", value);
    default: return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT ListAccessible::get_accHelp(VARIANT, BSTR* value) {
  if (value) *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT ListAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = 0;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT ListAccessible::get_accKeyboardShortcut(VARIANT, BSTR* value) {
  if (value) *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT ListAccessible::get_accDefaultAction(VARIANT, BSTR* value) {
  if (value) *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT ListAccessible::accDoDefaultAction(VARIANT) { return DISP_E_MEMBERNOTFOUND; }

HRESULT ListAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  long line = 0;
  if (!lineOf(child, line)) return E_INVALIDARG;
  *role = childId(line < 0 ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM);
  return S_OK;
}

HRESULT ListAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  long line = 0;
  if (!lineOf(child, line)) return E_INVALIDARG;
  const bool focused = GetFocus() == list_;
  if (line < 0) {
    *state = childId(STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0));
    return S_OK;
  }
  long flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
  if (line == currentLine()) flags |= STATE_SYSTEM_SELECTED | (focused ? STATE_SYSTEM_FOCUSED : 0);
  RECT row{}, client{};
  SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&row));
  GetClientRect(list_, &client);
  if (row.bottom <= 0 || row.top >= client.bottom) flags |= STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_INVISIBLE;
  *state = childId(flags);
  return S_OK;
}

HRESULT ListAccessible::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  if (GetFocus() != list_) {
    *child = nothing();
    return S_FALSE;
  }
  const long current = currentLine();
  *child = childId(current >= 0 ? current + 1 : CHILDID_SELF);
  return S_OK;
}

HRESULT ListAccessible::get_accSelection(VARIANT* children) {
  if (!children) return E_POINTER;
  const long current = currentLine();
  *children = current >= 0 ? childId(current + 1) : nothing();
  return current >= 0 ? S_OK : S_FALSE;
}

HRESULT ListAccessible::accSelect(long flags, VARIANT child) {
  long line = 0;
  if (!lineOf(child, line)) return E_INVALIDARG;
  if (flags & SELFLAG_TAKEFOCUS) SetFocus(list_);
  if (line >= 0 && (flags & (SELFLAG_TAKESELECTION | SELFLAG_ADDSELECTION | SELFLAG_TAKEFOCUS))) {
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  }
  return S_OK;
}

HRESULT ListAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  long line = 0;
  if (!lineOf(child, line)) return E_INVALIDARG;
  RECT box{};
  if (line < 0) {
    GetWindowRect(list_, &box);
  } else {
    SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&box));
    MapWindowPoints(list_, HWND_DESKTOP, reinterpret_cast<POINT*>(&box), 2);
  }
  *left = box.left;
  *top = box.top;
  *width = box.right - box.left;
  *height = box.bottom - box.top;
  return S_OK;
}

HRESULT ListAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  *end = nothing();
  long line = 0;
  if (!lineOf(start, line)) return E_INVALIDARG;
  const long count = lineCount();
  long target = -1;
  if (line < 0) {
    if (direction == NAVDIR_FIRSTCHILD && count > 0) target = 0;
    if (direction == NAVDIR_LASTCHILD && count > 0) target = count - 1;
  } else if ((direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) && line + 1 < count) {
    target = line + 1;
  } else if ((direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) && line > 0) {
    target = line - 1;
  }
  if (target < 0) return S_FALSE;
  *end = childId(target + 1);
  return S_OK;
}

HRESULT ListAccessible::accHitTest(long x, long y, VARIANT* child) {
  if (!child) return E_POINTER;
  POINT at{x, y};
  RECT client{};
  ScreenToClient(list_, &at);
  GetClientRect(list_, &client);
  if (!PtInRect(&client, at)) {
    *child = nothing();
    return S_FALSE;
  }
  const LRESULT rowHeight = SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0);
  const long line = static_cast<long>(SendMessageW(list_, LB_GETTOPINDEX, 0, 0)) +
                    (rowHeight > 0 ? at.y / static_cast<long>(rowHeight) : 0);
  *child = childId(line < lineCount() ? line + 1 : CHILDID_SELF);
  return S_OK;
}

}  // namespace win32
