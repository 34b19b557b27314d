// The viewer's one window, native to Windows: the caption label, the list of
// speech lines, the path field and the Get button, laid out from the shared
// window description at the window's DPI and wired to the viewer session,
// which holds the reading state of the Get action, the lines it lists, and
// what the window does with them.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "ui/common/find_line.h"
#include "ui/common/viewer_session.h"
#include "ui/win32/entry_dialog.h"
#include "ui/win32/handles.h"
#include "ui/win32/line_list_box.h"
#include "ui/win32/results_window.h"
#include "ui/win32/taskbar_progress.h"
#include "ui/win32/window_owner.h"

#include <commdlg.h>

namespace win32 {

// The numbers under which the window knows its controls (GetDlgItem). None
// is IDOK or IDCANCEL, which Enter and Escape send to the window.
enum ControlId : int { kLabel1Id = 100, kLstWordsId = 101, kTxtPathId = 102, kCmdGetId = 103 };
// The line the window adds to the Find dialog, which says how the last
// search went.
constexpr int kFindStatusId = 110;

}  // namespace win32

class frmMain final : private win32::WindowOwner {
 public:
  static constexpr const wchar_t* kClassName = L"frmMain";

  // Creates the window with its controls and shows it; the focus is on the
  // list. With a start path, the path field holds it and Get runs once the
  // window is shown, as if the user had typed it and clicked Get. Closing the
  // window ends the message loop.
  // With a file to compare with, the Differences window against it opens
  // once the start path is listed (speechviewer.exe --compare OLD NEW).
  explicit frmMain(std::optional<std::filesystem::path> startPath = std::nullopt,
                   std::optional<runtime::Encoding> encoding = std::nullopt,
                   std::optional<std::filesystem::path> compareWith = std::nullopt);
  ~frmMain();

  // Combines two bytes into a signed 16-bit value whose pattern is bHi
  // followed by bLo. The name stands in parentheses so that the function-like
  // MAKEWORD macro of <windows.h> leaves it alone; call it as
  // (window.MAKEWORD)(bLo, bHi) where that header is included.
  std::int16_t(MAKEWORD)(std::uint8_t bLo, std::uint8_t bHi) const;

  // Shows the lines with their texts read in `choice` (none: the system
  // default), from the command line or the list's Encoding menu.
  void chooseEncoding(std::optional<runtime::Encoding> choice);
  // After a Get: asks whether texts that look like UTF-8 are to be shown so.
  void offerUtf8();

 private:
  static void registerClass();
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void createControls();
  // Sizes the frame and places the controls, their font and the icons for
  // the window's DPI.
  void layOut();

  // The Get action: fills lstWords from the file named in txtPath, once
  // unsaved changes may go.
  void cmdGet_Click();
  void getNow();
  // Runs the Get from the message loop (WPARAM: whether unsaved changes were
  // asked about already).
  static constexpr UINT kGetMessage = WM_APP + 1;
  void getSoon(bool askedAboutChanges = false);
  // While a Get runs longer than a moment: how much of the file it has read,
  // in a small modal window with the system's progress bar and on the
  // taskbar button; Cancel or Escape stops it. Returns when the Get ended.
  void showGetProgress();
  static INT_PTR CALLBACK progressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void showProgressIn(HWND dialog);
  // Puts a path given on the command line or by a drop in txtPath.
  void offerPath(const std::filesystem::path& path);
  // Files dropped from the file manager: the first one's path goes to
  // txtPath, and Get runs.
  void takeDrop(win32::UniqueDrop drop);

  // The list's menu (WM_CONTEXTMENU): at the mouse, or under the current
  // line when opened from the keyboard (Shift+F10, the Menu key).
  void showListMenu(LPARAM at);
  // A command of the list's menu or a shortcut; false for any other number.
  bool runCommand(int command);
  // Puts the Encoding menu's items in `menu`, the chosen one checked.
  void fillEncodingMenu(HMENU menu) const;
  // The current line as shown on the clipboard (Ctrl+C, or Copy in the
  // list's menu); a message box says why when it cannot be put there.
  void copyLine();
  // Every line as shown on the clipboard, each ending in CRLF, likewise.
  void copyAllLines();
  // Ctrl+F: the system's Find dialog, or the one already open, in front.
  void showFindWindow();
  // Asks for a file with the system's save dialog and writes the list to it.
  void saveListAs();
  void saveListTo(const std::filesystem::path& target);
  // The Find dialog's message: Find Next pressed, or the dialog closing.
  void onFindDialog(const FINDREPLACEW& request);
  // Makes the next (previous) line that holds the last text sought current,
  // and says how it went: in the Find dialog's status line, and in a
  // message box when no line holds it. F3, Shift+F3 and Find Next.
  void findLine(ui::FindDirection direction);
  // A file named in the system's open or save dialog, which starts at `start`.
  std::optional<std::filesystem::path> askForFile(ui::FileDialog kind, const texts::Source& title,
                                                  const ui::ViewerSession::SaveSuggestion& start);

