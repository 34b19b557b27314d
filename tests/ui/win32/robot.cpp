// Drives the real viewer from a second process, as a test robot or a
// screen reader would: it finds the window, reads and sets its controls
// through their standard messages, clicks Get and reads the list, and
// closes the message box that comes up. Each command appends what it saw to
// OUT as "key: value" lines (UTF-8).
//
//   window_robot OUT wait                 the window's layout, texts, focus
//   window_robot OUT focus                which control has the focus
//   window_robot OUT set PATH             sets the path
//   window_robot OUT lines                reads the list
//   window_robot OUT get PATH             sets the path, clicks Get, reads the outcome
//   window_robot OUT listed               waits for the Get the viewer started itself, reads the outcome
//   window_robot OUT message              the message box the viewer shows, read and closed
//   window_robot OUT starting             the message box the viewer shows instead of its window
//   window_robot OUT current              the list's current line, and whether it is in view
//   window_robot OUT clipboard            the text on the clipboard, its lines
//   window_robot OUT accessible           the list as assistive technology reads it
//   window_robot OUT save PATH            Save list as PATH in the save dialog, Yes if it asks to replace;
//                                         the message after
//   window_robot OUT hold PATH MS         holds PATH open without sharing for MS ms
//   window_robot OUT close                closes the window; waits for the program to end
//   window_robot OUT clicks PATH N        sets a long file's path and clicks Get N times during its Get,
//                                         with the list's commands, then cancels it: the progress windows,
//                                         whether the window answers
//   window_robot OUT progress [X Y]       the progress window of a Get under way: where it is (once the
//                                         window is moved to X, Y), then cancels it
//   window_robot OUT closing PATH         sets a long file's path, clicks Get, closes the window during
//                                         the Get: how soon the program ends, whether PATH is still held
//   window_robot OUT move X Y             moves the window to X, Y on the screen
//   window_robot OUT find place           whether the find window hides any of the list, and is on the screen
//   window_robot OUT resources EXE        the manifest, version, licence and icon in EXE
//   window_robot OUT entry                the Edit entry (New entry) window: its title, fields and what it says
//   window_robot OUT type TEXT            types TEXT into the Edit entry window's text field, as keys would
//   window_robot OUT ask ANSWER           closes the window, reads the question about unsaved changes and
//                                         answers it (save, dontsave, cancel): whether the program ended
//   window_robot OUT texts                the list menu's items and the find window's texts, as a screen
//                                         reader reads them, each menu then closed
//   window_robot OUT compare PATH         Compare with... from the list's menu, PATH typed in the open
//                                         dialog; then the Differences window as below, or the message
//   window_robot OUT differences          the Differences window: whether it hides the list, its count,
//                                         its rows and the current one
//   window_robot OUT findall TEXT         Find all in the find window for TEXT: its count and rows
//   window_robot OUT choose find|differences N   makes row N current in that window's list
//   window_robot OUT f7 differences       F7 pressed in the Differences window's list
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "window_reading.h"
// After <windows.h>, which window_reading.h includes and these build on.
#include <commctrl.h>
#include <dlgs.h>
#include <oleacc.h>

namespace {

using namespace win32_testing;

struct Control {
  const char* name;
  int id;
};
// The window's control numbers, as a robot learns them from its makers.
constexpr Control kControls[] = {{"Label1", 100}, {"lstWords", 101}, {"txtPath", 102}, {"cmdGet", 103}};
// The list menu's Save list as... command.
constexpr WPARAM kSaveListCommand = 203;
constexpr int kProgressBarId = 301;  // in the window that shows a Get's progress
// The commands of the list's menu that read the lines.
constexpr WPARAM kCopyAllCommand = 201, kFindNextCommand = 204, kFirstEncodingCommand = 250;
// The list menu's Find... and Compare with..., and the Find all button the
// viewer adds to the find window.
constexpr WPARAM kFindCommand = 202, kCompareCommand = 214;
constexpr int kFindAllButtonId = 217;
// A results list's count line and list, within its pane.
constexpr int kResultsCountId = 120, kResultsListId = 121, kResultsStatusId = 122;

std::FILE* out;

void say(const std::string& key, const std::string& value) {
  std::fprintf(out, "%s: %s\n", key.c_str(), value.c_str());
  std::fflush(out);
}

HWND findViewer() {
  for (int attempt = 0; attempt < 300; ++attempt) {
    if (const HWND window = FindWindowW(L"frmMain", nullptr); window && IsWindowVisible(window)) return window;
    Sleep(100);
  }
  return nullptr;
}

// Waits until the viewer's thread handles messages again: after a Get, or
// once a message box runs its own loop.
void waitUntilIdle(HWND viewer) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(viewer, WM_NULL, 0, 0, SMTO_NORMAL, 120000, &ignored);
}

