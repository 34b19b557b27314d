// The main window's part in the lists beside it: Find all in the Find
// dialog, Compare with... and its Differences window, and F7.
#include "speechfile/record.h"  // before <windows.h>, as in frm_main.cpp

#include "ui/win32/frm_main.h"
// After frm_main.h, which includes what must come before <windows.h>.
#include "texts/texts.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <vector>

#include "ui/win32/resources.h"
#include "ui/win32/wide_text.h"

namespace {

using win32::wide;

HINSTANCE thisProgram() { return GetModuleHandleW(nullptr); }

RECT rectInParent(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Grows a window by `height` pixels downwards.
void growDown(HWND window, int height) {
  RECT frame{};
  GetWindowRect(window, &frame);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

constexpr UINT_PTR kFindDialogSubclass = 1;

}  // namespace

bool frmMain::runResultsCommand(int command) {
  switch (command) {
    case SPEECH_COMMAND_COMPARE: askWhatToCompareWith(); return true;
    case SPEECH_COMMAND_NEXT_DIFFERENCE: stepDifference(ui::FindDirection::Next); return true;
    case SPEECH_COMMAND_PREVIOUS_DIFFERENCE: stepDifference(ui::FindDirection::Previous); return true;
    case SPEECH_COMMAND_FIND_ALL: findAllLines(); return true;
    default: return false;
  }
}

void frmMain::forgetResults() {
  // The lists' rows are the listed file's, which a Get replaces.
  if (found_) found_->showResults(nullptr);
  if (differences_) differences_->pane().showResults(nullptr);
}

void frmMain::showResultsAgain() {
  if (found_) InvalidateRect(GetDlgItem(found_->handle(), win32::kResultsListId), nullptr, TRUE);
  if (differences_) InvalidateRect(GetDlgItem(differences_->pane().handle(), win32::kResultsListId), nullptr, TRUE);
}

void frmMain::selectMainRow(std::size_t row) {
  if (row < session_.rowCount()) lstWords->selectRow(row);
}

// ---- Find all

void frmMain::addFindAll(HWND dialog) {
  // Below Cancel, where the dialog keeps the place of a Help button.
  const RECT next = rectInParent(GetDlgItem(dialog, IDOK));
  const RECT cancel = rectInParent(GetDlgItem(dialog, IDCANCEL));
  const int step = cancel.top - next.top;
  const HWND button =
      CreateWindowExW(0, L"BUTTON", wide(texts::text(SPEECH_TEXT("win32", "Find &all"))).c_str(),
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, cancel.left, cancel.top + step,
                      cancel.right - cancel.left, cancel.bottom - cancel.top, dialog,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(SPEECH_COMMAND_FIND_ALL)), thisProgram(), nullptr);
  SendMessageW(button, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
  SetWindowSubclass(dialog, findDialogProc, kFindDialogSubclass, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK frmMain::findDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
  if (message == WM_COMMAND && LOWORD(wParam) == SPEECH_COMMAND_FIND_ALL && HIWORD(wParam) == BN_CLICKED) {
    reinterpret_cast<frmMain*>(self)->findAllLines();
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(dialog, findDialogProc, kFindDialogSubclass);
  return DefSubclassProc(dialog, message, wParam, lParam);
}

void frmMain::findAllLines() {
  if (!dlgFind || session_.getRuns()) return;
  // The text and case as they stand, though Find Next was not pressed since.
  std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(GetDlgItem(dlgFind, edt1))), L'\0');
  GetDlgItemTextW(dlgFind, edt1, typed.data(), static_cast<int>(typed.size() + 1));
  if (typed.empty()) return;
  session_.setSearch(win32::utf8(typed), IsDlgButtonChecked(dlgFind, chx2) == BST_CHECKED);
  std::optional<std::string> failure;
  {
    const HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    failure = session_.findAll();
    SetCursor(before);
  }
  if (!found_) {
    // The list goes below the dialog's fields, which grows for it.
    RECT client{};
    GetClientRect(dlgFind, &client);
    const int dpi = static_cast<int>(GetDpiForWindow(dlgFind));
    const int margin = MulDiv(7, dpi, 96), height = MulDiv(220, dpi, 96);
    growDown(dlgFind, height);
    const RECT place{margin, client.bottom, client.right - margin, client.bottom + height - margin};
    found_.emplace(dlgFind, place, reinterpret_cast<HFONT>(SendMessageW(dlgFind, WM_GETFONT, 0, 0)),
                   [this](std::size_t row) { selectMainRow(row); });
  }
  found_->showResults(&session_.foundLines());
  if (failure) found_->tell(*failure);
}

// ---- Compare with

void frmMain::askWhatToCompareWith() {
  if (session_.getRuns() || session_.compareRuns()) return;
  // In the listed file's folder, with no name given.
  const auto oldFile = askForFile(ui::FileDialog::OpenSpeechFile, SPEECH_TEXT("win32", "Compare the listed file with"),
                                  {session_.saveSuggestion().folder, {}});
  if (oldFile) compareWith(*oldFile);
}

void frmMain::compareAtStart() {
  if (!compareAtStart_) return;
  const std::filesystem::path oldFile = *compareAtStart_;
  compareAtStart_.reset();
  // Only once the new file is listed: a failed Get has said why already.
  if (hwnd_ && session_.lines().source() && !session_.getWasStopped()) compareWith(oldFile);
}

void frmMain::compareWith(const std::filesystem::path& oldFile) {
  if (const std::optional<std::string> refused = session_.startCompare(oldFile))
    return tell(hwnd_, *refused, MB_ICONERROR);
  bool ended = false;
  {
    const HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    ended = session_.waitForCompare(ui::kGetShowsProgressAfter);
    SetCursor(before);
  }
  if (!ended) {
    DialogBoxParamW(thisProgram(), MAKEINTRESOURCEW(kProgressDialogId), hwnd_, compareProgressProc,
                    reinterpret_cast<LPARAM>(this));
  }
  const std::optional<std::string> failure = session_.endCompare();
  // The window was closed during the compare, which went with it.
  if (!hwnd_) return;
  // The differences the pane shows are the session's now, whatever came of it.
  if (differences_) differences_->pane().showResults(session_.differences());
  if (failure) return tell(hwnd_, *failure, MB_ICONERROR);
  if (!differences_) differences_.emplace(hwnd_, font_.get(), [this](std::size_t row) { selectMainRow(row); });
  differences_->pane().showResults(session_.differences());
  differences_->showBeside(lstWords->handle());
  // As a difftool opens: at the first difference.
  if (session_.differences()->size() > 0) differences_->pane().select(0);
}

INT_PTR CALLBACK frmMain::compareProgressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  constexpr UINT_PTR kPoll = 1;
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  auto* self = reinterpret_cast<frmMain*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self) return FALSE;
  const auto showProgress = [&] {
    const ui::CompareProgressText progress = self->session_.compareProgress();
    SetDlgItemTextW(dialog, SPEECH_PROGRESS_TEXT, wide(progress.text).c_str());
    if (progress.step)
      SendDlgItemMessageW(dialog, SPEECH_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(*progress.step), 0);
  };
  switch (message) {
    case WM_INITDIALOG:
      SendDlgItemMessageW(dialog, SPEECH_PROGRESS_BAR, PBM_SETRANGE32, 0, ui::kProgressSteps);
      showProgress();
      SetTimer(dialog, kPoll, 50, nullptr);
      return TRUE;
    case WM_TIMER:
      if (self->session_.waitForCompare(std::chrono::milliseconds(0))) {
        EndDialog(dialog, IDOK);
      } else {
        showProgress();
      }
      return TRUE;
    case WM_COMMAND:
      // Cancel, or Escape: the compare stops soon, and the dialog goes when
      // it has.
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      self->session_.stopCompare();
      EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
      return TRUE;
    case WM_DESTROY: KillTimer(dialog, kPoll); return FALSE;
    default: return FALSE;
  }
}

void frmMain::stepDifference(ui::FindDirection direction) {
  const ui::DifferenceList* differences = session_.differences();
  if (!differences || !differences_) return;
  win32::ResultsPane& pane = differences_->pane();
  const ui::DifferenceList::Step step = differences->step(direction, pane.current(), lstWords->currentRow());
  if (!IsWindowVisible(differences_->handle())) differences_->showBeside(lstWords->handle());
  if (step.index) {
    pane.select(*step.index);
  } else {
    pane.tell(step.message);
  }
}
