// Drives the native window in the test's own process (under Wine, on a
// virtual display): its layout at the display's DPI, its texts, focus and
// keys, and the Get button against files the tests make, read back through
// the list's standard messages as assistive technology reads them.
#include "ui/win32/frm_main.h"

#include <dlgs.h>
#include <gtest/gtest.h>
#include <oleacc.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "runtime/encoding.h"
#include "support/bad_inputs.h"
#include "support/test_files.h"
#include "ui/common/window_description.h"
#include "ui/win32/catalogue.h"
#include "ui/win32/command_line.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/resources.h"
#include "version.h"
#include "window_reading.h"

namespace ui {
void PrintTo(const PixelRect& r, std::ostream* out) {
  *out << "(" << r.left << ", " << r.top << ") " << r.width << " x " << r.height;
}
}  // namespace ui

namespace {

using namespace win32_testing;
using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;
using testing_support::TempDir;

// Handles the messages that have come in, then waits for more for up to
// `settle`: input sent with SendInput reaches the window a moment later.
void pump(std::chrono::milliseconds settle = std::chrono::milliseconds(0)) {
  const auto end = std::chrono::steady_clock::now() + settle;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message != WM_QUIT) win32::dispatch(message);
    }
    if (settle.count() > 0) Sleep(5);
  } while (std::chrono::steady_clock::now() < end);
}

// A key, with a modifier (VK_SHIFT, VK_CONTROL) held while it is pressed.
void press(WORD key, WORD modifier = 0) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD k, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = k;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (modifier) add(modifier, false);
  add(key, false);
  add(key, true);
  if (modifier) add(modifier, true);
  // The keys reach the window a moment later, more on a busy machine: the
  // messages are handled until the key's release has come through, here or
  // in the loop of a menu or message box that the key opened.
  static WORD awaited;
  static bool released;
  awaited = key;
  released = false;
  const HHOOK hook = SetWindowsHookExW(
      WH_GETMESSAGE,
      [](int code, WPARAM removed, LPARAM data) -> LRESULT {
        const auto& m = *reinterpret_cast<const MSG*>(data);
        if (code == HC_ACTION && removed == PM_REMOVE && (m.message == WM_KEYUP || m.message == WM_SYSKEYUP) &&
            m.wParam == awaited) {
          released = true;
        }
        return CallNextHookEx(nullptr, code, removed, data);
      },
      nullptr, GetCurrentThreadId());
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  while (!released && std::chrono::steady_clock::now() < end) pump(std::chrono::milliseconds(5));
  UnhookWindowsHookEx(hook);
  pump(std::chrono::milliseconds(30));
}

// A message box that came up while an action ran, read and closed.
struct ShownMessage {
  std::string text;  // empty when none came up
  std::string title;
  std::string icon;  // "error", "information" or "other"
  HWND owner = nullptr;
};

// Runs `action` and answers each dialog of this thread that comes up while
// it runs (once each), from a timer of this thread, which the dialogs' own
// message loops run.
void answeringDialogs(const std::function<void()>& action, const std::function<void(HWND)>& answer) {
  static const std::function<void(HWND)>* current;
  static std::vector<HWND>* answered;
  std::vector<HWND> seen;
  current = &answer;
  answered = &seen;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
          wchar_t name[16] = {};
          GetClassNameW(window, name, 16);
          if (std::wstring(name) != L"#32770" || !IsWindowVisible(window) ||
              std::find(answered->begin(), answered->end(), window) != answered->end()) {
            return TRUE;
          }
          answered->push_back(window);
          (*current)(window);
          return TRUE;
        },
        0);
  });
  action();
  KillTimer(nullptr, timer);
  pump();
}

// Runs `action`; a message box it shows is read and closed.
ShownMessage closingMessageBox(const std::function<void()>& action) {
  ShownMessage message;
  answeringDialogs(action, [&message](HWND box) {
    if (!isMessageBox(box)) return;
    message = {messageBoxText(box), windowText(box), messageBoxIcon(box), GetWindow(box, GW_OWNER)};
    dismiss(box);
  });
  return message;
}

// The window under test and its controls, found as a test program finds
// them: the window by its class, the controls by their numbers.
struct Viewer {
  frmMain window;
  HWND frame = FindWindowW(frmMain::kClassName, nullptr);
  HWND label = GetDlgItem(frame, win32::kLabel1Id);
  HWND list = GetDlgItem(frame, win32::kLstWordsId);
  HWND path = GetDlgItem(frame, win32::kTxtPathId);
  HWND button = GetDlgItem(frame, win32::kCmdGetId);

  Viewer() {
    SetForegroundWindow(frame);
    pump(std::chrono::milliseconds(50));
  }

  std::vector<std::string> lines() const { return listedLines(list); }

  // Clicks Get with `typed` in the path field. A message box that comes up
  // is read and closed; its text is returned (empty when none came up).
  std::string clickGet(const std::wstring& typed) {
    SetWindowTextW(path, typed.c_str());
    return closingOwnMessageBox([this] { SendMessageW(button, BM_CLICK, 0, 0); }).text;
  }
  std::string clickGet(const std::string& typedUtf8) { return clickGet(wide(typedUtf8)); }

  // The same for a message box of the window's own, titled with its caption.
  ShownMessage closingOwnMessageBox(const std::function<void()>& action) {
    const ShownMessage message = closingMessageBox(action);
    if (!message.text.empty()) {
      EXPECT_EQ(message.title, "Speech.mul by Quorrin");
    }
    return message;
  }
};

int envInt(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::atoi(value) : 0;
}

using ui::PixelRect;