std::string controlName(HWND viewer, HWND control) {
  for (const Control& c : kControls) {
    if (GetDlgItem(viewer, c.id) == control) return c.name;
  }
  return control == viewer ? "frmMain" : control ? "other" : "none";
}

void sayFocus(HWND viewer) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(viewer, nullptr), &info);
  say("focus", controlName(viewer, info.hwndFocus));
}

void sayLayout(HWND viewer) {
  RECT client{}, frame{};
  GetClientRect(viewer, &client);
  GetWindowRect(viewer, &frame);
  say("frame", std::to_string(frame.right - frame.left) + "x" + std::to_string(frame.bottom - frame.top) + "+" +
                   std::to_string(frame.left) + "+" + std::to_string(frame.top));
  say("client", std::to_string(client.right) + " x " + std::to_string(client.bottom));
  say("caption", windowText(viewer));
  for (const Control& c : kControls) {
    const HWND control = GetDlgItem(viewer, c.id);
    const RECT r = placeInParent(control);
    say(std::string("place ") + c.name, std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                                            std::to_string(r.right - r.left) + " x " +
                                            std::to_string(r.bottom - r.top));
    if (c.id != 101) say(std::string("text ") + c.name, windowText(control));
  }
  say("lines", std::to_string(SendMessageW(GetDlgItem(viewer, 101), LB_GETCOUNT, 0, 0)));
  sayFocus(viewer);
}

void sayLines(HWND viewer) {
  const std::vector<std::string> lines = listedLines(GetDlgItem(viewer, 101));
  say("lines", std::to_string(lines.size()));
  for (std::size_t i = 0; i < lines.size() && i < 50; ++i) say("line", lines[i]);
}

