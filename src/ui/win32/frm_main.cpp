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

#include "texts/texts.h"
#include "ui/common/window_description.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/entry_dialog.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/placing.h"
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

// The message the Find dialog sends its owner.
UINT findDialogMessage() {
  static const UINT message = RegisterWindowMessageW(FINDMSGSTRING);
  return message;
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

// What was copied: the current line, or every line.
enum class Copied { Line, AllLines };

// Why a copy failed; none when it did not.
std::optional<std::string> notCopied(win32::ClipboardOutcome outcome, Copied what) {
  const bool line = what == Copied::Line;
  switch (outcome) {
    case win32::ClipboardOutcome::Copied: return std::nullopt;
    case win32::ClipboardOutcome::NoMemory:
      return texts::text(
          line ? SPEECH_TEXT("win32", "The line was not copied: there is not enough memory for the clipboard.")
               : SPEECH_TEXT("win32", "The lines were not copied: there is not enough memory for the clipboard."));
    case win32::ClipboardOutcome::HeldByAnotherProgram:
      return texts::text(
          line ? SPEECH_TEXT("win32",
                             "The line was not copied: another program holds the clipboard. Try again in a moment.")
               : SPEECH_TEXT("win32",
                             "The lines were not copied: another program holds the clipboard. Try again in a moment."));
  }
  return std::nullopt;
}

// A file dialog's filter: each type's name and its patterns, each ending
// in a null, and a null after the last.
std::wstring dialogFilter(const std::vector<ui::FileType>& types) {
  std::wstring filter;
  for (const ui::FileType& type : types) {
    filter += wide(type.name) + L'\0';
    std::wstring patterns = type.extensions.empty() ? L"*" : L"";
    for (const std::string& extension : type.extensions)
      patterns += (patterns.empty() ? L"*." : L";*.") + wide(extension);
    filter += patterns + L'\0';
  }
  return filter;
}

// Save, Don't Save and Cancel, as Windows' own programs ask before changes
// would be lost: IDYES, IDNO or IDCANCEL.
int askToSaveChanges(HWND owner, const std::string& question) {
  const std::wstring text = wide(question);
  const std::wstring caption = wide(ui::kCaption);
  const std::wstring save = wide(texts::text(SPEECH_TEXT("win32", "&Save")));
  const std::wstring dontSave = wide(texts::text(SPEECH_TEXT("win32", "Do&n't Save")));
  const TASKDIALOG_BUTTON buttons[] = {{IDYES, save.c_str()}, {IDNO, dontSave.c_str()}};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = owner;
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.dwCommonButtons = TDCBF_CANCEL_BUTTON;
  config.pszWindowTitle = caption.c_str();
  config.pszMainInstruction = text.c_str();
  config.pButtons = buttons;
  config.cButtons = static_cast<UINT>(std::size(buttons));
  config.nDefaultButton = IDYES;
  int pressed = IDCANCEL;
  if (SUCCEEDED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr))) return pressed;
  // Without the task dialog (common controls before version 6), the message
  // box's Yes, No and Cancel.
  return MessageBoxW(owner, text.c_str(), caption.c_str(), MB_YESNOCANCEL | MB_ICONWARNING);
}

// Gives the list's menu, loaded from the resources, its texts in the
// user's language.
void nameMenuItems(HMENU items) {
  const auto name = [items](UINT item, BOOL byPosition, const texts::Source& text) {
    const std::wstring shown = wide(texts::text(text));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(shown.c_str());
    SetMenuItemInfoW(items, item, byPosition, &info);
  };
  name(SPEECH_COMMAND_COPY, FALSE, SPEECH_TEXT("win32", "&Copy\tCtrl+C"));
  name(SPEECH_COMMAND_COPY_ALL, FALSE, SPEECH_TEXT("win32", "Copy &all lines"));
  name(SPEECH_COMMAND_EDIT_ENTRY, FALSE, SPEECH_TEXT("win32", "Edi&t text...\tF2"));
  name(SPEECH_COMMAND_NEW_ENTRY, FALSE, SPEECH_TEXT("win32", "&New entry...\tIns"));
  name(SPEECH_COMMAND_DELETE_ENTRY, FALSE, SPEECH_TEXT("win32", "&Delete entry\tDel"));
  name(SPEECH_COMMAND_UNDO, FALSE, SPEECH_TEXT("win32", "&Undo\tCtrl+Z"));
  name(SPEECH_COMMAND_REDO, FALSE, SPEECH_TEXT("win32", "&Redo\tCtrl+Y"));
  name(SPEECH_COMMAND_FIND, FALSE, SPEECH_TEXT("win32", "&Find...\tCtrl+F"));
  name(SPEECH_COMMAND_SAVE_LIST, FALSE, SPEECH_TEXT("win32", "&Save list as..."));
  name(SPEECH_COMMAND_SAVE_SPEECH_FILE, FALSE, SPEECH_TEXT("win32", "Save speec&h file\tCtrl+S"));
  name(SPEECH_COMMAND_SAVE_SPEECH_FILE_AS, FALSE, SPEECH_TEXT("win32", "Save s&peech file as...\tCtrl+Shift+S"));
  name(SPEECH_COMMAND_OPEN_LIST, FALSE, SPEECH_TEXT("win32", "&Open list..."));
  name(SPEECH_COMMAND_COMPARE, FALSE, SPEECH_TEXT("win32", "Compare &with..."));
  name(static_cast<UINT>(GetMenuItemCount(items) - 1), TRUE, SPEECH_TEXT("win32", "&Encoding"));
}

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
  if (!createWindow(kFrameExStyle, kClassName, wide(ui::kCaption).c_str(), kFrameStyle, nullptr, nullptr))
    throw std::runtime_error("cannot create the window");
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
void frmMain::getSoon(bool askedAboutChanges) { PostMessageW(hwnd_, kGetMessage, askedAboutChanges, 0); }

