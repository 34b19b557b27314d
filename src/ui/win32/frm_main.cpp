// Included before <windows.h>, whose MAKEWORD macro would otherwise replace
// the declaration in it.
#include "speechfile/record.h"

#include "ui/win32/frm_main.h"

#include <commctrl.h>
#include <shlwapi.h>
#include <windowsx.h>

#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/common/window_description.h"
#include "ui/common/window_placement.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/resources.h"
#include "ui/win32/wide_text.h"

namespace {

using win32::wide;

constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFrameExStyle = 0;

HINSTANCE thisProgram() { return GetModuleHandleW(nullptr); }

HWND createControl(HWND parent, const wchar_t* windowClass, const ui::ControlDescription& control, DWORD style,
                   DWORD exStyle, int id) {
  const HWND child =
      CreateWindowExW(exStyle, windowClass, wide(control.text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), thisProgram(), nullptr);
  if (!child) throw std::runtime_error("cannot create " + std::string(control.name));
  return child;
}

void place(HWND control, const ui::TwipsRect& twips, int dpi) {
  const ui::PixelRect r = ui::toPixels(twips, dpi);
  MoveWindow(control, r.left, r.top, r.width, r.height, TRUE);
}

// The system's message font, the one its message boxes and dialogs use, at
// `dpi`.
win32::UniqueFont messageFont(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, static_cast<int>(GetDpiForSystem()));
  }
  return win32::UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

// The icon file holds the sizes of the common DPIs, so the system picks one
// drawn for the size it needs rather than scaling another.
win32::UniqueIcon programIcon(int dpi, int widthMetric, int heightMetric) {
  return win32::UniqueIcon(static_cast<HICON>(LoadImageW(thisProgram(), MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                                         GetSystemMetricsForDpi(widthMetric, dpi),
                                                         GetSystemMetricsForDpi(heightMetric, dpi), 0)));
}

// The path field's text, as typed: the wide string the field holds, so that
// any name opens as typed.
std::filesystem::path typedPath(HWND box) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)), L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size() + 1))));
  return std::filesystem::path(std::move(text));
}

// Shows the wait cursor for as long as it lives.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

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

// Puts a dialog in the middle of the window, within the screen's work area.
void centreOver(HWND dialog, HWND window) {
  const ui::PixelRect box = screenRect(dialog);
  moveTo(dialog, ui::centredOver(screenRect(window), {box.width, box.height}, workAreaOf(window)));
}

// The message the Find dialog sends its owner.
UINT findDialogMessage() {
  static const UINT message = RegisterWindowMessageW(FINDMSGSTRING);
  return message;
}

// The find window goes beside the main window, where it hides no line; where
// the screen has no room for it there, above or below, or wherever it hides
// least of the list.
void placeBeside(HWND dialog, HWND window, HWND list) {
  const ui::PixelRect box = screenRect(dialog);
  moveTo(dialog, ui::besideOwner(screenRect(window), screenRect(list), {box.width, box.height}, workAreaOf(window), 0));
}

// Adds a line at the foot of the Find dialog that says how the last search
// went ("Went on from the first line."), in the dialog's own font.
void addStatusLine(HWND dialog) {
  RECT client{};
  GetClientRect(dialog, &client);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  const int dpi = static_cast<int>(GetDpiForWindow(dialog));
  const int margin = MulDiv(7, dpi, 96);
  const int height = MulDiv(15, dpi, 96);
  RECT frame{};
  GetWindowRect(dialog, &frame);
  SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const HWND status =
      CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, margin, client.bottom,
                      client.right - 2 * margin, height, dialog,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(win32::kFindStatusId)), thisProgram(), nullptr);
  SendMessageW(status, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// Why a copy failed, of "The line was" or "The lines were"; none when it
// did not.
std::optional<std::string> notCopied(win32::ClipboardOutcome outcome, std::string_view what) {
  switch (outcome) {
    case win32::ClipboardOutcome::Copied: return std::nullopt;
    case win32::ClipboardOutcome::NoMemory:
      return std::string(what) + " not copied: there is not enough memory for the clipboard.";
    case win32::ClipboardOutcome::HeldByAnotherProgram:
      return std::string(what) + " not copied: another program holds the clipboard. Try again in a moment.";
  }
  return std::nullopt;
}

// The types Save list as offers; a name typed without an extension gets the
// chosen type's first one.
constexpr wchar_t kSaveTypes[] =
    L"Text files (*.txt)\0*.txt\0CSV (*.csv)\0*.csv\0JSON Lines (*.json, *.jsonl)\0*.json;*.jsonl\0";

}  // namespace

