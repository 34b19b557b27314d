// The list of speech lines: a control that draws its rows itself from the
// viewer session's lines, so that a Get of millions of entries tells it
// only their count, and every key press lays out the rows in view and
// nothing else.
//
// It answers the messages a list box answers (LB_GETCOUNT, LB_GETTEXTLEN,
// LB_GETTEXT, LB_GETCURSEL, ...), and its accessibility interface
// (list_accessible.h) gives assistive technology its lines as a list's
// items, so screen readers and test programs read its lines as they read
// any list box's. The text they read (and that Ctrl+C copies) is the line's
// shown form; on screen each control character is a small mark with its
// short name. Ctrl+C asks the parent to copy the current line, with the
// list's menu's command (WM_COMMAND, SPEECH_COMMAND_COPY).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "ui/common/line_layout.h"
#include "ui/common/line_store.h"
#include "ui/common/list_state.h"
#include "ui/common/viewer_session.h"
#include "ui/win32/handles.h"
#include "ui/win32/window_owner.h"

namespace win32 {

class LineListBox final : private WindowOwner {
 public:
  // The window class all line lists share, registered on first use.
  static constexpr const wchar_t* kClassName = L"SpeechLineList";

  // Creates the control as a child of `parent`, which destroys it, showing
  // the lines of `session`, which must outlive it.
  LineListBox(HWND parent, int id, const ui::ViewerSession& session);
  ~LineListBox();

  HWND handle() const { return hwnd_; }

  // Shows the session's rows afresh, after a Get: none current, at the top.
  void showRows();
  // Shows no rows, and reads none, while a Get fills the session's lines.
  void showNoRows();
  // The same rows with their texts formed again (in another encoding): the
  // current row and the scroll position stay.
  void showTextsAgain();

  // The rows after an edit, an undo or a redo: the scroll position stays
  // where it can, and `current` (none: no row) becomes the current row, in
  // view.
  void showEditedRows(std::optional<std::size_t> current);

  std::optional<std::size_t> currentRow() const { return state_.current(); }
  // Makes the row current and scrolls it into view, as a click on it would.
  void selectRow(std::size_t row);
  // Where a menu opened from the keyboard goes, on the screen: under the
  // current line when it is in view, else at the list's top left corner.
  POINT keyboardMenuPoint() const;

 private:
  static void registerClass();
  void showRowCount(std::size_t rows);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Fonts and measures: set again with the font, which follows the DPI.
  void setFont(HFONT font);
  double measureCharacter(std::u16string_view character);
  double measureMark(char16_t control);

  // What is in view, and the scroll bars that show it.
  void fitView();
  void showState();
  void showMove(std::optional<std::size_t> before);
  struct ShownScrollBar {
    int max = -1;
    UINT page = 0;
    int position = 0;
    friend bool operator==(const ShownScrollBar&, const ShownScrollBar&) = default;
  };
  void updateScrollBars();
  void setScrollBar(int bar, const SCROLLINFO& info, ShownScrollBar& shown);
  void takeWidth(double lineWidth);
  void takeLongestRow();
  void scroll(int bar, WORD request);
  std::optional<std::size_t> rowAt(int y) const;
  RECT rowRect(std::size_t row) const;

  // Drawing.
  void paint();
  void paintRows();
  void drawRow(HDC dc, std::size_t row, const RECT& box);
  void drawEditMark(HDC dc, model::EntryState state, const RECT& box, bool selected);
  void drawEmptyFocus(HDC dc);
  void drawMark(HDC dc, char16_t control, int x, const RECT& box, bool selected);

  // The text of a row as test programs, assistive technology and the
  // clipboard get it: the shown form, as UTF-16.
  std::wstring shownLine(std::size_t row);
  // A press of a mouse button on a row: the row becomes current.
  void pressOnRow(int y);

  HFONT font_ = nullptr;  // the window's font, owned by the window
  UniqueFont markFont_;
  UniqueMemoryDC measuring_;
  int rowHeight_ = 1;
  int margin_ = 4;       // before and after the text, in pixels
  int markPadding_ = 2;  // inside a mark's frame
  std::optional<ui::AdvanceCache> advances_;
  ui::WidestLine widest_;
  ui::ListState state_;
  const ui::ViewerSession& session_;
  ui::LineStore::Scratch scratch_;
  int wheelRemainder_ = 0;
  ShownScrollBar shownVertical_;
  ShownScrollBar shownHorizontal_;
};

}  // namespace win32