PixelRect placeOf(HWND control) {
  const RECT r = placeInParent(control);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// ---- The command line

// What each kind of command line opens, or says in its message box instead
// (the first line of it), with which icon and exit status; the grammar
// itself is the session's, tested with it.
struct CommandLineCase {
  std::vector<std::wstring> arguments;
  std::optional<std::wstring> path;  // the window opens, with this file or none
  std::string says;
  std::string icon;
  int status;
};

const CommandLineCase kCommandLines[] = {
    {{}, std::nullopt, "", "", 0},
    {{L"C:\\Daten \u0416\\speech.mul"}, L"C:\\Daten \u0416\\speech.mul", "", "", 0},
    {{L"/?"}, std::nullopt, "usage: speechviewer.exe [--encoding NAME] [--] [PATH]", "information", 0},
    {{L"a.mul", L"--version"}, std::nullopt, "speechviewer " SPEECH_VERSION, "information", 0},
    {{L"a.mul", L"b.mul"}, std::nullopt, "too many arguments: give one PATH", "error", 2},
    {{L"-\x1B[2J"}, std::nullopt, "unknown option '-\u241B[2J'", "error", 2},  // shown, not acted on
};

TEST(Win32CommandLine, OpensThePathOrSaysWhatItDoesInAMessageBoxAndExits) {
  for (const CommandLineCase& c : kCommandLines) {
    SCOPED_TRACE(utf8(c.arguments.empty() ? L"(none)" : c.arguments.front() + L" ..."));
    const std::vector<std::filesystem::path> arguments(c.arguments.begin(), c.arguments.end());
    const ui::ViewerCommandLine line = ui::readViewerCommandLine(arguments, win32::kViewerProgram);
    EXPECT_EQ(line.action == ui::ViewerCommandLine::Action::OpenWindow, c.says.empty());
    EXPECT_EQ(line.path, c.path ? std::optional<std::filesystem::path>(*c.path) : std::nullopt);
    if (c.says.empty()) continue;
    int status = -1;
    const ShownMessage message = closingMessageBox([&] { status = win32::answerCommandLine(line); });
    // The message's first lines, as many as the expected text has.
    EXPECT_EQ(message.text.substr(0, message.text.find('\n', c.says.size())), c.says);
    EXPECT_EQ(message.title, "Speech.mul by Quorrin");
    EXPECT_EQ(message.icon, c.icon);
    EXPECT_EQ(message.owner, nullptr) << "the program shows no window";
    EXPECT_EQ(status, c.status);
  }
}

// ---- Layout, texts and focus

struct Geometry {
  int dpi;
  SIZE client;
  PixelRect label, list, path, button;
};

// The window description in pixels: twips x DPI / 1440, rounded half up.
const Geometry kGeometries[] = {
    {96, {313, 401}, {8, 8, 294, 13}, {8, 24, 297, 303}, {8, 336, 297, 19}, {8, 384, 297, 17}},
    {144, {470, 602}, {12, 12, 441, 20}, {12, 36, 446, 455}, {12, 504, 446, 29}, {12, 576, 446, 26}},
};

TEST(Win32Window, LayoutFollowsTheWindowDescriptionAtTheDisplaysDpi) {
  const Viewer viewer;
  const int dpi = static_cast<int>(GetDpiForWindow(viewer.frame));
  if (const int expected = envInt("SPEECH_EXPECTED_DPI")) {
    ASSERT_EQ(dpi, expected);
  }
  const auto geometry =
      std::find_if(std::begin(kGeometries), std::end(kGeometries), [dpi](const Geometry& g) { return g.dpi == dpi; });
  ASSERT_NE(geometry, std::end(kGeometries)) << "no expected layout at " << dpi << " DPI";

  RECT client{};
  GetClientRect(viewer.frame, &client);
  EXPECT_EQ(client.right, geometry->client.cx);
  EXPECT_EQ(client.bottom, geometry->client.cy);
  EXPECT_EQ(placeOf(viewer.label), geometry->label);
  EXPECT_EQ(placeOf(viewer.list), geometry->list);
  EXPECT_EQ(placeOf(viewer.path), geometry->path);
  EXPECT_EQ(placeOf(viewer.button), geometry->button);

  // Every control shows the system's message font at the window's DPI.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)));
  for (const HWND control : {viewer.label, viewer.list, viewer.path, viewer.button}) {
    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(metrics.lfMessageFont.lfFaceName));
    EXPECT_EQ(font.lfHeight, metrics.lfMessageFont.lfHeight);
  }
}