void frmMain::registerClass() {
  static const bool registered = [] {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = thisProgram();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = LoadIconW(thisProgram(), MAKEINTRESOURCEW(kProgramIconId));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) throw std::runtime_error("cannot register the window class");
}

frmMain::frmMain(std::optional<std::filesystem::path> startPath, std::optional<runtime::Encoding> encoding,
                 std::optional<std::filesystem::path> compareWith) {
  registerClass();
  session_.setEncoding(encoding);
  findDialog_.lStructSize = sizeof findDialog_;
  findDialog_.Flags = FR_DOWN;
  // The size is set in WM_CREATE, once the window's DPI is known.
  CreateWindowExW(kFrameExStyle, kClassName, wide(ui::kCaption).c_str(), kFrameStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, thisProgram(), this);
  if (!hwnd_) throw std::runtime_error("cannot create the window");
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  if (startPath) {
    offerPath(*startPath);
    compareAtStart_ = std::move(compareWith);
    getSoon();
  }
}

// Get runs from the message loop, once what asked for it is done: the
// window is then on screen to own an error box, and a file manager that
// dropped a file is not kept waiting.
void frmMain::getSoon() { PostMessageW(hwnd_, kGetMessage, 0, 0); }

frmMain::~frmMain() {
  if (!hwnd_) return;
  destroyedByOwner_ = true;
  DestroyWindow(hwnd_);
}

std::int16_t(frmMain::MAKEWORD)(std::uint8_t bLo, std::uint8_t bHi) const { return (speechfile::MAKEWORD)(bLo, bHi); }

LRESULT CALLBACK frmMain::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<frmMain*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<frmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->onMessage(message, wParam, lParam);
}

LRESULT frmMain::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == findDialogMessage()) {
    onFindDialog(*reinterpret_cast<const FINDREPLACEW*>(lParam));
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      try {
        createControls();
        layOut();
      } catch (const std::exception&) {
        return -1;  // CreateWindowExW fails, and the constructor says so
      }
      SetPropW(hwnd_, win32::kShortcutsProperty, LoadAcceleratorsW(thisProgram(), MAKEINTRESOURCEW(kShortcutsId)));
      return 0;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      layOut();
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == win32::kCmdGetId && HIWORD(wParam) == BN_CLICKED) {
        cmdGet_Click();
        return 0;
      }
      if (runCommand(LOWORD(wParam))) return 0;
      // The window has no default button, so Enter arrives as IDOK from
      // whichever control has the focus: on the Get button it presses it,
      // as Space does; anywhere else it does nothing.
      if (LOWORD(wParam) == IDOK && GetFocus() == cmdGet) SendMessageW(cmdGet, BM_CLICK, 0, 0);
      return 0;
    case WM_ACTIVATE:
      // Keep the focus on the same control while another window is active.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) focus_ = focus;
      } else if (focus_) {
        SetFocus(focus_);
      }
      return 0;
    case kGetMessage:
      cmdGet_Click();
      compareAtStart();
      return 0;
    case WM_MOVE:
      // The progress of a Get stays over the window.
      if (dlgProgress) centreOver(dlgProgress, hwnd_);
      return 0;
    case WM_DROPFILES: takeDrop(win32::UniqueDrop(reinterpret_cast<HDROP>(wParam))); return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != lstWords->handle()) break;
      showListMenu(lParam);
      return 0;
    case WM_CLOSE:
      // Closing the window during a Get (End task asks so too) ends the Get
      // with the program: nothing it read is kept. DefWindowProcW then
      // destroys the window.
      session_.abandonGet();
      // And a compare that runs ends: its progress window then goes.
      session_.stopCompare();
      break;
    case WM_DESTROY:
      RemovePropW(hwnd_, win32::kShortcutsProperty);
      if (!destroyedByOwner_) PostQuitMessage(0);
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void frmMain::createControls() {
  // Made in tab order: the system moves the focus in the order the controls
  // were made, and the label, last, takes none.
  lstWords.emplace(hwnd_, win32::kLstWordsId, session_);
  // Assistive technology names the list after the label above it.
  SetWindowTextW(lstWords->handle(), wide(ui::kLabel1.text).c_str());
  txtPath =
      createControl(hwnd_, L"EDIT", ui::kTxtPath, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, win32::kTxtPathId);
  cmdGet = createControl(hwnd_, L"BUTTON", ui::kCmdGet, WS_TABSTOP | BS_PUSHBUTTON, 0, win32::kCmdGetId);
  Label1 = createControl(hwnd_, L"STATIC", ui::kLabel1, SS_LEFT | SS_NOPREFIX, 0, win32::kLabel1Id);
  focus_ = lstWords->handle();
  // Folder and file names complete as they are typed, by the shell's own
  // completion; where the system has none the field is as before.
  if (ole_.ok()) SHAutoComplete(txtPath, SHACF_FILESYSTEM);
  DragAcceptFiles(hwnd_, TRUE);
}