frmMain::~frmMain() {
  if (!hwnd_) return;
  destroyedByOwner_ = true;
  DestroyWindow(hwnd_);
}

std::int16_t(frmMain::MAKEWORD)(std::uint8_t bLo, std::uint8_t bHi) const { return (speechfile::MAKEWORD)(bLo, bHi); }

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
      // A drop asked about unsaved changes already.
      if (wParam || changesMayGo()) getNow();
      compareAtStart();
      return 0;
    case WM_MOVE:
      // The progress of a Get stays over the window.
      if (dlgProgress) win32::centreOver(dlgProgress, hwnd_);
      return 0;
    case WM_DROPFILES: takeDrop(win32::UniqueDrop(reinterpret_cast<HDROP>(wParam))); return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != lstWords->handle()) break;
      showListMenu(lParam);
      return 0;
    case WM_CLOSE:
      // Unsaved changes are asked about first; Cancel keeps the window.
      if (!changesMayGo()) return 0;
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
  // With unsaved changes, the path field stays as it was unless they may go.
  if (path.empty() || !changesMayGo()) return;
  offerPath(path);
  getSoon(true);
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
  if (session_.getRuns() || !changesMayGo()) return;
  getNow();
}

void frmMain::getNow() {
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
  offerUtf8();
}