void setPath(HWND viewer, const std::wstring& path) {
  SendMessageW(GetDlgItem(viewer, 102), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

// The message box the viewer shows within `attempts` looks, if any; with
// `orLines`, the wait ends too once the list has lines.
HWND messageBoxAfter(HWND viewer, int attempts, bool orLines = false) {
  const DWORD thread = GetWindowThreadProcessId(viewer, nullptr);
  for (int attempt = 0; attempt < attempts; ++attempt) {
    waitUntilIdle(viewer);
    if (const HWND box = messageBoxOf(thread)) return box;
    if (orLines && SendMessageW(GetDlgItem(viewer, 101), LB_GETCOUNT, 0, 0) > 0) break;
    Sleep(50);
  }
  return nullptr;
}

void sayMessageBox(HWND box) {
  RECT frame{};
  GetWindowRect(box, &frame);
  say("message title", windowText(box));
  say("message", messageBoxText(box));
  say("message width", std::to_string(frame.right - frame.left));
}

// Reads the box, and the title of the window it belongs to, and closes it.
void closeMessageBox(HWND viewer, HWND box) {
  sayMessageBox(box);
  const HWND owner = GetWindow(box, GW_OWNER);
  say("message owner", windowText(owner) + (IsWindowVisible(owner) ? "" : " (hidden)"));
  if (const char* keep = std::getenv("ROBOT_KEEP_MESSAGE_MS")) Sleep(static_cast<DWORD>(std::atoi(keep)));
  dismiss(box);
  waitUntilIdle(viewer);
}

void get(HWND viewer, const std::wstring& path) {
  setPath(viewer, path);
  // Posted, not sent: a message box would hold a sent click until closed.
  PostMessageW(GetDlgItem(viewer, 103), BM_CLICK, 0, 0);
  if (const HWND box = messageBoxAfter(viewer, 10)) closeMessageBox(viewer, box);
  sayLines(viewer);
}

// After the viewer was started with a path: waits until it has listed the
// file or shown a message box about it.
void listed(HWND viewer) {
  if (const HWND box = messageBoxAfter(viewer, 200, true)) closeMessageBox(viewer, box);
  sayLines(viewer);
}

void message(HWND viewer) {
  if (const HWND box = messageBoxAfter(viewer, 40)) return closeMessageBox(viewer, box);
  say("message", "none");
}

// A message box titled with the viewer's caption, shown by a program with no
// window of its own.
void starting() {
  HWND box = nullptr;
  for (int attempt = 0; attempt < 300 && !box; ++attempt) {
    box = FindWindowW(L"#32770", L"Speech.mul by Quorrin");
    if (!box) Sleep(100);
  }
  if (!box) return say("message", "none");
  sayMessageBox(box);
  say("window", FindWindowW(L"frmMain", nullptr) ? "yes" : "none");
  dismiss(box);
}

void sayCurrent(HWND viewer) {
  const HWND list = GetDlgItem(viewer, 101);
  const LRESULT row = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (row == LB_ERR) return say("current", "none");
  RECT box{}, client{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&box));
  GetClientRect(list, &client);
  say("current", std::to_string(row) + " " + listedLines(list).at(static_cast<std::size_t>(row)));
  say("in view", box.top >= 0 && box.bottom <= client.bottom ? "yes" : "no");
}

void sayClipboard() {
  std::string text = "none";
  if (OpenClipboard(nullptr)) {
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      text = utf8(static_cast<const wchar_t*>(GlobalLock(data)));
      GlobalUnlock(data);
    }
    CloseClipboard();
  }
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    say("clipboard", text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  say("clipboard ends in CRLF", text.ends_with("\r\n") ? "yes" : "no");
}

// Through the accessibility interface, across the process boundary.
void sayAccessible(HWND viewer) {
  CoInitialize(nullptr);
  IAccessible* list = nullptr;
  if (FAILED(AccessibleObjectFromWindow(GetDlgItem(viewer, 101), static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible), reinterpret_cast<void**>(&list)))) {
    say("accessible", "none");
    return;
  }
  long count = 0;
  list->get_accChildCount(&count);
  say("accessible lines", std::to_string(count));
  VARIANT child{};
  child.vt = VT_I4;
  for (child.lVal = 0; child.lVal <= std::min(count, 3L); ++child.lVal) {
    BSTR name = nullptr;
    VARIANT role{};
    list->get_accName(child, &name);
    list->get_accRole(child, &role);
    say("accessible " + std::to_string(child.lVal), std::to_string(role.lVal) + " " + (name ? utf8(name) : ""));
    SysFreeString(name);
  }
  list->Release();
  CoUninitialize();
}