void frmMain::offerPath(const std::filesystem::path& path) {
  SetWindowTextW(txtPath, session_.offerPath(path).c_str());
}

void frmMain::takeDrop(win32::UniqueDrop drop) {
  // During a Get the path field stays as the Get read it.
  if (session_.getRuns() || DragQueryFileW(drop.get(), 0xFFFFFFFF, nullptr, 0) == 0) return;
  std::wstring path(DragQueryFileW(drop.get(), 0, nullptr, 0), L'\0');
  path.resize(DragQueryFileW(drop.get(), 0, path.data(), static_cast<UINT>(path.size() + 1)));
  drop.reset();
  if (path.empty()) return;
  offerPath(path);
  getSoon();
}

void frmMain::layOut() {
  const int dpi = static_cast<int>(GetDpiForWindow(hwnd_));
  RECT frame{0, 0, ui::toPixels(ui::kClientArea.width, dpi), ui::toPixels(ui::kClientArea.height, dpi)};
  AdjustWindowRectExForDpi(&frame, kFrameStyle, FALSE, kFrameExStyle, static_cast<UINT>(dpi));
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  // The new font is in every control before the old one goes.
  win32::UniqueFont font = messageFont(dpi);
  const std::pair<HWND, const ui::ControlDescription*> controls[] = {
      {Label1, &ui::kLabel1}, {lstWords->handle(), &ui::kLstWords}, {txtPath, &ui::kTxtPath}, {cmdGet, &ui::kCmdGet}};
  for (const auto& [control, description] : controls) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    place(control, description->place, dpi);
  }
  font_ = std::move(font);
  InvalidateRect(hwnd_, nullptr, TRUE);

  // Likewise the icons: the window holds the new ones before the old go.
  win32::UniqueIcon bigIcon = programIcon(dpi, SM_CXICON, SM_CYICON);
  win32::UniqueIcon smallIcon = programIcon(dpi, SM_CXSMICON, SM_CYSMICON);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
  bigIcon_ = std::move(bigIcon);
  smallIcon_ = std::move(smallIcon);
}

void frmMain::cmdGet_Click() {
  // One Get at a time: a click while one runs, whatever sends it (another
  // program's BM_CLICK, assistive technology's press, a drop, the start
  // path), does nothing.
  if (session_.getRuns()) return;
  // The list is emptied at once, and reads nothing while the Get fills it.
  lstWords->showNoRows();
  forgetResults();
  bool ended = false;
  {
    const WaitCursor wait;
    ended = !session_.startGet(typedPath(txtPath)) || session_.waitForGet(ui::kGetShowsProgressAfter);
  }
  if (!ended) showGetProgress();
  const std::optional<std::string> failure = session_.endGet();
  // The window was closed during the Get, which went with it.
  if (!hwnd_) return;
  // The lines read before an error stay listed.
  lstWords->showRows();
  if (failure) tell(hwnd_, *failure, session_.getWasStopped() ? MB_ICONINFORMATION : MB_ICONERROR);
}

void frmMain::showGetProgress() {
  DialogBoxParamW(thisProgram(), MAKEINTRESOURCEW(kProgressDialogId), hwnd_, progressProc,
                  reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK frmMain::progressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  constexpr UINT_PTR kPoll = 1;
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  auto* self = reinterpret_cast<frmMain*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_INITDIALOG:
      self->dlgProgress = dialog;
      self->taskbarProgress_.emplace(self->hwnd_);
      SendDlgItemMessageW(dialog, SPEECH_PROGRESS_BAR, PBM_SETRANGE32, 0, ui::kProgressSteps);
      self->showProgressIn(dialog);
      SetTimer(dialog, kPoll, 50, nullptr);
      return TRUE;
    case WM_SHOWWINDOW:
      // Over the main window where it is when the dialog shows: after a
      // start the system may place the main window only once the dialog's
      // loop takes its messages.
      if (wParam) centreOver(dialog, self->hwnd_);
      return FALSE;
    case WM_TIMER:
      if (self->session_.waitForGet(std::chrono::milliseconds(0))) {
        EndDialog(dialog, IDOK);
      } else {
        self->showProgressIn(dialog);
      }
      return TRUE;
    case WM_COMMAND:
      // Cancel, or Escape: the Get stops at its next entry, and the dialog
      // goes when it has.
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      self->session_.stopGet();
      // It stops at its next entry: the window answers at once, not at the
      // next look at the progress.
      if (self->session_.waitForGet(std::chrono::milliseconds(200))) {
        EndDialog(dialog, IDCANCEL);
      } else {
        EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
      }
      return TRUE;
    case WM_DESTROY:
      KillTimer(dialog, kPoll);
      self->taskbarProgress_.reset();
      self->dlgProgress = nullptr;
      return FALSE;
    default: return FALSE;
  }
}