TEST(Win32Window, StartsWithItsTextsAnEmptyListAndTheFocusOnIt) {
  const Viewer viewer;
  EXPECT_EQ(windowText(viewer.frame), "Speech.mul by Quorrin");
  EXPECT_EQ(windowText(viewer.label), "Speech ID - SpeechText");
  EXPECT_EQ(windowText(viewer.path), "c:\\program files\\kestrel haven\\speech.mul");
  EXPECT_EQ(GetWindowTextLengthW(viewer.path), 41);
  EXPECT_EQ(windowText(viewer.button), "Get");
  EXPECT_EQ(SendMessageW(viewer.list, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(GetFocus(), viewer.list);
  EXPECT_FALSE(GetWindowLongW(viewer.label, GWL_STYLE) & WS_TABSTOP);
  EXPECT_EQ(SendMessageW(viewer.button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0)
      << "Get is not the default button";
  EXPECT_NE(SendMessageW(viewer.frame, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST(Win32Window, TabAndShiftTabMoveInTabOrderAndEnterPressesOnlyTheFocusedButton) {
  const TempDir dir;
  const std::string file = dir.write("s.mul", record(1, "one"));
  Viewer viewer;
  SetWindowTextW(viewer.path, wide(file).c_str());
  ASSERT_EQ(GetFocus(), viewer.list);
  press(VK_TAB);
  EXPECT_EQ(GetFocus(), viewer.path);
  press(VK_RETURN);  // in the path field: nothing
  EXPECT_EQ(viewer.lines().size(), 0u);
  press(VK_TAB);
  EXPECT_EQ(GetFocus(), viewer.button);
  press(VK_TAB);
  EXPECT_EQ(GetFocus(), viewer.list);
  press(VK_TAB, VK_SHIFT);
  EXPECT_EQ(GetFocus(), viewer.button);
  press(VK_TAB, VK_SHIFT);
  EXPECT_EQ(GetFocus(), viewer.path);
  press(VK_RETURN);  // still nothing, after the button had the focus
  EXPECT_EQ(viewer.lines().size(), 0u);

  press(VK_TAB);
  press(VK_RETURN);
  EXPECT_EQ(viewer.lines(), std::vector<std::string>{"ID: 1 Text: one"});
  viewer.clickGet(dir.path().wstring() + L"\\missing.mul");  // empties the list
  SetWindowTextW(viewer.path, wide(file).c_str());
  SetFocus(viewer.button);
  press(VK_SPACE);
  EXPECT_EQ(viewer.lines(), std::vector<std::string>{"ID: 1 Text: one"});
}

// ---- Get

TEST(Win32Window, GetListsTheFileInThePathFieldOnceEachTime) {
  const TempDir dir;
  const std::string first =
      dir.write("first.mul", concat({record(0x2A, "hail"), record(0x100, ""), record(0x8001, "ok")}));
  const std::string second = dir.write("second.mul", record(7, "seven"));
  Viewer viewer;
  EXPECT_EQ(viewer.clickGet(first), "");
  const std::vector<std::string> expected = {"ID: 2A Text: hail", "ID: 8001 Text: ok"};
  EXPECT_EQ(viewer.lines(), expected);
  EXPECT_EQ(viewer.clickGet(first), "");
  EXPECT_EQ(viewer.lines(), expected);     // once, not twice
  EXPECT_EQ(viewer.clickGet(second), "");  // an edited path is read at the click
  EXPECT_EQ(viewer.lines(), std::vector<std::string>{"ID: 7 Text: seven"});
}

TEST(Win32Window, AFailedOpenEmptiesTheListAndSaysWhyInAMessageBox) {
  const TempDir dir;
  Viewer viewer;
  viewer.clickGet(dir.write("s.mul", record(1, "x")));
  ASSERT_EQ(viewer.lines().size(), 1u);
  const std::string missing = dir.path().string() + "\\missing.mul";
  SetWindowTextW(viewer.path, wide(missing).c_str());
  const ShownMessage message = viewer.closingOwnMessageBox([&] { SendMessageW(viewer.button, BM_CLICK, 0, 0); });
  EXPECT_EQ(message.text, "\"" + missing + "\": There is no file with this name. (File not found, runtime error 53)");
  EXPECT_EQ(message.icon, "error");
  EXPECT_EQ(message.owner, viewer.frame);
  EXPECT_TRUE(viewer.lines().empty());
}

TEST(Win32Window, AnErrorMidFileKeepsTheLinesBeforeItClosesTheFileAndTheWindowGoesOn) {
  const TempDir dir;
  const std::string bad = dir.write("bad.mul", concat({record(1, "one"), record(2, "two"), record(3, 0x8000, "")}));
  Viewer viewer;
  EXPECT_EQ(viewer.clickGet(bad), "\"" + bad +
                                      "\": The entry at byte 14 gives a text length of 0x8000, more than the 32,767 "
                                      "bytes an entry can hold. (Overflow, runtime error 6)");
  EXPECT_EQ(viewer.lines(), (std::vector<std::string>{"ID: 1 Text: one", "ID: 2 Text: two"}));
  EXPECT_TRUE(DeleteFileW(wide(bad).c_str())) << "the file is still open";
  EXPECT_EQ(viewer.clickGet(dir.write("good.mul", record(4, "four"))), "");
  EXPECT_EQ(viewer.lines(), std::vector<std::string>{"ID: 4 Text: four"});
}

TEST(Win32Window, ANameWithAnUnpairedSurrogateOpensAsTyped) {
  const TempDir dir;
  const std::wstring name = dir.path().wstring() + L"\\x\xD800y.mul";
  const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) GTEST_SKIP() << "this file system takes no such name";
  const Bytes one = record(1, "one");
  DWORD written = 0;
  WriteFile(file, one.data(), static_cast<DWORD>(one.size()), &written, nullptr);
  CloseHandle(file);
  Viewer viewer;
  EXPECT_EQ(viewer.clickGet(name), "");
  EXPECT_EQ(viewer.lines(), std::vector<std::string>{"ID: 1 Text: one"});
}

// ---- Files dropped from the file manager

// What the file manager hands over: a DROPFILES header, then the wide paths,
// each ending in a null, and a null after the last.
HDROP droppedFiles(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const std::wstring& path : paths) list += path + L'\0';
  list += L'\0';
  const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::copy(list.begin(), list.end(), reinterpret_cast<wchar_t*>(header + 1));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST(Win32Window, AFileDroppedOnTheWindowIsPutInThePathFieldAndListed) {
  const TempDir dir;
  const std::string first = dir.write("Données Ж.mul", record(0x2A, "hail"));
  const std::string second = dir.write("second.mul", record(7, "seven"));
  Viewer viewer;
  EXPECT_TRUE(GetWindowLongW(viewer.frame, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  const auto before = testing_support::snapshot(dir.path());
  // The window takes the drop (and frees it) itself.
  const std::string message =
      viewer
          .closingOwnMessageBox([&] {
            PostMessageW(viewer.frame, WM_DROPFILES,
                         reinterpret_cast<WPARAM>(droppedFiles({wide(first), wide(second)})), 0);
            pump(std::chrono::milliseconds(100));
          })
          .text;
  EXPECT_EQ(message, "");
  EXPECT_EQ(windowText(viewer.path), first) << "the first of the files";
  EXPECT_EQ(viewer.lines(), std::vector<std::string>{"ID: 2A Text: hail"});
  EXPECT_EQ(testing_support::snapshot(dir.path()), before);
}

// ---- Find

// The window's find dialog while it is open: a dialog it owns with the
// find dialog's text field and Match case (its title is in the system's
// language).
HWND findDialog(HWND owner) {
  static HWND wanted;
  wanted = owner;
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != wanted || !GetDlgItem(window, edt1) ||
            !GetDlgItem(window, chx2)) {
          return TRUE;
        }
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

bool rowInView(HWND list, LRESULT row) {
  RECT box{}, client{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&box));
  GetClientRect(list, &client);
  return box.top >= 0 && box.bottom <= client.bottom;
}

// Searches one after another as the user makes them: in the find dialog
// (Ctrl+F, its text, Match case and direction, then Find Next), with F3 and
// Shift+F3 from the main window, or closing the dialog. Each leaves a line
// current and in view, or says that no line holds the text.
struct FindStep {
  enum By { Dialog, F3, ShiftF3, CloseDialog } by;
  std::wstring text = L"";
  bool matchCase = false;
  bool down = true;
  LRESULT current = LB_ERR;  // the current row after it
  std::string says = "";     // the message when nothing is found
  std::string status = "";   // the find dialog's status line, while it is open
};

TEST(Win32Window, FindsALineByItsIdOrTextThroughTheFindDialogAndF3) {
  // Rows 0 to 2, then "entry 0" to "entry 199" in rows 3 to 202.
  std::vector<Bytes> records = {record(0x2A, "hail"), record(0x8001, "ok"), record(0x33, "The Bank is closed")};
  for (int i = 0; i < 200; ++i)
    records.push_back(record(static_cast<std::uint16_t>(0x100 + i), "entry " + std::to_string(i)));
  Bytes file;
  for (const Bytes& r : records) file.insert(file.end(), r.begin(), r.end());
  const TempDir dir;
  Viewer viewer;
  viewer.clickGet(dir.write("s.mul", file));

  const FindStep steps[] = {
      {FindStep::Dialog, L"2a", false, true, 0},  // the ID, either case
      {FindStep::Dialog, L"bank", false, true, 2},
      {FindStep::Dialog, L"bank", true, true, 2, "No line holds \"bank\".", "No line holds \"bank\"."},
      {FindStep::Dialog, L"entry 15", true, true, 18},
      {FindStep::F3, L"", false, true, 153},  // entry 150, far out of view
      {FindStep::ShiftF3, L"", false, true, 18},
      {FindStep::ShiftF3, L"", false, true, 162, "", "Went on from the last line."},  // round to entry 159
      {FindStep::Dialog, L"hail", false, false, 0},
      {FindStep::Dialog, L"zzz", false, true, 0, "No line holds \"zzz\".", "No line holds \"zzz\"."},
      {FindStep::CloseDialog, L"", false, true, 0},
      {FindStep::F3, L"", false, true, 0, "No line holds \"zzz\"."},
  };
  for (const FindStep& step : steps) {
    SCOPED_TRACE(utf8(step.text) + " by " + std::to_string(step.by) + ", to row " + std::to_string(step.current));
    HWND dialog = findDialog(viewer.frame);
    std::function<void()> action;
    switch (step.by) {
      case FindStep::Dialog:
        if (!dialog) press('F', VK_CONTROL);
        dialog = findDialog(viewer.frame);
        ASSERT_NE(dialog, nullptr) << "Ctrl+F opens the find dialog";
        SetDlgItemTextW(dialog, edt1, step.text.c_str());
        CheckDlgButton(dialog, chx2, step.matchCase ? BST_CHECKED : BST_UNCHECKED);
        CheckRadioButton(dialog, rad1, rad2, step.down ? rad2 : rad1);
        action = [dialog] {
          SendMessageW(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        };
        break;
      case FindStep::F3:
      case FindStep::ShiftF3:
        // From the main window, with the focus on the list.
        SetActiveWindow(viewer.frame);
        SetFocus(viewer.list);
        action = [&step] { press(VK_F3, step.by == FindStep::ShiftF3 ? VK_SHIFT : 0); };
        break;
      case FindStep::CloseDialog: action = [dialog] { SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0); }; break;
    }
    const ShownMessage message = viewer.closingOwnMessageBox(action);
    EXPECT_EQ(message.text, step.says);
    if (!step.says.empty()) {
      EXPECT_EQ(message.icon, "information");
      EXPECT_EQ(message.owner, dialog ? dialog : viewer.frame) << "over the find dialog while it is open";
    }
    if (const HWND open = findDialog(viewer.frame)) {
      EXPECT_EQ(windowText(GetDlgItem(open, win32::kFindStatusId)), step.status);
    }
    const LRESULT current = SendMessageW(viewer.list, LB_GETCURSEL, 0, 0);
    EXPECT_EQ(current, step.current);
    EXPECT_TRUE(rowInView(viewer.list, current));
  }
  EXPECT_EQ(findDialog(viewer.frame), nullptr);
}

// Wherever the main window is, the find dialog opens where it hides no line
// of the list and lies whole on the work area.
TEST(Win32Window, TheFindDialogLeavesTheListInView) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT work = monitor.rcWork;
  const LONG middle = (work.left + work.right) / 2;
  for (const LONG left : {work.left, middle - 150, work.right - 330}) {
    SCOPED_TRACE(left);
    Viewer viewer;
    SetWindowPos(viewer.frame, nullptr, left, work.top + 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    press('F', VK_CONTROL);
    const HWND dialog = findDialog(viewer.frame);
    ASSERT_NE(dialog, nullptr);
    RECT box{}, list{}, overlap{};
    GetWindowRect(dialog, &box);
    GetWindowRect(viewer.list, &list);
    EXPECT_FALSE(IntersectRect(&overlap, &box, &list));
    EXPECT_TRUE(box.left >= work.left && box.top >= work.top && box.right <= work.right && box.bottom <= work.bottom);
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    pump();
  }
}

// ---- The list's menu, copying and saving

// What the clipboard holds as text.
std::string clipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "(clipboard not open)";
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = utf8(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Opens the list's menu by `open`, reads its items ("text", or "text (off)"
// when grayed) and chooses the one whose underlined letter is `letter`, or
// none for VK_ESCAPE.
std::vector<std::string> choosingFromMenu(const std::function<void()>& open, wchar_t letter) {
  static std::vector<std::string>* seen;
  static wchar_t chosen;
  std::vector<std::string> items;
  seen = &items;
  chosen = letter;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!seen->empty() || !menuWindow || !IsWindowVisible(menuWindow)) return;
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int item = 0; item < GetMenuItemCount(menu); ++item) {
      wchar_t text[64] = {};
      GetMenuStringW(menu, static_cast<UINT>(item), text, 64, MF_BYPOSITION);
      const UINT state = GetMenuState(menu, static_cast<UINT>(item), MF_BYPOSITION);
      seen->push_back(state & MF_SEPARATOR ? "-" : utf8(text) + (state & MF_GRAYED ? " (off)" : ""));
    }
    if (chosen == VK_ESCAPE) {
      PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    } else {
      PostMessageW(menuWindow, WM_CHAR, chosen, 0);
    }
  });
  open();
  pump(std::chrono::milliseconds(100));
  KillTimer(nullptr, timer);
  return items;
}

TEST(Win32Window, TheListsMenuOffersWhatAppliesAndCopiesALineOrEveryLine) {
  const TempDir dir;
  Viewer viewer;
  SetFocus(viewer.list);
  // From the keyboard (the Menu key), on an empty list.
  EXPECT_EQ(choosingFromMenu([] { press(VK_APPS); }, VK_ESCAPE),
            (std::vector<std::string>{"&Copy\tCtrl+C (off)", "Copy &all lines (off)", "-", "Edi&t text...\tF2 (off)",
                                      "&New entry...\tIns", "&Delete entry\tDel (off)", "&Undo\tCtrl+Z (off)",
                                      "&Redo\tCtrl+Y (off)", "-", "&Find...\tCtrl+F", "&Save list as... (off)",
                                      "Save speec&h file\tCtrl+S", "Save s&peech file as...\tCtrl+Shift+S",
                                      "&Open list...", "Compare &with... (off)", "-", "&Encoding"}));

  viewer.clickGet(dir.write("s.mul", concat({record(1, "one"), record(2, "tab\there"), record(3, "three")})));
  const std::vector<std::string> lines = viewer.lines();
  ASSERT_EQ(lines.size(), 3u);
  // A right click on the second line makes it current, and Copy copies it.
  RECT second{};
  SendMessageW(viewer.list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  const LPARAM at = MAKELPARAM(second.left + 5, second.top + 2);
  EXPECT_EQ(choosingFromMenu(
                [&] {
                  SendMessageW(viewer.list, WM_RBUTTONDOWN, MK_RBUTTON, at);
                  SendMessageW(viewer.list, WM_RBUTTONUP, 0, at);
                },
                L'c'),
            (std::vector<std::string>{"&Copy\tCtrl+C", "Copy &all lines", "-", "Edi&t text...\tF2",
                                      "&New entry...\tIns", "&Delete entry\tDel", "&Undo\tCtrl+Z (off)",
                                      "&Redo\tCtrl+Y (off)", "-", "&Find...\tCtrl+F", "&Save list as...",
                                      "Save speec&h file\tCtrl+S", "Save s&peech file as...\tCtrl+Shift+S",
                                      "&Open list...", "Compare &with...", "-", "&Encoding"}));
  EXPECT_EQ(SendMessageW(viewer.list, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(clipboardText(), "ID: 2 Text: tab\u2409here");

  choosingFromMenu([] { press(VK_F10, VK_SHIFT); }, L'a');
  EXPECT_EQ(clipboardText(), lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n");
}

// Holds the clipboard open, as another program may, from a thread of its
// own while it lives.
class ClipboardHolder {
 public:
  ClipboardHolder() : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    holder_ = std::thread([this, opened] {
      const bool open = OpenClipboard(nullptr);
      SetEvent(opened);
      WaitForSingleObject(release_, INFINITE);
      if (open) CloseClipboard();
    });
    WaitForSingleObject(opened, INFINITE);
    CloseHandle(opened);
  }
  ~ClipboardHolder() {
    SetEvent(release_);
    holder_.join();
    CloseHandle(release_);
  }
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;

 private:
  HANDLE release_;
  std::thread holder_;
};

// Copy and Copy all lines say why when another program holds the
// clipboard, and copy once it has let it go.
TEST(Win32Window, CopyingSaysWhyWhenAnotherProgramHoldsTheClipboard) {
  const TempDir dir;
  Viewer viewer;
  viewer.clickGet(dir.write("s.mul", concat({record(1, "one"), record(2, "two")})));
  SetFocus(viewer.list);
  SendMessageW(viewer.list, LB_SETCURSEL, 1, 0);
  const struct {
    const char* copy;
    std::function<void()> act;
    std::string says, copied;
  } copies[] = {
      {"Ctrl+C", [] { press('C', VK_CONTROL); },
       "The line was not copied: another program holds the clipboard. Try again in a moment.", "ID: 2 Text: two"},
      {"Copy all lines", [&viewer] { SendMessageW(viewer.frame, WM_COMMAND, SPEECH_COMMAND_COPY_ALL, 0); },
       "The lines were not copied: another program holds the clipboard. Try again in a moment.",
       "ID: 1 Text: one\r\nID: 2 Text: two\r\n"},
  };
  for (const auto& c : copies) {
    SCOPED_TRACE(c.copy);
    {
      const ClipboardHolder held;
      const ShownMessage message = viewer.closingOwnMessageBox(c.act);
      EXPECT_EQ(message.text, c.says);
      EXPECT_EQ(message.icon, "error");
    }
    EXPECT_EQ(viewer.closingOwnMessageBox(c.act).text, "");
    EXPECT_EQ(clipboardText(), c.copied);
  }
}

// The list's Encoding menu: the system default first, checked, then every
// encoding; choosing one shows every line in it at once, the current line
// and the scroll position kept.
TEST(Win32Window, TheEncodingMenuShowsTheLinesInTheChosenEncoding) {
  const TempDir dir;
  Bytes file;
  for (int i = 0; i < 60; ++i) {
    const Bytes r = record(static_cast<std::uint16_t>(i), "\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD");
    file.insert(file.end(), r.begin(), r.end());
  }
  Viewer viewer;
  viewer.clickGet(dir.write("s.mul", file));
  SendMessageW(viewer.list, LB_SETCURSEL, 40, 0);
  const LRESULT top = SendMessageW(viewer.list, LB_GETTOPINDEX, 0, 0);

  // What the menu offers: read from its Encoding submenu while it is open.
  static std::vector<std::string>* offered;
  std::vector<std::string> items;
  offered = &items;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!offered->empty() || !menuWindow || !IsWindowVisible(menuWindow)) return;
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    const HMENU encodings = GetSubMenu(menu, GetMenuItemCount(menu) - 1);
    for (int item = 0; item < GetMenuItemCount(encodings); ++item) {
      wchar_t text[64] = {};
      GetMenuStringW(encodings, static_cast<UINT>(item), text, 64, MF_BYPOSITION);
      const UINT state = GetMenuState(encodings, static_cast<UINT>(item), MF_BYPOSITION);
      if (!(state & MF_SEPARATOR)) offered->push_back((state & MF_CHECKED ? "* " : "") + utf8(text));
    }
    PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  SetFocus(viewer.list);
  press(VK_APPS);
  pump(std::chrono::milliseconds(100));
  KillTimer(nullptr, timer);
  ASSERT_EQ(items.size(), 16u);
  EXPECT_EQ(items[0], "* " + runtime::systemDefaultName());
  const auto japanese = std::find(items.begin(), items.end(), "Japanese (932)");
  ASSERT_NE(japanese, items.end());

  // Chosen: every line in it, the same line current, the same rows in view.
  SendMessageW(viewer.frame, WM_COMMAND, SPEECH_COMMAND_ENCODING_FIRST + (japanese - items.begin()), 0);
  EXPECT_EQ(viewer.lines().at(40), "ID: 28 Text: \u3053\u3093\u306B\u3061\u306F");
  EXPECT_EQ(SendMessageW(viewer.list, LB_GETCURSEL, 0, 0), 40);
  EXPECT_EQ(SendMessageW(viewer.list, LB_GETTOPINDEX, 0, 0), top);
}

// A Get that runs longer than a moment shows its progress in a small modal
// window; Cancel stops it, the lines read so far stay, and a message says the
// listing was stopped.
TEST(Win32Window, ALongGetShowsItsProgressAndCancelStopsIt) {
  const TempDir dir;
  const std::string path = testing_support::makeLongFile(dir);
  Viewer viewer;
  SetWindowTextW(viewer.path, wide(path).c_str());
  std::string progressText, message, icon;
  bool listDisabled = false;
  const auto clicked = std::chrono::steady_clock::now();
  std::chrono::milliseconds appeared{-1};
  answeringDialogs(
      [&] { SendMessageW(viewer.button, BM_CLICK, 0, 0); },
      [&](HWND dialog) {
        if (GetDlgItem(dialog, SPEECH_PROGRESS_BAR)) {
          appeared = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - clicked);
          progressText = windowText(GetDlgItem(dialog, SPEECH_PROGRESS_TEXT));
          listDisabled = !IsWindowEnabled(viewer.frame);
          PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        } else if (isMessageBox(dialog)) {
          message = messageBoxText(dialog);
          icon = messageBoxIcon(dialog);
          dismiss(dialog);
        }
      });
  EXPECT_GE(appeared.count(), 400) << "not for a moment's work";
  EXPECT_TRUE(progressText.starts_with("Reading long.mul: ")) << progressText;
  EXPECT_TRUE(listDisabled) << "the window takes no input of its own meanwhile";
  EXPECT_NE(message.find("The listing was stopped at byte"), std::string::npos) << message;
  EXPECT_EQ(icon, "information");
  EXPECT_EQ(viewer.lines().size(), 100u);
}

// Save list as, through the system's save dialog: a name typed in it and a
// file type chosen, then Save (and Yes when it asks to replace a file).
struct SaveCase {
  std::wstring typed;  // a name in the speech file's folder, or a whole path
  int type;            // 1 text, 2 CSV, 3 JSON Lines
  std::string savedAs;
  std::string firstLine;  // of the file written; or the start of the message when refused
  bool refused = false;
};

TEST(Win32Window, SaveListAsWritesTheChosenTypeAndNeverOverTheSpeechFile) {
  const TempDir dir;
  const std::string speech = dir.write("speech.mul", concat({record(0x2A, "hail"), record(7, "seven")}));
  dir.write("old.txt", record(1, "old"));
  Viewer viewer;
  viewer.clickGet(speech);
  wchar_t folderBefore[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, folderBefore);

  const std::string refusal = "This is the speech file the lines come from; the list is not saved over it.";
  const SaveCase cases[] = {
      {L"list", 1, "list.txt", "ID: 2A Text: hail"},
      {L"list", 2, "list.csv", "offset,id,id_hex,length,text"},
      {L"list", 3, "list.json", "{\"offset\":0,\"id\":42,\"id_hex\":\"2A\",\"length\":4,\"text\":\"hail\"}"},
      {L"old.txt", 1, "old.txt", "ID: 2A Text: hail"},  // replaced, once confirmed
      {wide(speech), 1, "speech.mul", refusal, true},
      {L"SPEECH.MUL", 1, "speech.mul", refusal, true},
  };
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(utf8(c.typed) + " as type " + std::to_string(c.type));
    const auto target = dir.path() / c.savedAs;
    const bool existed = std::filesystem::exists(target);
    const Bytes before = existed ? testing_support::readAll(target.string()) : Bytes{};
    std::string suggested, message;
    bool askedToReplace = false;
    answeringDialogs([&] { SendMessageW(viewer.frame, WM_COMMAND, SPEECH_COMMAND_SAVE_LIST, 0); },
                     [&](HWND dialog) {
                       if (windowText(dialog) == "Save list as" && GetDlgItem(dialog, cmb13)) {
                         suggested = windowText(GetDlgItem(dialog, cmb13));
                         SetDlgItemTextW(dialog, cmb13, c.typed.c_str());
                         const HWND types = GetDlgItem(dialog, cmb1);
                         SendMessageW(types, CB_SETCURSEL, static_cast<WPARAM>(c.type - 1), 0);
                         // As a choice in the list ends, whichever of the two the dialog reads.
                         for (const WORD ending : {CBN_SELCHANGE, CBN_SELENDOK}) {
                           SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, ending), reinterpret_cast<LPARAM>(types));
                         }
                         PostMessageW(dialog, WM_COMMAND, IDOK, 0);
                       } else if (isMessageBox(dialog) && windowText(dialog) == "Save list as") {
                         askedToReplace = true;
                         PostMessageW(dialog, WM_COMMAND, IDYES, 0);
                       } else if (isMessageBox(dialog)) {
                         message = messageBoxText(dialog);
                         dismiss(dialog);
                       }
                     });
    EXPECT_EQ(suggested, "speech.txt") << "named after the speech file";
    EXPECT_EQ(askedToReplace, existed);
    if (c.refused) {
      EXPECT_EQ(message.substr(0, c.firstLine.size()), c.firstLine);
      EXPECT_EQ(testing_support::readAll(target.string()), before);
      continue;
    }
    EXPECT_EQ(message, "");
    const Bytes saved = testing_support::readAll(target.string());
    const std::string text(saved.begin(), saved.end());
    EXPECT_EQ(text.substr(0, text.find_first_of("\r\n")), c.firstLine);
  }
  wchar_t folderAfter[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, folderAfter);
  EXPECT_EQ(utf8(folderAfter), utf8(folderBefore)) << "a relative path in the field still reads from the same folder";
}

// ---- The list

TEST(Win32Window, ControlCharactersReadAsTheirShownFormAndCopyThatWay) {
  const TempDir dir;
  Viewer viewer;
  viewer.clickGet(dir.write("s.mul", record(1, std::string("a\0b\tc\nd\re\x1B"
                                                           "f\x7Fg\x81",
                                                           14))));
  const std::string shown = "ID: 1 Text: a\u2400b\u2409c\u240Ad\u240De\u241Bf\u2421g\u203981\u203A";
  if (GetACP() == 1252) {
    EXPECT_EQ(viewer.lines(), std::vector<std::string>{shown});
  }

  // Ctrl+C on the current line.
  SetFocus(viewer.list);
  SendMessageW(viewer.list, LB_SETCURSEL, 0, 0);
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(viewer.list, WM_KEYDOWN, 'C', 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  ASSERT_TRUE(OpenClipboard(viewer.frame));
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const std::string copied = data ? utf8(static_cast<const wchar_t*>(GlobalLock(data))) : "";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(copied, viewer.lines().at(0));
}

// No Windows text field holds a NUL: OK in Edit entry would cut the text
// there, so such an entry is not opened in it, and a message says why.
TEST(Win32Window, ATextWithANulIsNotOpenedInEditEntryWhichWouldCutIt) {
  const TempDir dir;
  Viewer viewer;
  viewer.clickGet(dir.write("s.mul", record(1, std::string_view("a\0b", 3))));
  SendMessageW(viewer.list, LB_SETCURSEL, 0, 0);
  std::string told = "no message box";
  answeringDialogs([&] { SendMessageW(viewer.list, WM_KEYDOWN, VK_F2, 0); },
                   [&](HWND dialog) {
                     if (isMessageBox(dialog)) told = messageBoxText(dialog);
                     PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                   });
  EXPECT_NE(told.find("NUL"), std::string::npos) << told;
  EXPECT_EQ(viewer.lines(), std::vector<std::string>{"ID: 1 Text: a\u2400b"});
}

TEST(Win32Window, AssistiveTechnologyReadsTheLinesAsAListBoxs) {
  const TempDir dir;
  Viewer viewer;
  viewer.clickGet(dir.write("s.mul", concat({record(1, "one"), record(2, "two")})));
  CoInitialize(nullptr);
  IAccessible* accessible = nullptr;
  ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(viewer.list, static_cast<DWORD>(OBJID_CLIENT),
                                                      __uuidof(IAccessible), reinterpret_cast<void**>(&accessible)));
  long children = 0;
  EXPECT_HRESULT_SUCCEEDED(accessible->get_accChildCount(&children));
  EXPECT_EQ(children, 2);
  VARIANT second;
  second.vt = VT_I4;
  second.lVal = 2;
  BSTR name = nullptr;
  EXPECT_HRESULT_SUCCEEDED(accessible->get_accName(second, &name));
  EXPECT_EQ(name ? utf8(name) : "", "ID: 2 Text: two");
  SysFreeString(name);

  // A line edited (F2, a text, OK) is described as changed; the others not.
  SendMessageW(viewer.list, LB_SETCURSEL, 0, 0);
  answeringDialogs([&] { SendMessageW(viewer.list, WM_KEYDOWN, VK_F2, 0); },
                   [](HWND entry) {
                     SetDlgItemTextW(entry, SPEECH_ENTRY_TEXT, L"uno");
                     PostMessageW(GetDlgItem(entry, IDOK), BM_CLICK, 0, 0);
                   });
  EXPECT_EQ(viewer.lines(), (std::vector<std::string>{"ID: 1 Text: uno", "ID: 2 Text: two"}));
  auto description = [accessible](long child) {
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child;
    BSTR text = nullptr;
    accessible->get_accDescription(id, &text);
    const std::string read = text ? utf8(text) : "";
    SysFreeString(text);
    return read;
  };
  EXPECT_EQ(description(1), "Changed");
  EXPECT_EQ(description(2), "");
  accessible->Release();
  CoUninitialize();
}

// The horizontal range reaches the end of the widest line drawn so far,
// starting from the longest by bytes, which need not be the widest: here a
// line of control characters, each drawn as a tag wider than a letter in
// any font.
TEST(Win32Window, EveryLineCanBeScrolledToItsEnd) {
  const TempDir dir;
  Bytes file = record(0, std::string(400, 'i'));  // the longest by bytes
  for (int id = 1; id < 100; ++id) {
    const Bytes r = record(static_cast<std::uint16_t>(id), "short");
    file.insert(file.end(), r.begin(), r.end());
  }
  const Bytes marks = record(100, std::string(300, '\x1B'));  // the widest, out of view at first
  file.insert(file.end(), marks.begin(), marks.end());
  Viewer viewer;
  viewer.clickGet(dir.write("s.mul", file));

  const HDC dc = GetDC(viewer.list);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(viewer.list, WM_GETFONT, 0, 0)));
  auto width = [dc](const std::string& text) {
    const std::wstring w = wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
    return static_cast<int>(size.cx);
  };
  const int longest = width("ID: 0 Text: " + std::string(400, 'i'));
  const int atLeastWidest = width("ID: 64 Text: " + std::string(300, 'E'));
  SelectObject(dc, previous);
  ReleaseDC(viewer.list, dc);

  auto range = [&viewer] {
    SCROLLINFO info{sizeof info, SIF_RANGE, 0, 0, 0, 0, 0};
    GetScrollInfo(viewer.list, SB_HORZ, &info);
    return info.nMax + 1;
  };
  pump();
  const int first = range();
  EXPECT_GE(first, longest);
  SetFocus(viewer.list);
  SendMessageW(viewer.list, WM_KEYDOWN, VK_END, 0);
  UpdateWindow(viewer.list);
  pump();
  EXPECT_GT(range(), first);
  EXPECT_GE(range(), atLeastWidest);
}

