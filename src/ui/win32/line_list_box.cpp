#include "ui/win32/line_list_box.h"

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "listing/shown_text.h"
#include "ui/win32/list_accessible.h"
#include "ui/win32/resources.h"
#include "ui/win32/wide_text.h"

namespace win32 {
namespace {

// The keys the list moves by, as the shared list logic names them.
std::optional<ui::ListKey> listKey(WPARAM key) {
  switch (key) {
    case VK_UP: return ui::ListKey::Up;
    case VK_DOWN: return ui::ListKey::Down;
    case VK_PRIOR: return ui::ListKey::PageUp;
    case VK_NEXT: return ui::ListKey::PageDown;
    case VK_HOME: return ui::ListKey::Home;
    case VK_END: return ui::ListKey::End;
    case VK_LEFT: return ui::ListKey::Left;
    case VK_RIGHT: return ui::ListKey::Right;
    default: return std::nullopt;
  }
}

// The window's commands that keys in the list give; 0 for none.
int listCommand(WPARAM key, bool control, bool shift) {
  if (shift) return 0;
  if (control) {
    switch (key) {
      case 'C': return SPEECH_COMMAND_COPY;
      case 'Z': return SPEECH_COMMAND_UNDO;
      case 'Y': return SPEECH_COMMAND_REDO;
      default: return 0;
    }
  }
  switch (key) {
    case VK_F2: return SPEECH_COMMAND_EDIT_ENTRY;
    case VK_INSERT: return SPEECH_COMMAND_NEW_ENTRY;
    case VK_DELETE: return SPEECH_COMMAND_DELETE_ENTRY;
    default: return 0;
  }
}

int wheelLines() {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return static_cast<int>(std::min<UINT>(lines, 1000));
}

}  // namespace

void LineListBox::registerClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) throw std::runtime_error("cannot register the list's window class");
}

LineListBox::LineListBox(HWND parent, int id, const ui::ViewerSession& session)
    : measuring_(CreateCompatibleDC(nullptr)), session_(session) {
  registerClass();
  if (!createWindow(WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL,
                    parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))))
    throw std::runtime_error("cannot create the list");
  setFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

LineListBox::~LineListBox() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void LineListBox::showRows() { showRowCount(session_.rowCount()); }

void LineListBox::showNoRows() { showRowCount(0); }

void LineListBox::showTextsAgain() {
  widest_.reset();
  state_.setContentWidth(0);
  takeLongestRow();
  showState();
  NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

void LineListBox::showEditedRows(std::optional<std::size_t> current) {
  const std::size_t top = state_.top();
  const double left = state_.left();
  state_.reset(session_.rowCount());
  state_.setContentWidth(std::ceil(widest_.width()));
  takeLongestRow();
  fitView();
  state_.scrollTo(top);
  state_.scrollHorizontallyTo(left);
  if (current && *current < state_.rowCount()) state_.select(*current);
  showState();
  NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd_, OBJID_CLIENT, CHILDID_SELF);
  if (current) showMove(std::nullopt);
}