void frmMain::showProgressIn(HWND dialog) {
  const ui::GetProgressText progress = ui::getProgressText(session_.getProgress(), typedPath(txtPath));
  SetDlgItemTextW(dialog, SPEECH_PROGRESS_TEXT, wide(progress.text).c_str());
  const HWND bar = GetDlgItem(dialog, SPEECH_PROGRESS_BAR);
  // While the size is not known, the bar only says that work goes on.
  const LONG_PTR style = GetWindowLongPtrW(bar, GWL_STYLE);
  const bool marquee = !progress.step;
  if (((style & PBS_MARQUEE) != 0) != marquee) {
    SetWindowLongPtrW(bar, GWL_STYLE, marquee ? style | PBS_MARQUEE : style & ~PBS_MARQUEE);
    SendMessageW(bar, PBM_SETMARQUEE, marquee, 0);
  }
  if (progress.step) SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(*progress.step), 0);
  if (taskbarProgress_) taskbarProgress_->show(progress.step, ui::kProgressSteps);
}

void frmMain::tell(HWND owner, const std::string& text, UINT icon) const {
  MessageBoxW(owner, wide(text).c_str(), wide(ui::kCaption).c_str(), MB_OK | icon);
}

// ---- The list's menu, copying and saving

void frmMain::showListMenu(LPARAM at) {
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (point.x == -1 && point.y == -1) point = lstWords->keyboardMenuPoint();
  const win32::UniqueMenu menu(LoadMenuW(thisProgram(), MAKEINTRESOURCEW(kListMenuId)));
  if (!menu) return;
  const HMENU items = GetSubMenu(menu.get(), 0);
  const auto enable = [items](int command, bool enabled) {
    EnableMenuItem(items, static_cast<UINT>(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  };
  const bool listed = session_.rowCount() > 0;
  enable(SPEECH_COMMAND_COPY, lstWords->currentRow().has_value());
  enable(SPEECH_COMMAND_COPY_ALL, listed);
  enable(SPEECH_COMMAND_SAVE_LIST, listed);
  enable(SPEECH_COMMAND_COMPARE, session_.lines().source().has_value());
  fillEncodingMenu(GetSubMenu(items, GetMenuItemCount(items) - 1));
  const int command =
      TrackPopupMenu(items, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, point.x, point.y, 0, hwnd_, nullptr);
  if (command) runCommand(command);
}

void frmMain::fillEncodingMenu(HMENU menu) const {
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
  int command = SPEECH_COMMAND_ENCODING_FIRST;
  for (const ui::EncodingMenuItem& item : ui::encodingMenu(session_.encodingChoice())) {
    AppendMenuW(menu, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED), static_cast<UINT_PTR>(command++),
                wide(item.text).c_str());
    if (!item.encoding) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  }
}

void frmMain::chooseEncoding(std::optional<runtime::Encoding> choice) {
  if (const std::optional<std::string> failure = session_.setEncoding(choice))
    return tell(hwnd_, *failure, MB_ICONERROR);
  // The same rows, current line and scroll position, with their new texts.
  lstWords->showTextsAgain();
  showResultsAgain();
}

bool frmMain::runCommand(int command) {
  // During a Get the window takes no command, whoever sends it: the lines
  // are the Get's until it ends.
  if (session_.getRuns()) return true;
  if (command >= SPEECH_COMMAND_ENCODING_FIRST && command <= SPEECH_COMMAND_ENCODING_LAST) {
    const std::vector<ui::EncodingMenuItem> items = ui::encodingMenu(session_.encodingChoice());
    const auto index = static_cast<std::size_t>(command - SPEECH_COMMAND_ENCODING_FIRST);
    if (index < items.size()) chooseEncoding(items[index].encoding);
    return true;
  }
  switch (command) {
    case SPEECH_COMMAND_COPY: copyLine(); return true;
    case SPEECH_COMMAND_COPY_ALL: copyAllLines(); return true;
    case SPEECH_COMMAND_FIND: showFindWindow(); return true;
    case SPEECH_COMMAND_SAVE_LIST: saveListAs(); return true;
    case SPEECH_COMMAND_FIND_NEXT: findLine(ui::FindDirection::Next); return true;
    case SPEECH_COMMAND_FIND_PREVIOUS: findLine(ui::FindDirection::Previous); return true;
    default: return runResultsCommand(command);
  }
}

void frmMain::copyLine() {
  const std::optional<std::size_t> row = lstWords->currentRow();
  if (!row) return;
  if (const auto failure = notCopied(win32::putOnClipboard(hwnd_, session_.shownLine(*row)), "The line was"))
    tell(hwnd_, *failure, MB_ICONERROR);
}

void frmMain::copyAllLines() {
  if (session_.rowCount() == 0) return;
  std::optional<std::string> failure;
  {
    const WaitCursor wait;
    // Windows' clipboard text ends its lines in CRLF.
    const ui::TextOutcome all = session_.allShownLines("\r\n");
    failure = all.failure.empty() ? notCopied(win32::putOnClipboard(hwnd_, all.text), "The lines were")
                                  : std::optional(all.failure);
  }
  if (failure) tell(hwnd_, *failure, MB_ICONERROR);
}

void frmMain::saveListAs() {
  if (session_.rowCount() == 0) return;
  // Beside the speech file and named after it, as a start.
  std::vector<wchar_t> name(32768, L'\0');
  const ui::ViewerSession::SaveSuggestion suggestion = session_.saveSuggestion();
  const std::wstring suggested = suggestion.fileName.wstring();
  if (suggested.size() < name.size()) std::copy(suggested.begin(), suggested.end(), name.begin());
  const std::wstring folder = suggestion.folder.wstring();

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd_;
  dialog.lpstrFilter = kSaveTypes;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = L"Save list as";
  dialog.lpstrDefExt = L"txt";
  // The current folder stays as it was: a relative path in txtPath is read
  // from it.
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog)) {
    if (CommDlgExtendedError() != 0) tell(hwnd_, "The save dialog could not be shown.", MB_ICONERROR);
    return;
  }
  saveListTo(std::filesystem::path(name.data()));
}

