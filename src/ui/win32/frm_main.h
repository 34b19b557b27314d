// The viewer's one window, native to Windows: the caption label, the list of
// speech lines, the path field and the Get button, laid out from the shared
// window description at the window's DPI. It owns the reading state of the
// Get action.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "speechfile/get_action.h"
#include "ui/win32/handles.h"
#include "ui/win32/line_list_box.h"

namespace win32 {

// The numbers under which the window knows its controls (GetDlgItem). None
// is IDOK or IDCANCEL, which Enter and Escape send to the window.
enum ControlId : int { kLabel1Id = 100, kLstWordsId = 101, kTxtPathId = 102, kCmdGetId = 103 };

}  // namespace win32

class frmMain {
 public:
  static constexpr const wchar_t* kClassName = L"frmMain";

  // Creates the window with its controls and shows it; the focus is on the
  // list. With a start path, the path field holds it and Get runs once the
  // window is shown, as if the user had typed it and clicked Get. Closing the
  // window ends the message loop.
  explicit frmMain(std::optional<std::wstring> startPath = std::nullopt);
  ~frmMain();
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  // Combines two bytes into a signed 16-bit value whose pattern is bHi
  // followed by bLo. The name stands in parentheses so that the function-like
  // MAKEWORD macro of <windows.h> leaves it alone; call it as
  // (window.MAKEWORD)(bLo, bHi) where that header is included.
  std::int16_t (MAKEWORD)(std::uint8_t bLo, std::uint8_t bHi) const;

 private:
  static void registerClass();
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void createControls();
  // Sizes the frame and places the controls, their font and the icons for
  // the window's DPI.
  void layOut();

  // The Get action: fills lstWords from the file named in txtPath.
  void cmdGet_Click();
  // Runs cmdGet_Click from the message loop.
  static constexpr UINT kGetMessage = WM_APP + 1;
  void getSoon();
  // Files dropped from the file manager: the first one's path goes to
  // txtPath, and Get runs.
  void frmMain_DropFiles(win32::UniqueDrop drop);

  win32::OleSession ole_;  // before the window, and ended after it
  HWND hwnd_ = nullptr;  // destroyed, with its controls, first of all in ~frmMain
  bool destroyedByOwner_ = false;
  win32::UniqueFont font_;  // the system's message font at the window's DPI
  win32::UniqueIcon bigIcon_;
  win32::UniqueIcon smallIcon_;

  HWND Label1 = nullptr;
  std::optional<win32::LineListBox> lstWords;  // made with the window
  HWND txtPath = nullptr;
  HWND cmdGet = nullptr;
  HWND focus_ = nullptr;  // the control to give the focus back to when the window is active again

  // iSpeechID, bFirst, bSecond, iTextLen, bText, iFileNum: kept between runs.
  speechfile::ReadingState reading_;
};