void LineListBox::showRowCount(std::size_t rows) {
  state_.reset(rows);
  widest_.reset();
  takeLongestRow();
  fitView();
  showState();
  UpdateWindow(hwnd_);
  NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

// ---- Messages

LRESULT LineListBox::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      setFont(reinterpret_cast<HFONT>(wParam));
      if (LOWORD(lParam)) InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_SIZE:
      fitView();
      showState();
      return 0;
    case WM_ERASEBKGND: return 1;  // paint() fills every pixel
    case WM_PAINT: paint(); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
    // Arrows move in the list, not between the window's controls.
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (const auto key = listKey(wParam)) {
        const auto before = state_.current();
        state_.press(*key);
        showMove(before);
        return 0;
      }
      // Ctrl+C and the keys of the entries: the window copies, edits, undoes,
      // and says why when it cannot.
      if (const int command = listCommand(wParam, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0)) {
        SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(command, 0), 0);
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: pressOnRow(GET_Y_LPARAM(lParam)); return 0;
    // The right button makes the line under it current, so that the menu
    // it opens (WM_CONTEXTMENU, from its release) copies that line.
    case WM_RBUTTONDOWN: pressOnRow(GET_Y_LPARAM(lParam)); return 0;
    case WM_MOUSEWHEEL: {
      wheelRemainder_ += GET_WHEEL_DELTA_WPARAM(wParam);
      const int notches = wheelRemainder_ / WHEEL_DELTA;
      wheelRemainder_ -= notches * WHEEL_DELTA;
      state_.scrollBy(-static_cast<long long>(notches) * wheelLines());
      showState();
      return 0;
    }
    case WM_VSCROLL: scroll(SB_VERT, LOWORD(wParam)); return 0;
    case WM_HSCROLL: scroll(SB_HORZ, LOWORD(wParam)); return 0;

    // What a list box answers, for test programs and assistive technology.
    case LB_GETCOUNT: return static_cast<LRESULT>(state_.rowCount());
    case LB_GETTEXTLEN:
      if (wParam >= state_.rowCount()) return LB_ERR;
      return static_cast<LRESULT>(shownLine(wParam).size());
    case LB_GETTEXT: {
      if (wParam >= state_.rowCount() || lParam == 0) return LB_ERR;
      // As with a list box, the caller has sized the buffer by LB_GETTEXTLEN.
      const std::wstring text = shownLine(wParam);
      std::copy(text.c_str(), text.c_str() + text.size() + 1, reinterpret_cast<wchar_t*>(lParam));
      return static_cast<LRESULT>(text.size());
    }
    case kGetLineStateMessage:
      if (wParam >= state_.rowCount()) return LB_ERR;
      return static_cast<LRESULT>(session_.lineState(wParam));
    case LB_GETCURSEL: return state_.current() ? static_cast<LRESULT>(*state_.current()) : LB_ERR;
    case LB_GETCARETINDEX: return state_.current() ? static_cast<LRESULT>(*state_.current()) : 0;
    case LB_SETCURSEL:
      if (wParam >= state_.rowCount()) return LB_ERR;
      selectRow(wParam);
      return static_cast<LRESULT>(wParam);
    case LB_GETSEL:
      if (wParam >= state_.rowCount()) return LB_ERR;
      return state_.current() == wParam ? 1 : 0;
    case LB_GETSELCOUNT: return LB_ERR;  // a single-selection list
    case LB_GETTOPINDEX: return static_cast<LRESULT>(state_.top());
    case LB_SETTOPINDEX:
      if (wParam >= std::max<std::size_t>(state_.rowCount(), 1)) return LB_ERR;
      state_.scrollTo(wParam);
      showState();
      return 0;
    case LB_GETITEMHEIGHT: return rowHeight_;
    case LB_GETITEMRECT:
      if (wParam >= state_.rowCount() || lParam == 0) return LB_ERR;
      *reinterpret_cast<RECT*>(lParam) = rowRect(wParam);
      return 1;
    case LB_ITEMFROMPOINT: {
      const std::optional<std::size_t> row = rowAt(GET_Y_LPARAM(lParam));
      const std::size_t last = state_.rowCount() ? state_.rowCount() - 1 : 0;
      return MAKELRESULT(static_cast<WORD>(row.value_or(last)), row ? 0 : 1);
    }
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
        return ListAccessible::answerGetObject(hwnd_, wParam);
      }
      break;
    default: break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// ---- Fonts and measures