// The save dialog the thread shows, if it is up.
HWND saveDialogOf(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM result) -> BOOL {
        if (!IsWindowVisible(window) || windowText(window) != "Save list as" || !GetDlgItem(window, cmb13)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// As a user would: the list menu's Save list as..., the name typed in the
// save dialog, Save, and Yes when the dialog asks whether to replace a file.
void save(HWND viewer, const std::wstring& path) {
  const DWORD thread = GetWindowThreadProcessId(viewer, nullptr);
  PostMessageW(viewer, WM_COMMAND, kSaveListCommand, 0);
  bool typed = false;
  bool asked = false;
  int quiet = 0;  // looks since the dialog went, without a message box
  for (int attempt = 0; attempt < 400 && quiet < 20; ++attempt) {
    Sleep(50);
    waitUntilIdle(viewer);
    if (const HWND box = messageBoxOf(thread)) {
      if (windowText(box) == "Save list as") {
        asked = true;
        PostMessageW(box, WM_COMMAND, IDYES, 0);
        continue;
      }
      say("asked to replace", asked ? "yes" : "no");
      return closeMessageBox(viewer, box);
    }
    const HWND dialog = saveDialogOf(thread);
    if (dialog && !typed) {
      SetDlgItemTextW(dialog, cmb13, path.c_str());
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      typed = true;
    } else if (typed && !dialog) {
      ++quiet;
    }
  }
  say("asked to replace", asked ? "yes" : "no");
  say("message", typed ? "none" : "no save dialog");
}

void hold(const std::wstring& path, DWORD ms) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  say("holding", file == INVALID_HANDLE_VALUE ? "no" : "yes");
  Sleep(ms);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

void close(HWND viewer) {
  DWORD process = 0;
  GetWindowThreadProcessId(viewer, &process);
  const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
  PostMessageW(viewer, WM_CLOSE, 0, 0);
  const bool ended = handle && WaitForSingleObject(handle, 20000) == WAIT_OBJECT_0;
  say("ended", ended ? "yes" : "no");
  if (handle) CloseHandle(handle);
}

// The Edit entry (New entry) window the viewer shows, within a few seconds.
HWND entryWindow(HWND viewer) {
  const DWORD thread = GetWindowThreadProcessId(viewer, nullptr);
  for (int attempt = 0; attempt < 100; ++attempt) {
    for (const wchar_t* title : {L"Edit entry", L"New entry"}) {
      const HWND found = FindWindowW(L"#32770", title);
      if (found && GetWindowThreadProcessId(found, nullptr) == thread && IsWindowVisible(found)) return found;
    }
    Sleep(50);
  }
  return nullptr;
}

constexpr int kEntryId = 310, kEntryText = 311, kEntryBytes = 312, kEntryProblem = 314;

void sayEntry(HWND viewer) {
  const HWND entry = entryWindow(viewer);
  if (!entry) return say("entry", "none");
  waitUntilIdle(viewer);
  say("entry title", windowText(entry));
  say("entry id", windowText(GetDlgItem(entry, kEntryId)));
  say("entry text", windowText(GetDlgItem(entry, kEntryText)));
  say("entry bytes", windowText(GetDlgItem(entry, kEntryBytes)));
  say("entry problem", windowText(GetDlgItem(entry, kEntryProblem)));
  say("entry ok", IsWindowEnabled(GetDlgItem(entry, IDOK)) ? "on" : "off");
  RECT both{}, dialog{}, frame{};
  GetWindowRect(entry, &dialog);
  GetWindowRect(viewer, &frame);
  UnionRect(&both, &dialog, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(viewer, MONITOR_DEFAULTTONEAREST), &monitor);
  RECT inside{};
  IntersectRect(&inside, &dialog, &monitor.rcWork);
  say("entry on screen", EqualRect(&inside, &dialog) ? "yes" : "no");
  say("entry and window", std::to_string(both.right - both.left) + "x" + std::to_string(both.bottom - both.top) + "+" +
                              std::to_string(both.left) + "+" + std::to_string(both.top));
}

// Each character as the keyboard hands it to the focused field (WM_CHAR),
// one after another.
void typeIntoEntry(HWND viewer, const std::wstring& text) {
  const HWND entry = entryWindow(viewer);
  if (!entry) return say("entry", "none");
  const HWND field = GetDlgItem(entry, kEntryText);
  SendMessageW(field, EM_SETSEL, 0, -1);
  for (const wchar_t unit : text) SendMessageW(field, WM_CHAR, unit, 1);
  waitUntilIdle(viewer);
  sayEntry(viewer);
}

// Closes the window as its close button does; with unsaved changes the
// viewer asks, and the question's text, its buttons and the answer given are
// told.
void closeAsking(HWND viewer, const std::wstring& answer) {
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(viewer, &process);
  const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
  PostMessageW(viewer, WM_SYSCOMMAND, SC_CLOSE, 0);
  HWND question = nullptr;
  for (int attempt = 0; attempt < 100 && !question; ++attempt) {
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM found) -> BOOL {
          if (!IsWindowVisible(window) || !GetDlgItem(window, IDNO) || !GetDlgItem(window, IDCANCEL)) return TRUE;
          *reinterpret_cast<HWND*>(found) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&question));
    if (!question) Sleep(50);
  }
  if (!question) {
    say("question", "none");
  } else {
    std::string text, buttons;
    EnumChildWindows(
        question,
        [](HWND child, LPARAM into) -> BOOL {
          wchar_t name[16] = {};
          GetClassNameW(child, name, 16);
          if (_wcsicmp(name, L"Static") == 0 && !windowText(child).empty())
            *reinterpret_cast<std::string*>(into) += windowText(child);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    for (const int id : {IDYES, IDNO, IDCANCEL}) {
      std::string caption = windowText(GetDlgItem(question, id));
      caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
      buttons += (buttons.empty() ? "" : "|") + caption;
    }
    say("question", text);
    say("question buttons", buttons);
    const int id = answer == L"save" ? IDYES : answer == L"dontsave" ? IDNO : IDCANCEL;
    PostMessageW(GetDlgItem(question, id), BM_CLICK, 0, 0);
  }
  const bool ended = handle && WaitForSingleObject(handle, answer == L"cancel" ? 1500 : 20000) == WAIT_OBJECT_0;
  say("ended", ended ? "yes" : "no");
  if (handle) CloseHandle(handle);
}

// The progress windows of a Get that the viewer shows: its dialogs with a
// progress bar.
std::vector<HWND> progressWindowsOf(HWND viewer) {
  std::vector<HWND> found;
  EnumThreadWindows(
      GetWindowThreadProcessId(viewer, nullptr),
      [](HWND window, LPARAM result) -> BOOL {
        if (IsWindowVisible(window) && GetDlgItem(window, kProgressBarId)) {
          reinterpret_cast<std::vector<HWND>*>(result)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND progressWindowAfter(HWND viewer, int ms) {
  for (int waited = 0; waited < ms; waited += 50) {
    if (const std::vector<HWND> up = progressWindowsOf(viewer); !up.empty()) return up.front();
    Sleep(50);
  }
  return nullptr;
}

// Whether the viewer's thread handles a message within a second.
bool answers(HWND viewer) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(viewer, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, 1000, &ignored) != 0;
}

std::string rectText(const RECT& r) {
  return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "+" + std::to_string(r.left) +
         "+" + std::to_string(r.top);
}

// Where the progress window is, over the main window: centred over it (to
// within rounding), and whole on the screen's work area.
void sayProgressPlace(HWND viewer, HWND progress) {
  RECT frame{}, box{};
  GetWindowRect(viewer, &frame);
  GetWindowRect(progress, &box);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(viewer, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const bool centred = std::abs((frame.left + frame.right) - (box.left + box.right)) <= 2 &&
                       std::abs((frame.top + frame.bottom) - (box.top + box.bottom)) <= 2;
  const bool onScreen =
      box.left >= work.left && box.top >= work.top && box.right <= work.right && box.bottom <= work.bottom;
  say("progress window", rectText(box) + " over " + rectText(frame));
  say("progress centred", centred ? "yes" : "no");
  say("progress on screen", onScreen ? "yes" : "no");
}

void cancelProgress(HWND viewer) {
  for (const HWND progress : progressWindowsOf(viewer)) PostMessageW(progress, WM_COMMAND, IDCANCEL, 0);
}

void progress(HWND viewer, std::optional<POINT> moveTo) {
  const HWND window = progressWindowAfter(viewer, 20000);
  if (!window) return say("progress window", "none");
  if (moveTo) {
    SetWindowPos(viewer, nullptr, moveTo->x, moveTo->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Sleep(300);
  }
  sayProgressPlace(viewer, window);
  if (const char* keep = std::getenv("ROBOT_KEEP_PROGRESS_MS")) Sleep(static_cast<DWORD>(std::atoi(keep)));
  cancelProgress(viewer);
  message(viewer);
}

// The find window: a dialog of the viewer's with a text field and Match case.
HWND findWindowOf(HWND viewer) {
  for (int waited = 0; waited < 5000; waited += 50) {
    HWND found = nullptr;
    EnumThreadWindows(
        GetWindowThreadProcessId(viewer, nullptr),
        [](HWND window, LPARAM result) -> BOOL {
          if (!IsWindowVisible(window) || !GetDlgItem(window, 0x480) || !GetDlgItem(window, 0x411)) return TRUE;
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (found) return found;
    Sleep(50);
  }
  return nullptr;
}

void sayFindPlace(HWND viewer) {
  const HWND find = findWindowOf(viewer);
  if (!find) return say("find window", "none");
  RECT box{}, list{}, overlap{};
  GetWindowRect(find, &box);
  GetWindowRect(GetDlgItem(viewer, 101), &list);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(viewer, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  say("find window", rectText(box));
  say("find hides the list", IntersectRect(&overlap, &box, &list) ? "yes" : "no");
  say("find on screen",
      box.left >= work.left && box.top >= work.top && box.right <= work.right && box.bottom <= work.bottom ? "yes"
                                                                                                           : "no");
}

// The items of a menu, and of its submenus' first items.
void sayMenu(HMENU menu, const std::string& key) {
  for (int item = 0; item < GetMenuItemCount(menu); ++item) {
    wchar_t text[256]{};
    if (GetMenuStringW(menu, static_cast<UINT>(item), text, 256, MF_BYPOSITION) <= 0) continue;
    say(key, utf8(text));
    if (const HMENU sub = GetSubMenu(menu, item)) {
      wchar_t first[256]{};
      if (GetMenuStringW(sub, 0, first, 256, MF_BYPOSITION) > 0) say(key + " first", utf8(first));
    }
  }
}

// The list's menu as it opens from the keyboard, and the find window.
void sayTexts(HWND viewer) {
  PostMessageW(viewer, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetDlgItem(viewer, 101)), MAKELPARAM(-1, -1));
  HWND popup = nullptr;
  for (int waited = 0; waited < 5000 && !popup; waited += 50) {
    popup = FindWindowW(L"#32768", nullptr);
    if (!popup) Sleep(50);
  }
  if (!popup) return say("menu", "none");
  // Wine keeps a menu in the process that made it: there it reads as empty.
  const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  if (!menu || GetMenuItemCount(menu) <= 0) say("menu", "not readable from another process");
  if (menu) sayMenu(menu, "menu item");
  PostMessageW(viewer, WM_CANCELMODE, 0, 0);
  waitUntilIdle(viewer);
  PostMessageW(viewer, WM_COMMAND, kFindCommand, 0);
  const HWND find = findWindowOf(viewer);
  if (!find) return say("find window", "none");
  say("find window", windowText(find));
  for (HWND child = GetWindow(find, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && !windowText(child).empty()) say("find control", windowText(child));
  }
  PostMessageW(find, WM_COMMAND, IDCANCEL, 0);
  waitUntilIdle(viewer);
}

// Clicks Get as assistive technology's press does, `count` times in all,
// the later ones while the first Get runs, each with the list's commands
// (Copy all lines, Find next, the first encoding) as another program may
// send them.
void clicks(HWND viewer, const std::wstring& path, int count) {
  setPath(viewer, path);
  const HWND button = GetDlgItem(viewer, 103);
  PostMessageW(button, BM_CLICK, 0, 0);
  if (!progressWindowAfter(viewer, 10000)) return say("progress windows", "none");
  std::size_t most = 1;
  bool answered = true;
  for (int click = 1; click < count; ++click) {
    PostMessageW(button, BM_CLICK, 0, 0);
    for (const WPARAM command : {kCopyAllCommand, kFindNextCommand, kFirstEncodingCommand})
      PostMessageW(viewer, WM_COMMAND, command, 0);
    for (int look = 0; look < 6; ++look) {
      Sleep(100);
      answered = answers(viewer) && answered;
      most = std::max(most, progressWindowsOf(viewer).size());
    }
  }
  say("progress windows", std::to_string(most));
  say("answers", answered ? "yes" : "no");
  cancelProgress(viewer);
  message(viewer);
  sayLines(viewer);
}

// Closes the window as the task manager's End task does, during a Get.
void closing(HWND viewer, const std::wstring& path) {
  DWORD process = 0;
  GetWindowThreadProcessId(viewer, &process);
  const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
  setPath(viewer, path);
  PostMessageW(GetDlgItem(viewer, 103), BM_CLICK, 0, 0);
  if (!progressWindowAfter(viewer, 10000)) return say("progress windows", "none");
  const ULONGLONG asked = GetTickCount64();
  PostMessageW(viewer, WM_CLOSE, 0, 0);
  const bool ended = handle && WaitForSingleObject(handle, 20000) == WAIT_OBJECT_0;
  say("ended", ended ? "yes" : "no");
  say("ended within", std::to_string(GetTickCount64() - asked) + " ms");
  if (handle) CloseHandle(handle);
  // Opened without sharing, which fails while another program holds it.
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  say("file held", file == INVALID_HANDLE_VALUE ? "yes" : "no");
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

std::string versionValue(const std::vector<char>& info, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || !length) return "";
  return utf8(std::wstring(static_cast<const wchar_t*>(value), length - 1));
}

void resources(const std::wstring& exe) {
  const HMODULE module =
      LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return say("loaded", "no");
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  if (found) {
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    const std::string manifest(data, SizeofResource(module, found));
    auto has = [&manifest](const char* part) { return manifest.find(part) != std::string::npos ? "yes" : "no"; };
    say("manifest common controls 6", has("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    say("manifest per-monitor DPI", has("PerMonitorV2"));
    say("manifest active code page", manifest.find("activeCodePage") != std::string::npos ? "set" : "none");
  } else {
    say("manifest", "none");
  }
  say("icon", FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)) ? "yes" : "no");  // RT_GROUP_ICON
  FreeLibrary(module);
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
  if (!info.empty() && GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data())) {
    say("product", versionValue(info, L"ProductName"));
    say("version", versionValue(info, L"FileVersion"));
    say("copyright", versionValue(info, L"LegalCopyright"));
  }
}

}  // namespace

// ---- The lists beside the main window

// Memory in the viewer's process, for the list view messages whose pointers
// the system does not carry from one process to another.
class RemoteMemory {
 public:
  RemoteMemory(HWND window, std::size_t size) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    if (process_) at_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
  }
  ~RemoteMemory() {
    if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  char* at() const { return at_; }
  void write(std::size_t offset, const void* data, std::size_t size) const {
    WriteProcessMemory(process_, at_ + offset, data, size, nullptr);
  }
  void read(std::size_t offset, void* data, std::size_t size) const {
    ReadProcessMemory(process_, at_ + offset, data, size, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  char* at_ = nullptr;
};

// The rows of a list view as a screen reader's or test program's
// LVM_GETITEMTEXT reads them, whole.
std::vector<std::string> listViewRows(HWND list, int most) {
  constexpr std::size_t kChars = 70000;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  const RemoteMemory memory(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
  std::vector<std::string> rows;
  if (!memory.at()) return rows;
  for (int row = 0; row < std::min(count, most); ++row) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = reinterpret_cast<wchar_t*>(memory.at() + sizeof(LVITEMW));
    item.cchTextMax = static_cast<int>(kChars);
    memory.write(0, &item, sizeof item);
    const auto length = static_cast<std::size_t>(
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(memory.at())));
    std::wstring text(length, L'\0');
    memory.read(sizeof(LVITEMW), text.data(), length * sizeof(wchar_t));
    rows.push_back(utf8(text));
  }
  return rows;
}

HWND differencesWindowOf(HWND viewer) {
  for (int waited = 0; waited < 10000; waited += 50) {
    waitUntilIdle(viewer);
    if (const HWND window = FindWindowW(L"SpeechDifferences", nullptr); window && IsWindowVisible(window))
      return window;
    if (messageBoxOf(GetWindowThreadProcessId(viewer, nullptr))) return nullptr;
    Sleep(50);
  }
  return nullptr;
}

HWND paneOf(HWND window) { return window ? FindWindowExW(window, nullptr, L"SpeechResults", nullptr) : nullptr; }

void sayPane(const std::string& name, HWND pane) {
  if (!pane) return say(name, "none");
  const HWND list = GetDlgItem(pane, kResultsListId);
  say(name + " count", windowText(GetDlgItem(pane, kResultsCountId)));
  say(name + " rows", std::to_string(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)));
  for (const std::string& row : listViewRows(list, 20)) say(name + " row", row);
  const LRESULT current = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
  say(name + " current", std::to_string(current));
  say(name + " says", windowText(GetDlgItem(pane, kResultsStatusId)));
}

void sayDifferences(HWND viewer) {
  const HWND window = differencesWindowOf(viewer);
  if (!window) {
    if (const HWND box = messageBoxOf(GetWindowThreadProcessId(viewer, nullptr))) return closeMessageBox(viewer, box);
    return say("differences", "none");
  }
  RECT box{}, list{}, overlap{};
  GetWindowRect(window, &box);
  GetWindowRect(GetDlgItem(viewer, 101), &list);
  say("differences", windowText(window));
  say("differences hide the list", IntersectRect(&overlap, &box, &list) ? "yes" : "no");
  sayPane("differences", paneOf(window));
  sayCurrent(viewer);
}

HWND openDialogOf(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM result) -> BOOL {
        if (!IsWindowVisible(window) || windowText(window) != "Compare the listed file with" ||
            !GetDlgItem(window, cmb13))
          return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// As a user would: the list menu's Compare with..., the name typed in the
// open dialog, Open.
void compare(HWND viewer, const std::wstring& path) {
  const DWORD thread = GetWindowThreadProcessId(viewer, nullptr);
  PostMessageW(viewer, WM_COMMAND, kCompareCommand, 0);
  for (int attempt = 0; attempt < 200; ++attempt) {
    Sleep(50);
    if (const HWND dialog = openDialogOf(thread)) {
      SetDlgItemTextW(dialog, cmb13, path.c_str());
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      Sleep(200);
      return sayDifferences(viewer);
    }
  }
  say("differences", "no open dialog");
}

void findAll(HWND viewer, const std::wstring& text) {
  PostMessageW(viewer, WM_COMMAND, kFindCommand, 0);
  const HWND find = findWindowOf(viewer);
  if (!find) return say("found", "no find window");
  SetDlgItemTextW(find, edt1, text.c_str());
  PostMessageW(GetDlgItem(find, kFindAllButtonId), BM_CLICK, 0, 0);
  for (int attempt = 0; attempt < 100 && !paneOf(find); ++attempt) {
    Sleep(50);
    waitUntilIdle(viewer);
  }
  waitUntilIdle(viewer);
  sayPane("found", paneOf(find));
}

void choose(HWND viewer, const std::wstring& where, int row) {
  const HWND pane = paneOf(where == L"find" ? findWindowOf(viewer) : differencesWindowOf(viewer));
  if (!pane) return say("chosen", "none");
  const HWND list = GetDlgItem(pane, kResultsListId);
  const RemoteMemory memory(list, sizeof(LVITEMW));
  LVITEMW item{};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  memory.write(0, &item, sizeof item);
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(memory.at()));
  waitUntilIdle(viewer);
  sayCurrent(viewer);
}

// F7 as the Differences window's list gets it from the keyboard.
void f7InDifferences(HWND viewer) {
  const HWND pane = paneOf(differencesWindowOf(viewer));
  if (!pane) return say("differences", "none");
  PostMessageW(GetDlgItem(pane, kResultsListId), WM_KEYDOWN, VK_F7, 1);
  PostMessageW(GetDlgItem(pane, kResultsListId), WM_KEYUP, VK_F7, 0xC0000001);
  Sleep(100);
  waitUntilIdle(viewer);
  sayDifferences(viewer);
}

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  // Sizes as the viewer itself has them, not scaled for an older program.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  out = _wfopen(argv[1], L"ab");
  if (!out) return 2;
  const std::wstring command = argv[2];
  if (command == L"hold" && argc > 4) {
    hold(argv[3], static_cast<DWORD>(_wtoi(argv[4])));
    return 0;
  }
  if (command == L"resources" && argc > 3) {
    resources(argv[3]);
    return 0;
  }
  if (command == L"starting") {
    starting();
    return 0;
  }
  if (command == L"clipboard") {
    sayClipboard();
    return 0;
  }
  const HWND viewer = findViewer();
  if (!viewer) {
    say("window", "none");
    return 1;
  }
  if (command == L"wait")
    sayLayout(viewer);
  else if (command == L"focus")
    sayFocus(viewer);
  else if (command == L"set" && argc > 3)
    setPath(viewer, argv[3]);
  else if (command == L"lines")
    sayLines(viewer);
  else if (command == L"accessible")
    sayAccessible(viewer);
  else if (command == L"get" && argc > 3)
    get(viewer, argv[3]);
  else if (command == L"save" && argc > 3)
    save(viewer, argv[3]);
  else if (command == L"listed")
    listed(viewer);
  else if (command == L"current")
    sayCurrent(viewer);
  else if (command == L"message")
    message(viewer);
  else if (command == L"close")
    close(viewer);
  else if (command == L"entry")
    sayEntry(viewer);
  else if (command == L"type" && argc > 3)
    typeIntoEntry(viewer, argv[3]);
  else if (command == L"ask" && argc > 3)
    closeAsking(viewer, argv[3]);
  else if (command == L"clicks" && argc > 4)
    clicks(viewer, argv[3], _wtoi(argv[4]));
  else if (command == L"progress")
    progress(viewer, argc > 4 ? std::optional(POINT{_wtoi(argv[3]), _wtoi(argv[4])}) : std::nullopt);
  else if (command == L"closing" && argc > 3)
    closing(viewer, argv[3]);
  else if (command == L"move" && argc > 4)
    SetWindowPos(viewer, nullptr, _wtoi(argv[3]), _wtoi(argv[4]), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  else if (command == L"find" && argc > 3 && std::wstring(argv[3]) == L"place")
    sayFindPlace(viewer);
  else if (command == L"texts")
    sayTexts(viewer);
  else if (command == L"compare" && argc > 3)
    compare(viewer, argv[3]);
  else if (command == L"differences")
    sayDifferences(viewer);
  else if (command == L"findall" && argc > 3)
    findAll(viewer, argv[3]);
  else if (command == L"choose" && argc > 4)
    choose(viewer, argv[3], _wtoi(argv[4]));
  else if (command == L"f7" && argc > 3)
    f7InDifferences(viewer);
  else
    return 2;
  return 0;
}