// ---- Unsaved changes

// Closing, a Get and a drop with an entry deleted and not saved ask first,
// with Save, Don't Save and Cancel: Cancel keeps everything as it was, Don't
// Save goes on and leaves the file as read, Save writes it and then goes on.
TEST(Win32Window, UnsavedChangesAreAskedAboutBeforeClosingAGetOrADrop) {
  enum class Action { Close, Get, Drop };
  const Action actions[] = {Action::Close, Action::Get, Action::Drop};
  const std::pair<int, const char*> answers[] = {{IDCANCEL, "Cancel"}, {IDNO, "Don't Save"}, {IDYES, "Save"}};
  for (const Action action : actions) {
    for (const auto& [answer, name] : answers) {
      SCOPED_TRACE(std::string(action == Action::Close ? "closing"
                               : action == Action::Get ? "a Get"
                                                       : "a drop") +
                   ", answered " + name);
      const TempDir dir;
      const Bytes read = concat({record(1, "one"), record(2, "two")});
      const std::string speech = dir.write("speech.mul", read);
      const std::string other = dir.write("other.mul", record(3, "three"));
      Viewer viewer;
      viewer.clickGet(speech);
      SendMessageW(viewer.list, LB_SETCURSEL, 0, 0);
      SendMessageW(viewer.list, WM_KEYDOWN, VK_DELETE, 0);
      ASSERT_EQ(viewer.lines(), std::vector<std::string>{"ID: 2 Text: two"});

      std::string question, buttons;
      answeringDialogs(
          [&] {
            if (action == Action::Close) PostMessageW(viewer.frame, WM_CLOSE, 0, 0);
            if (action == Action::Get) {
              SetWindowTextW(viewer.path, wide(other).c_str());
              PostMessageW(viewer.button, BM_CLICK, 0, 0);
            }
            if (action == Action::Drop) {
              PostMessageW(viewer.frame, WM_DROPFILES, reinterpret_cast<WPARAM>(droppedFiles({wide(other)})), 0);
            }
            pump(std::chrono::milliseconds(300));
          },
          [&, answer = answer](HWND dialog) {
            if (!GetDlgItem(dialog, IDNO)) return;
            EnumChildWindows(
                dialog,
                [](HWND child, LPARAM into) -> BOOL {
                  wchar_t kind[16] = {};
                  GetClassNameW(child, kind, 16);
                  if (_wcsicmp(kind, L"Static") == 0) *reinterpret_cast<std::string*>(into) += windowText(child);
                  return TRUE;
                },
                reinterpret_cast<LPARAM>(&question));
            // Cancel is the system's, in the system's language.
            for (const int id : {IDYES, IDNO}) buttons += windowText(GetDlgItem(dialog, id)) + "|";
            if (!windowText(GetDlgItem(dialog, IDCANCEL)).empty()) buttons += "Cancel";
            PostMessageW(GetDlgItem(dialog, answer), BM_CLICK, 0, 0);
          });
      EXPECT_EQ(question, "Save the changes to speech.mul?");
      EXPECT_EQ(buttons, "&Save|Do&n't Save|Cancel");
      const bool wentOn = answer != IDCANCEL;
      if (action == Action::Close) {
        EXPECT_EQ(IsWindow(viewer.frame) != FALSE, !wentOn);
      } else {
        EXPECT_EQ(viewer.lines(),
                  wentOn ? std::vector<std::string>{"ID: 3 Text: three"} : std::vector<std::string>{"ID: 2 Text: two"});
        if (action == Action::Drop) {
          EXPECT_EQ(windowText(viewer.path), wentOn ? other : speech);
        }
      }
      EXPECT_EQ(testing_support::readAll(speech), answer == IDYES ? record(2, "two") : read);
    }
  }
}