void LineListBox::setFont(HFONT font) {
  font_ = font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const int dpi = static_cast<int>(GetDpiForWindow(hwnd_));
  margin_ = MulDiv(4, dpi, 96);  // room for the mark of a changed or new line
  markPadding_ = std::max(1, MulDiv(2, dpi, 96));

  // The marks' names in a smaller size of the same face.
  LOGFONTW face{};
  GetObjectW(font_, sizeof face, &face);
  face.lfHeight = face.lfHeight * 4 / 5;
  face.lfWidth = 0;
  face.lfWeight = FW_NORMAL;
  markFont_.reset(CreateFontIndirectW(&face));

  SelectObject(measuring_.get(), font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(measuring_.get(), &metrics);
  rowHeight_ = std::max<int>(1, metrics.tmHeight);

  advances_.emplace([this](std::u16string_view character) { return measureCharacter(character); },
                    [this](char16_t control) { return measureMark(control); });
  widest_.reset();
  state_.setContentWidth(0);
  takeLongestRow();
  fitView();
  showState();
}

double LineListBox::measureCharacter(std::u16string_view character) {
  SIZE size{};
  GetTextExtentPoint32W(measuring_.get(), reinterpret_cast<const wchar_t*>(character.data()),
                        static_cast<int>(character.size()), &size);
  return size.cx;
}

double LineListBox::measureMark(char16_t control) {
  const std::wstring name = wide(listing::controlName(control));
  const Selection markFont(measuring_.get(), markFont_.get());
  SIZE size{};
  GetTextExtentPoint32W(measuring_.get(), name.c_str(), static_cast<int>(name.size()), &size);
  // The name, padded inside its frame, with a pixel of room on each side.
  return size.cx + 2 * markPadding_ + 2;
}

// ---- View and scroll bars

void LineListBox::fitView() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  state_.setView(static_cast<std::size_t>(std::max<LONG>(client.bottom / rowHeight_, 1)), client.right);
}

void LineListBox::takeWidth(double lineWidth) {
  if (widest_.take(lineWidth + 2 * margin_)) state_.setContentWidth(std::ceil(widest_.width()));
}

void LineListBox::takeLongestRow() {
  if (!advances_ || state_.rowCount() == 0 || session_.longestRow() >= state_.rowCount()) return;
  takeWidth(ui::lineWidth(listing::toUtf16(session_.line(session_.longestRow(), scratch_)), *advances_));
}

// Puts the state on screen: the scroll bars' ranges and positions, and a
// repaint of the rows (painted when the window next asks).
void LineListBox::showState() {
  updateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

// After the current row moved: shows it, and tells assistive technology
// which line is now selected.
void LineListBox::showMove(std::optional<std::size_t> before) {
  showState();
  const auto now = state_.current();
  if (!now || now == before) return;
  const auto child = static_cast<LONG>(*now + 1);
  NotifyWinEvent(EVENT_OBJECT_SELECTION, hwnd_, OBJID_CLIENT, child);
  if (GetFocus() == hwnd_) NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, child);
}