void frmMain::saveListTo(const std::filesystem::path& target) {
  std::optional<std::string> failure;
  {
    const WaitCursor wait;
    failure = session_.saveListAs(target);
  }
  if (failure) tell(hwnd_, *failure, MB_ICONERROR);
}

// ---- Find

void frmMain::showFindWindow() {
  if (dlgFind) {
    SetActiveWindow(dlgFind);
    return;
  }
  // The direction and case chosen last time stay; the dialog offers no
  // whole-word search, as a match anywhere in a line counts.
  findDialog_.hwndOwner = hwnd_;
  findDialog_.Flags = (findDialog_.Flags & (FR_DOWN | FR_MATCHCASE)) | FR_HIDEWHOLEWORD;
  findDialog_.lpstrFindWhat = findWhat_.data();
  findDialog_.wFindWhatLen = static_cast<WORD>(findWhat_.size());
  dlgFind = FindTextW(&findDialog_);
  if (!dlgFind) return;
  addStatusLine(dlgFind);
  addFindAll(dlgFind);
  placeBeside(dlgFind, hwnd_, lstWords->handle());
}

void frmMain::onFindDialog(const FINDREPLACEW& request) {
  if (request.Flags & FR_DIALOGTERM) {
    dlgFind = nullptr;
    found_.reset();
    return;
  }
  if (!(request.Flags & FR_FINDNEXT)) return;
  session_.setSearch(win32::utf8(findWhat_.data()), (request.Flags & FR_MATCHCASE) != 0);
  findLine(request.Flags & FR_DOWN ? ui::FindDirection::Next : ui::FindDirection::Previous);
}

void frmMain::findLine(ui::FindDirection direction) {
  if (session_.searchText().empty()) return showFindWindow();
  const ui::ViewerSession::Found found = session_.find(direction, lstWords->currentRow());
  if (dlgFind) SetDlgItemTextW(dlgFind, win32::kFindStatusId, wide(found.message).c_str());
  if (found.row) {
    lstWords->selectRow(*found.row);
    return;
  }
  // Over the find window while it is open, so that it stays in front.
  tell(dlgFind ? dlgFind : hwnd_, found.message, MB_ICONINFORMATION);
}