// ---- The user's language

// A language's catalogue installed while it lives; English after.
struct CatalogueInstalled {
  explicit CatalogueInstalled(LANGID language) { win32::installCatalogue(language); }
  ~CatalogueInstalled() { win32::installCatalogue(std::nullopt); }
  CatalogueInstalled(const CatalogueInstalled&) = delete;
  CatalogueInstalled& operator=(const CatalogueInstalled&) = delete;
};

// Windows' pseudo-locale, under which the tests' pseudo-translation is linked.
constexpr LANGID kPseudo = 0x0501;

// The language the catalogue takes for a user's interface language, and the
// plural form a count gets in it, as its translators wrote them.
TEST(Win32Catalogue, TakesTheUsersLanguageOrTheNearestAndItsPluralForms) {
  struct Choice {
    LANGID wanted;
    std::optional<LANGID> taken;
  };
  for (const Choice& c : std::initializer_list<Choice>{
           {0x0407, 0x0407},        // German (Germany)
           {0x0807, 0x0407},        // German (Switzerland)
           {0x0816, 0x0416},        // Portuguese (Portugal): the Brazilian one
           {0x0C04, 0x0404},        // Chinese (Hong Kong): Traditional
           {0x1004, 0x0804},        // Chinese (Singapore): Simplified
           {0x0409, std::nullopt},  // English: the texts as written
           {0x0413, std::nullopt},  // Dutch: none, so English
       }) {
    EXPECT_EQ(win32::catalogueLanguageFor(c.wanted), c.taken) << std::hex << c.wanted;
  }

  constexpr texts::Source kEnds =
      SPEECH_TEXT_N("file", "The file ends at byte %1, but %n more bytes are needed at byte %2.",
                    "The file ends at byte %1, but %n more byte is needed at byte %2.");
  struct Plural {
    LANGID language;
    std::uint64_t count;
    const char* word;  // the form's word, found in the text
  };
  for (const Plural& p : std::initializer_list<Plural>{
           {0x0419, 1, "нужен"},
           {0x0419, 3, "байта"},
           {0x0419, 5, "байт."},
           {0x0419, 11, "байт."},
           {0x0419, 21, "нужен"},
           {0x0419, 22, "байта"},
           {0x0415, 1, "bajt."},
           {0x0415, 4, "bajty"},
           {0x0415, 12, "bajtów"},
           {0x0415, 24, "bajty"},
           {0x040C, 0, "octet de"},
           {0x040C, 1, "octet de"},
           {0x040C, 2, "octets"},
           {0x0416, 0, "byte no"},
           {0x0416, 2, "bytes"},
           {0x0407, 1, "weiteres"},
           {0x0407, 1024, "1.024 weitere"},
           {0x0411, 7, "7 バイト"},
       }) {
    const CatalogueInstalled language(p.language);
    const std::string text = texts::text(kEnds, p.count, {"9", "3"});
    EXPECT_NE(text.find(p.word), std::string::npos)
        << std::hex << p.language << std::dec << " " << p.count << ": " << text;
  }
}