void LineListBox::updateScrollBars() {
  // The vertical bar stays in place, disabled while every row is in view, so
  // a Get never changes the list's width. The horizontal one shows when a
  // line is wider than the view.
  SCROLLINFO vertical{sizeof vertical, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
  vertical.nMax = state_.rowCount() ? static_cast<int>(state_.rowCount() - 1) : 0;
  vertical.nPage = static_cast<UINT>(state_.rowsInView());
  vertical.nPos = static_cast<int>(state_.top());
  setScrollBar(SB_VERT, vertical, shownVertical_);

  RECT client{};
  GetClientRect(hwnd_, &client);
  SCROLLINFO horizontal{sizeof horizontal, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
  if (state_.maxLeft() > 0) {
    horizontal.nMax = static_cast<int>(state_.maxLeft()) + static_cast<int>(client.right) - 1;
    horizontal.nPage = static_cast<UINT>(client.right);
    horizontal.nPos = static_cast<int>(state_.left());
  }
  setScrollBar(SB_HORZ, horizontal, shownHorizontal_);
}

// Setting a scroll bar redraws it, which costs milliseconds on some systems
// even when nothing changed: it is set only when it changes.
void LineListBox::setScrollBar(int bar, const SCROLLINFO& info, ShownScrollBar& shown) {
  const ShownScrollBar wanted{info.nMax, info.nPage, info.nPos};
  if (shown == wanted) return;
  shown = wanted;
  SetScrollInfo(hwnd_, bar, &info, TRUE);
}

void LineListBox::scroll(int bar, WORD request) {
  SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd_, bar, &info);
  if (bar == SB_VERT) {
    const auto page = static_cast<long long>(state_.rowsInView());
    switch (request) {
      case SB_LINEUP: state_.scrollBy(-1); break;
      case SB_LINEDOWN: state_.scrollBy(1); break;
      case SB_PAGEUP: state_.scrollBy(-page); break;
      case SB_PAGEDOWN: state_.scrollBy(page); break;
      case SB_TOP: state_.scrollTo(0); break;
      case SB_BOTTOM: state_.scrollTo(state_.maxTop()); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: state_.scrollTo(static_cast<std::size_t>(std::max(info.nTrackPos, 0))); break;
      default: return;
    }
  } else {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const double left = state_.left();
    switch (request) {
      case SB_LINELEFT: state_.scrollHorizontallyTo(left - ui::ListState::kColumnStep); break;
      case SB_LINERIGHT: state_.scrollHorizontallyTo(left + ui::ListState::kColumnStep); break;
      case SB_PAGELEFT: state_.scrollHorizontallyTo(left - client.right); break;
      case SB_PAGERIGHT: state_.scrollHorizontallyTo(left + client.right); break;
      case SB_LEFT: state_.scrollHorizontallyTo(0); break;
      case SB_RIGHT: state_.scrollHorizontallyTo(state_.maxLeft()); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: state_.scrollHorizontallyTo(info.nTrackPos); break;
      default: return;
    }
  }
  showState();
}

std::optional<std::size_t> LineListBox::rowAt(int y) const {
  if (y < 0) return std::nullopt;
  const std::size_t row = state_.top() + static_cast<std::size_t>(y / rowHeight_);
  if (row >= state_.rowCount()) return std::nullopt;
  return row;
}

RECT LineListBox::rowRect(std::size_t row) const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const long long offset = static_cast<long long>(row) - static_cast<long long>(state_.top());
  const auto top = static_cast<LONG>(std::clamp<long long>(offset * rowHeight_, INT_MIN / 2, INT_MAX / 2));
  return RECT{0, top, client.right, top + rowHeight_};
}

// ---- Drawing

void LineListBox::paint() {
  const double widestBefore = widest_.width();
  paintRows();
  // A row drawn now was wider than any before: the horizontal range grows
  // to reach its end.
  if (widest_.width() > widestBefore) updateScrollBars();
}

void LineListBox::paintRows() {
  const Painting painting(hwnd_);
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;

  // Drawn off screen and copied at once, so rows never flicker.
  const UniqueMemoryDC canvas(CreateCompatibleDC(painting.dc()));
  const UniqueBitmap pixels(CreateCompatibleBitmap(painting.dc(), client.right, client.bottom));
  const Selection canvasPixels(canvas.get(), pixels.get());
  const Selection canvasFont(canvas.get(), font_);
  FillRect(canvas.get(), &client, GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(canvas.get(), TRANSPARENT);

  const std::size_t end = std::min(state_.rowCount(), state_.top() + state_.rowsInView() + 1);
  for (std::size_t row = state_.top(); row < end; ++row) drawRow(canvas.get(), row, rowRect(row));
  drawEmptyFocus(canvas.get());

  BitBlt(painting.dc(), 0, 0, client.right, client.bottom, canvas.get(), 0, 0, SRCCOPY);
}

void LineListBox::drawRow(HDC dc, std::size_t row, const RECT& box) {
  const bool selected = state_.current() == row;
  const bool focused = GetFocus() == hwnd_;
  if (selected) FillRect(dc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
  drawEditMark(dc, session_.lineState(row), box, selected);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));

  const std::u16string line = listing::toUtf16(session_.line(row, scratch_));
  takeWidth(ui::lineWidth(line, *advances_));
  const double left = state_.left();
  std::vector<INT> advances;
  for (const ui::PlacedPiece& piece : ui::piecesInView(line, *advances_, left, left + (box.right - box.left))) {
    const int x = margin_ + static_cast<int>(std::lround(piece.x - left));
    if (piece.mark) {
      drawMark(dc, line[piece.start], x, box, selected);
      continue;
    }
    // Each character at the advance the layout gave it, so that what is
    // drawn is where the layout put it.
    advances.clear();
    for (std::size_t at = piece.start; at < piece.start + piece.length; ++at) {
      advances.push_back(static_cast<INT>(std::lround(advances_->advance(line, at))));
    }
    ExtTextOutW(dc, x, box.top, ETO_CLIPPED, &box, reinterpret_cast<const wchar_t*>(line.data() + piece.start),
                static_cast<UINT>(piece.length), advances.data());
  }
  const bool caret = state_.current() ? selected : row == 0;
  if (focused && caret) DrawFocusRect(dc, &box);
}