  // Edit entry (F2) and New entry (Insert) in their dialog; Delete entry,
  // Undo and Redo through showEdit, which shows the rows after the change.
  void askForEntry(win32::EntryChange change);
  void showEdit(const ui::ViewerSession::EditOutcome& outcome);
  // Save speech file (Ctrl+S), asking first when the file changed on disk,
  // and Save speech file as (Ctrl+Shift+S); true when the file was saved.
  bool saveSpeechFile();
  bool saveSpeechFileAs();
  bool showSave(const ui::ViewerSession::SpeechFileSave& saved);
  // Before closing, a Get, a drop or Open list: with unsaved changes, asks
  // Save, Don't Save or Cancel; true when the window may go on.
  bool changesMayGo();
  // Open list: a csv or JSON Lines file as an unsaved speech file.
  void openList();

  // A message box titled with the caption.
  void tell(HWND owner, const std::string& text, UINT icon) const;

  // ---- Find all and Compare with (frm_main_results.cpp)
  // The commands of the lists beside the main list; false for any other.
  bool runResultsCommand(int command);
  // Empties the lists beside the main list, as a Get starts.
  void forgetResults();
  // Draws their rows again, in another encoding.
  void showResultsAgain();
  // Adds Find all to the Find dialog, and its list once it lists.
  void addFindAll(HWND dialog);
  static LRESULT CALLBACK findDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
  // Find all in the Find dialog: every line that holds its text.
  void findAllLines();
  // Compare with...: asks for the file to compare the listed one with.
  void askWhatToCompareWith();
  // Compares the listed file with `oldFile`, showing the progress of a long
  // compare, then the Differences window.
  void compareWith(const std::filesystem::path& oldFile);
  void compareAtStart();
  static INT_PTR CALLBACK compareProgressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  // F7 and Shift+F7, from any of the windows: the next (previous) difference.
  void stepDifference(ui::FindDirection direction);
  // A row chosen in a results list, made current in the main list.
  void selectMainRow(std::size_t row);

  win32::OleSession ole_;  // before the window, and ended after it
  // The reading state (iSpeechID, bFirst, bSecond, iTextLen, bText,
  // iFileNum, kept between runs), the lines and the last search; the list
  // draws from it, so it lives longer than the window.
  ui::ViewerSession session_;
  // hwnd_ (WindowOwner's) is destroyed, with its controls, first of all in
  // ~frmMain.
  bool destroyedByOwner_ = false;
  win32::UniqueFont font_;  // the system's message font at the window's DPI
  win32::UniqueIcon bigIcon_;
  win32::UniqueIcon smallIcon_;

  HWND Label1 = nullptr;
  std::optional<win32::LineListBox> lstWords;  // made with the window
  HWND txtPath = nullptr;
  HWND cmdGet = nullptr;
  HWND focus_ = nullptr;  // the control to give the focus back to when the window is active again

  // The Find dialog while it is open: the system's, owned by this window,
  // which takes it along when it goes. What it asks is in findDialog_, the
  // text it was given in findWhat_.
  HWND dlgFind = nullptr;
  // The progress of a long Get while it shows, and on the taskbar button.
  HWND dlgProgress = nullptr;
  std::optional<win32::TaskbarProgress> taskbarProgress_;
  FINDREPLACEW findDialog_{};
  std::array<wchar_t, 256> findWhat_{};

  std::optional<std::filesystem::path> compareAtStart_;  // --compare's OLD
  std::optional<win32::ResultsPane> found_;              // Find all's, in the Find dialog once it lists
  std::optional<win32::DifferencesWindow> differences_;  // made by the first compare
};
