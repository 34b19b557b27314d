#include "window_reading.h"

namespace win32_testing {

std::string utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
  return out;
}

std::string windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
  return utf8(text);
}

std::vector<std::string> listedLines(HWND list) {
  std::vector<std::string> lines;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT row = 0; row < count; ++row) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length < 0) break;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()))));
    lines.push_back(utf8(text));
  }
  return lines;
}

namespace {

std::wstring className(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return name;
}

// A control of the box that `accept` takes, if any.
template <typename Accept>
HWND childOf(HWND box, Accept accept) {
  struct Search {
    Accept accept;
    HWND found = nullptr;
  } search{accept};
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (!s.accept(child)) return TRUE;
        s.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

// A dialog with the text of a message box, and no field to type in as the
// find and save dialogs have.
bool isMessageBox(HWND window) {
  return className(window) == L"#32770" && GetDlgItem(window, 0xFFFF) &&
         !childOf(window, [](HWND child) { return _wcsicmp(className(child).c_str(), L"Edit") == 0; });
}

HWND messageBoxOf(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM result) -> BOOL {
        if (!IsWindowVisible(window) || !isMessageBox(window)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string messageBoxText(HWND box) {
  // A message box shows its text in the static control numbered 0xFFFF.
  return windowText(GetDlgItem(box, 0xFFFF));
}

std::string messageBoxIcon(HWND box) {
  const HWND control =
      childOf(box, [](HWND child) { return (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON; });
  const auto icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
  if (icon && icon == LoadIconW(nullptr, IDI_ERROR)) return "error";
  if (icon && icon == LoadIconW(nullptr, IDI_INFORMATION)) return "information";
  return "other";
}

void dismiss(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

RECT placeInParent(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace win32_testing
