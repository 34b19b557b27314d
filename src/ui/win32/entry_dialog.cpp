#include "ui/win32/entry_dialog.h"

#include <string>

#include "ui/common/window_description.h"
#include "ui/win32/placing.h"
#include "ui/win32/resources.h"
#include "ui/win32/wide_text.h"

namespace win32 {
namespace {

std::string fieldText(HWND dialog, int id) {
  const HWND field = GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)), L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size() + 1))));
  return utf8(text);
}

class EntryDialog {
 public:
  EntryDialog(ui::ViewerSession& session, EntryChange change, std::optional<std::size_t> row)
      : session_(session), change_(change), row_(row) {}

  std::optional<ui::ViewerSession::EditOutcome> run(HWND owner) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kEntryDialogId), owner, dialogProc,
                    reinterpret_cast<LPARAM>(this));
    return made_;
  }

 private:
  static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* self = reinterpret_cast<EntryDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->onMessage(dialog, message, wParam) : FALSE;
  }

  INT_PTR onMessage(HWND dialog, UINT message, WPARAM wParam) {
    switch (message) {
      case WM_INITDIALOG: start(dialog); return FALSE;  // start() put the focus on the text
      case WM_COMMAND:
        switch (LOWORD(wParam)) {
          case SPEECH_ENTRY_ID:
          case SPEECH_ENTRY_TEXT:
            if (HIWORD(wParam) == EN_CHANGE) showCheck(dialog);
            return TRUE;
          case IDOK: take(dialog); return TRUE;
          case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
          default: return FALSE;
        }
      default: return FALSE;
    }
  }

  void start(HWND dialog) {
    SetWindowTextW(dialog, change_ == EntryChange::Edit ? L"Edit entry" : L"New entry");
    const ui::ViewerSession::EntryFields fields =
        change_ == EntryChange::Edit ? session_.entryFields(*row_) : session_.newEntryFields(row_);
    // The fields take any length: a text longer than an entry holds is
    // refused with its count, never cut.
    for (const int id : {SPEECH_ENTRY_ID, SPEECH_ENTRY_TEXT}) SendDlgItemMessageW(dialog, id, EM_SETLIMITTEXT, 0, 0);
    SetDlgItemTextW(dialog, SPEECH_ENTRY_ID, wide(fields.id).c_str());
    SetDlgItemTextW(dialog, SPEECH_ENTRY_TEXT, wide(fields.text).c_str());
    showCheck(dialog);
    const HWND text = GetDlgItem(dialog, SPEECH_ENTRY_TEXT);
    SendMessageW(text, EM_SETSEL, 0, -1);
    SetFocus(text);
    centreOver(dialog, GetWindow(dialog, GW_OWNER));
  }

  ui::ViewerSession::EntryFields fields(HWND dialog) const {
    return {fieldText(dialog, SPEECH_ENTRY_ID), fieldText(dialog, SPEECH_ENTRY_TEXT)};
  }

  std::optional<std::size_t> editedRow() const { return change_ == EntryChange::Edit ? row_ : std::nullopt; }

  void showCheck(HWND dialog) {
    const ui::ViewerSession::FieldsCheck check = session_.checkFields(editedRow(), fields(dialog));
    SetDlgItemTextW(dialog, SPEECH_ENTRY_BYTES, wide(check.bytes).c_str());
    SetDlgItemTextW(dialog, SPEECH_ENTRY_NOTE, wide(check.note).c_str());
    showProblem(dialog, check.problem);
  }

  static void showProblem(HWND dialog, const std::string& problem) {
    SetDlgItemTextW(dialog, SPEECH_ENTRY_PROBLEM, wide(problem).c_str());
    EnableWindow(GetDlgItem(dialog, IDOK), problem.empty());
  }

  // OK: the session makes the change, or says why not and the window stays.
  void take(HWND dialog) {
    const ui::ViewerSession::EntryFields typed = fields(dialog);
    const ui::ViewerSession::EditOutcome outcome =
        change_ == EntryChange::Edit ? session_.editEntry(*row_, typed) : session_.newEntry(row_, typed);
    if (!outcome.failure.empty()) return showProblem(dialog, outcome.failure);
    made_ = outcome;
    EndDialog(dialog, IDOK);
  }

  ui::ViewerSession& session_;
  const EntryChange change_;
  const std::optional<std::size_t> row_;
  std::optional<ui::ViewerSession::EditOutcome> made_;
};

}  // namespace

std::optional<ui::ViewerSession::EditOutcome> askForEntry(HWND owner, ui::ViewerSession& session, EntryChange change,
                                                          std::optional<std::size_t> row) {
  if (change == EntryChange::Edit && !row) return std::nullopt;
  // A text field ends its text at a NUL: OK would cut the text there.
  if (change == EntryChange::Edit && session.entryFields(*row).text.find('\0') != std::string::npos) {
    MessageBoxW(
        owner, L"This text holds a NUL character, which the Edit entry window cannot hold; the entry is left as it is.",
        wide(ui::kCaption).c_str(), MB_OK | MB_ICONINFORMATION);
    return std::nullopt;
  }
  EntryDialog dialog(session, change, row);
  return dialog.run(owner);
}

}  // namespace win32