void frmMain::offerUtf8() {
  const std::optional<std::string> question = session_.utf8Question();
  if (!question) return;
  const bool yes =
      MessageBoxW(hwnd_, wide(*question).c_str(), wide(ui::kCaption).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
  if (const std::optional<std::string> failure = session_.answerUtf8Question(yes))
    return tell(hwnd_, *failure, MB_ICONERROR);
  if (yes) lstWords->showTextsAgain();
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
      SetDlgItemTextW(dialog, IDCANCEL, wide(texts::text(SPEECH_TEXT("win32", "Cancel"))).c_str());
      self->showProgressIn(dialog);
      SetTimer(dialog, kPoll, 50, nullptr);
      return TRUE;
    case WM_SHOWWINDOW:
      // Over the main window where it is when the dialog shows: after a
      // start the system may place the main window only once the dialog's
      // loop takes its messages.
      if (wParam) win32::centreOver(dialog, self->hwnd_);
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
  nameMenuItems(items);
  const auto enable = [items](int command, bool enabled) {
    EnableMenuItem(items, static_cast<UINT>(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  };
  const bool listed = session_.rowCount() > 0;
  enable(SPEECH_COMMAND_COPY, lstWords->currentRow().has_value());
  enable(SPEECH_COMMAND_COPY_ALL, listed);
  enable(SPEECH_COMMAND_SAVE_LIST, listed);
  enable(SPEECH_COMMAND_EDIT_ENTRY, lstWords->currentRow().has_value());
  enable(SPEECH_COMMAND_DELETE_ENTRY, lstWords->currentRow().has_value());
  enable(SPEECH_COMMAND_UNDO, session_.canUndo());
  enable(SPEECH_COMMAND_REDO, session_.canRedo());
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
    case SPEECH_COMMAND_EDIT_ENTRY: askForEntry(win32::EntryChange::Edit); return true;
    case SPEECH_COMMAND_NEW_ENTRY: askForEntry(win32::EntryChange::New); return true;
    case SPEECH_COMMAND_DELETE_ENTRY:
      if (const auto row = lstWords->currentRow()) showEdit(session_.deleteEntry(*row));
      return true;
    case SPEECH_COMMAND_UNDO: showEdit(session_.undo()); return true;
    case SPEECH_COMMAND_REDO: showEdit(session_.redo()); return true;
    case SPEECH_COMMAND_SAVE_SPEECH_FILE: saveSpeechFile(); return true;
    case SPEECH_COMMAND_SAVE_SPEECH_FILE_AS: saveSpeechFileAs(); return true;
    case SPEECH_COMMAND_OPEN_LIST: openList(); return true;
    default: return runResultsCommand(command);
  }
}

void frmMain::copyLine() {
  const std::optional<std::size_t> row = lstWords->currentRow();
  if (!row) return;
  if (const auto failure = notCopied(win32::putOnClipboard(hwnd_, session_.shownLine(*row)), Copied::Line))
    tell(hwnd_, *failure, MB_ICONERROR);
}

void frmMain::copyAllLines() {
  if (session_.rowCount() == 0) return;
  std::optional<std::string> failure;
  {
    const WaitCursor wait;
    // Windows' clipboard text ends its lines in CRLF.
    const ui::TextOutcome all = session_.allShownLines("\r\n");
    failure = all.failure.empty() ? notCopied(win32::putOnClipboard(hwnd_, all.text), Copied::AllLines)
                                  : std::optional(all.failure);
  }
  if (failure) tell(hwnd_, *failure, MB_ICONERROR);
}

std::optional<std::filesystem::path> frmMain::askForFile(ui::FileDialog kind, const texts::Source& title,
                                                         const ui::ViewerSession::SaveSuggestion& start) {
  std::vector<wchar_t> name(32768, L'\0');
  const std::wstring suggested = start.fileName.wstring();
  if (suggested.size() < name.size()) std::copy(suggested.begin(), suggested.end(), name.begin());
  const std::wstring folder = start.folder.wstring();
  const std::vector<ui::FileType> types = ui::fileTypes(kind, ", ");
  const std::wstring filter = dialogFilter(types);
  const std::wstring defaultExtension = wide(types.front().extensions.front());
  const bool saving = kind == ui::FileDialog::SaveList || kind == ui::FileDialog::SaveSpeechFile;

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd_;
  const std::wstring shownTitle = wide(texts::text(title));
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = shownTitle.c_str();
  dialog.lpstrDefExt = saving ? defaultExtension.c_str() : nullptr;
  // The current folder stays as it was: a relative path in txtPath is read
  // from it.
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 (saving ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (!(saving ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) {
    if (CommDlgExtendedError() != 0)
      tell(hwnd_,
           texts::text(saving ? SPEECH_TEXT("win32", "The save dialog could not be shown.")
                              : SPEECH_TEXT("win32", "The open dialog could not be shown.")),
           MB_ICONERROR);
    return std::nullopt;
  }
  return std::filesystem::path(name.data());
}

void frmMain::saveListAs() {
  if (session_.rowCount() == 0) return;
  // Beside the speech file and named after it, as a start.
  if (const auto target =
          askForFile(ui::FileDialog::SaveList, SPEECH_TEXT("win32", "Save list as"), session_.saveSuggestion()))
    saveListTo(*target);
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
  win32::placeBeside(dlgFind, hwnd_, lstWords->handle());
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

// ---- Editing and saving the speech file

void frmMain::askForEntry(win32::EntryChange change) {
  const std::optional<std::size_t> row = lstWords->currentRow();
  if (change == win32::EntryChange::Edit && !row) return;
  if (const auto made = win32::askForEntry(hwnd_, session_, change, row)) lstWords->showEditedRows(made->row);
}

void frmMain::showEdit(const ui::ViewerSession::EditOutcome& outcome) {
  if (!outcome.failure.empty()) return tell(hwnd_, outcome.failure, MB_ICONERROR);
  lstWords->showEditedRows(outcome.row);
}

bool frmMain::saveSpeechFile() {
  std::optional<ui::ViewerSession::SpeechFileSave> saved;
  {
    const WaitCursor wait;
    saved = session_.saveSpeechFile();
  }
  if (saved->result == ui::ViewerSession::SpeechFileSave::Result::ChangedOnDisk) {
    if (MessageBoxW(hwnd_, wide(saved->message).c_str(), wide(ui::kCaption).c_str(),
                    MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
      return false;
    const WaitCursor wait;
    saved = session_.saveSpeechFile(true);
  }
  return showSave(*saved);
}

bool frmMain::saveSpeechFileAs() {
  const auto target = askForFile(ui::FileDialog::SaveSpeechFile, SPEECH_TEXT("win32", "Save speech file as"),
                                 session_.speechFileSuggestion());
  if (!target) return false;
  std::optional<ui::ViewerSession::SpeechFileSave> saved;
  {
    const WaitCursor wait;
    saved = session_.saveSpeechFileAs(*target);
  }
  return showSave(*saved);
}

bool frmMain::showSave(const ui::ViewerSession::SpeechFileSave& saved) {
  using Result = ui::ViewerSession::SpeechFileSave::Result;
  switch (saved.result) {
    case Result::Saved: lstWords->showEditedRows(lstWords->currentRow()); return true;
    case Result::NeedsName: return saveSpeechFileAs();
    case Result::ChangedOnDisk:
    case Result::Failed: tell(hwnd_, saved.message, MB_ICONERROR); return false;
  }
  return false;
}

bool frmMain::changesMayGo() {
  if (!session_.isModified()) return true;
  switch (askToSaveChanges(hwnd_, session_.unsavedChangesQuestion())) {
    case IDYES: return saveSpeechFile();
    case IDNO: return true;
    default: return false;
  }
}

void frmMain::openList() {
  if (!changesMayGo()) return;
  const auto list = askForFile(ui::FileDialog::OpenList, SPEECH_TEXT("win32", "Open list"), {});
  if (!list) return;
  std::optional<std::string> failure;
  {
    const WaitCursor wait;
    failure = session_.openList(*list);
  }
  if (failure) return tell(hwnd_, *failure, MB_ICONERROR);
  lstWords->showRows();
}