// A changed line gets an amber bar at its left edge, a new one a green bar
// and a light green ground, so that both stand out without touching the text.
void LineListBox::drawEditMark(HDC dc, model::EntryState state, const RECT& box, bool selected) {
  if (state == model::EntryState::AsRead) return;
  const bool isNew = state == model::EntryState::New;
  const auto fill = [dc](const RECT& area, COLORREF colour) {
    const Unique<HBRUSH, GdiObjectDeleter> brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
  };
  if (!selected) fill(box, isNew ? RGB(0xE3, 0xF4, 0xE1) : RGB(0xFD, 0xF1, 0xD8));
  fill(RECT{box.left, box.top, box.left + margin_ * 3 / 4, box.bottom},
       isNew ? RGB(0x2E, 0x8B, 0x3A) : RGB(0xD9, 0x8A, 0x00));
}

// Where the focus is while no row is: a frame of one row's height at the top,
// as list boxes show it.
void LineListBox::drawEmptyFocus(HDC dc) {
  if (state_.rowCount() > 0 || GetFocus() != hwnd_) return;
  const RECT box = rowRect(0);
  DrawFocusRect(dc, &box);
}

void LineListBox::drawMark(HDC dc, char16_t control, int x, const RECT& box, bool selected) {
  const int width = static_cast<int>(std::lround(advances_->advance(std::u16string_view(&control, 1), 0)));
  // A small filled tag with the name inside, in the colours of the row
  // turned around, so it reads as a sign and not as text of the line.
  const COLORREF fill = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT);
  const COLORREF ink = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  const RECT frame{x + 1, box.top + 1, x + width - 1, box.bottom - 1};
  const Unique<HBRUSH, GdiObjectDeleter> brush(CreateSolidBrush(fill));
  const Selection tagBrush(dc, brush.get());
  const Selection noOutline(dc, GetStockObject(NULL_PEN));
  const int corner = std::max(3, markPadding_ * 2);
  RoundRect(dc, frame.left, frame.top, frame.right + 1, frame.bottom + 1, corner, corner);

  const std::wstring name = wide(listing::controlName(control));
  const Selection markFont(dc, markFont_.get());
  const COLORREF rowInk = SetTextColor(dc, ink);
  RECT text = frame;
  DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SetTextColor(dc, rowInk);
}

// ---- Text for others

std::wstring LineListBox::shownLine(std::size_t row) { return wide(session_.shownLine(row)); }

void LineListBox::pressOnRow(int y) {
  SetFocus(hwnd_);
  if (const auto row = rowAt(y)) selectRow(*row);
}

void LineListBox::selectRow(std::size_t row) {
  if (row >= state_.rowCount()) return;
  const auto before = state_.current();
  state_.select(row);
  showMove(before);
}

POINT LineListBox::keyboardMenuPoint() const {
  POINT at{0, 0};
  if (const auto row = state_.current(); row && *row >= state_.top() && *row < state_.top() + state_.rowsInView()) {
    const RECT box = rowRect(*row);
    at = {box.left + rowHeight_, box.bottom};
  }
  ClientToScreen(hwnd_, &at);
  return at;
}

}  // namespace win32