// The width `text` takes in `control`'s font.
int textWidth(HWND control, const std::string& text) {
  const HDC dc = GetDC(control);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  const HGDIOBJ old = SelectObject(dc, font);
  RECT box{};
  std::wstring shown = wide(text);
  DrawTextW(dc, shown.data(), static_cast<int>(shown.size()), &box, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return box.right - box.left;
}

bool pseudoTranslated(const std::string& text) { return text.find('[') != std::string::npos; }

// Through the pseudo-translation, a third longer and in brackets, every
// text the window shows is the catalogue's (the system's own dialogs aside)
// and fits its control: the list's menu, a message, a long Get's progress.
TEST(Win32Window, ThePseudoTranslationReachesEveryTextAndNoneIsCutOff) {
  const CatalogueInstalled pseudo(kPseudo);
  const TempDir dir;
  Viewer viewer;
  SetFocus(viewer.list);
  for (const std::string& item : choosingFromMenu([] { press(VK_APPS); }, VK_ESCAPE)) {
    if (item != "-") {
      EXPECT_TRUE(pseudoTranslated(item)) << item;
    }
  }
  EXPECT_TRUE(pseudoTranslated(viewer.clickGet(dir.path().string() + "\\missing.mul")));

  SetWindowTextW(viewer.path, wide(testing_support::makeLongFile(dir)).c_str());
  std::vector<std::pair<std::string, bool>> shown;  // each text, and whether it fits
  answeringDialogs([&] { SendMessageW(viewer.button, BM_CLICK, 0, 0); },
                   [&](HWND dialog) {
                     if (GetDlgItem(dialog, SPEECH_PROGRESS_BAR) && shown.empty()) {
                       for (const int id : {SPEECH_PROGRESS_TEXT, IDCANCEL}) {
                         const HWND control = GetDlgItem(dialog, id);
                         RECT client{};
                         GetClientRect(control, &client);
                         const std::string text = windowText(control);
                         shown.emplace_back(text, textWidth(control, text) + (id == IDCANCEL ? 6 : 0) <= client.right);
                       }
                       PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                     } else if (isMessageBox(dialog)) {
                       EXPECT_TRUE(pseudoTranslated(messageBoxText(dialog))) << messageBoxText(dialog);
                       dismiss(dialog);
                     }
                   });
  ASSERT_EQ(shown.size(), 2u);
  for (const auto& [text, fits] : shown) {
    EXPECT_TRUE(pseudoTranslated(text)) << text;
    EXPECT_TRUE(fits) << "cut off: " << text;
  }
}

}  // namespace
