#include "ui/win32/results_window.h"

#include "texts/texts.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/common/window_placement.h"
#include "ui/win32/resources.h"
#include "ui/win32/wide_text.h"

namespace win32 {
namespace {

constexpr const wchar_t* kPaneClass = L"SpeechResults";
// Rows measured for the list's width: a wider row further down scrolls
// into view as far as the widest of these.
constexpr int kRowsMeasured = 1000;

HINSTANCE thisProgram() { return GetModuleHandleW(nullptr); }

int scaled(HWND window, int pixels) { return MulDiv(pixels, static_cast<int>(GetDpiForWindow(window)), 96); }

HWND makeChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle, int id, HFONT font) {
  const HWND child = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), thisProgram(), nullptr);
  if (!child) throw std::runtime_error("cannot create a results list");
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

void registerOnce(const wchar_t* name, WNDPROC proc, HBRUSH background, HICON icon = nullptr) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(thisProgram(), name, &windowClass)) return;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = thisProgram();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.hIcon = icon;
  windowClass.lpszClassName = name;
  if (!RegisterClassExW(&windowClass)) throw std::runtime_error("cannot register a results window class");
}

int lineHeight(HWND window, HFONT font) {
  const HDC dc = GetDC(window);
  const HGDIOBJ before = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, before);
  ReleaseDC(window, dc);
  return metrics.tmHeight + metrics.tmExternalLeading;
}

ui::PixelRect pixelRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

ui::PixelRect screenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return pixelRect(r);
}

}  // namespace

void placeBesideMain(HWND window, HWND main, HWND list) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor);
  const ui::PixelRect box = screenRect(window);
  const ui::PixelPoint at =
      ui::besideOwner(screenRect(main), screenRect(list), {box.width, box.height}, pixelRect(monitor.rcWork), 0);
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- The pane

ResultsPane::ResultsPane(HWND parent, const RECT& place, HFONT font, std::function<void(std::size_t)> chosen)
    : font_(font), chosen_(std::move(chosen)) {
  registerOnce(kPaneClass, windowProc, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  hwnd_ =
      CreateWindowExW(WS_EX_CONTROLPARENT, kPaneClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, place.left, place.top,
                      place.right - place.left, place.bottom - place.top, parent, nullptr, thisProgram(), this);
  if (!hwnd_) throw std::runtime_error("cannot create a results list");
  count_ = makeChild(hwnd_, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, kResultsCountId, font);
  // Owner data: the list holds no rows, it asks for each one it draws.
  list_ = makeChild(hwnd_, WC_LISTVIEWW,
                    WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED |
                        LVS_SINGLESEL | LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS,
                    WS_EX_CLIENTEDGE, kResultsListId, font);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = 100;
  ListView_InsertColumn(list_, 0, &column);
  status_ = makeChild(hwnd_, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, kResultsStatusId, font);
  layOut();
}

ResultsPane::~ResultsPane() {
  if (!hwnd_) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK ResultsPane::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<ResultsPane*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ResultsPane*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // Its parent went first: the pane's object stays, without a window.
    self->hwnd_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->onMessage(message, wParam, lParam);
}

LRESULT ResultsPane::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: layOut(); return 0;
    case WM_SETFOCUS: SetFocus(list_); return 0;
    case WM_NOTIFY: {
      const auto& notice = *reinterpret_cast<const NMHDR*>(lParam);
      if (notice.hwndFrom == list_) return onListNotice(notice);
      break;
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      item.itemHeight = static_cast<UINT>(lineHeight(hwnd_, font_) + scaled(hwnd_, 2));
      return TRUE;
    }
    case WM_DRAWITEM: drawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    default: break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void ResultsPane::layOut() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int line = lineHeight(hwnd_, font_);
  const int gap = scaled(hwnd_, 4);
  const int width = client.right;
  MoveWindow(count_, 0, 0, width, 2 * line, TRUE);
  const int listTop = 2 * line + gap, statusTop = client.bottom - line;
  MoveWindow(list_, 0, listTop, width, std::max(0, statusTop - gap - listTop), TRUE);
  MoveWindow(status_, 0, statusTop, width, line, TRUE);
}

void ResultsPane::place(const RECT& place) {
  MoveWindow(hwnd_, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

void ResultsPane::showResults(const ui::ResultsList* results) {
  results_ = results;
  const int rows = results ? static_cast<int>(std::min<std::size_t>(results->size(), INT_MAX)) : 0;
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemCountEx(list_, rows, 0);
  // As wide as the widest of the first rows, and at least the list.
  RECT client{};
  GetClientRect(list_, &client);
  int widest = client.right;
  const HDC dc = GetDC(list_);
  const HGDIOBJ before = SelectObject(dc, font_);
  for (int row = 0; row < std::min(rows, kRowsMeasured); ++row) {
    const std::wstring text = wide(results->row(static_cast<std::size_t>(row)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx) + scaled(list_, 8));
  }
  SelectObject(dc, before);
  ReleaseDC(list_, dc);
  ListView_SetColumnWidth(list_, 0, widest);
  SetWindowTextW(count_, results ? wide(results->countText()).c_str() : L"");
  SetWindowTextW(status_, L"");
  InvalidateRect(list_, nullptr, TRUE);
}

std::optional<std::size_t> ResultsPane::current() const {
  const int index = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (index < 0) return std::nullopt;
  return static_cast<std::size_t>(index);
}

void ResultsPane::select(std::size_t index) {
  const int row = static_cast<int>(index);
  ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list_, row, FALSE);
  // Chosen again though it was current already: the main list may have moved.
  choose(row);
}

void ResultsPane::tell(const std::string& message) { SetWindowTextW(status_, wide(message).c_str()); }

void ResultsPane::choose(int index) {
  if (!results_ || index < 0 || static_cast<std::size_t>(index) >= results_->size()) return;
  SetWindowTextW(status_, L"");
  if (const auto row = results_->mainRow(static_cast<std::size_t>(index))) chosen_(*row);
}

LRESULT ResultsPane::onListNotice(const NMHDR& notice) {
  switch (notice.code) {
    case LVN_GETDISPINFOW: {
      // What the list, or a program or screen reader reading it, asks of a
      // row: its whole text, from a buffer that stays until the next ask.
      auto& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&notice))->item;
      if ((item.mask & LVIF_TEXT) && results_ && item.iItem >= 0 &&
          static_cast<std::size_t>(item.iItem) < results_->size()) {
        asked_ = wide(results_->row(static_cast<std::size_t>(item.iItem)));
        item.pszText = asked_.data();
      }
      return 0;
    }
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
      if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
        choose(change.iItem);
      return 0;
    }
    case NM_CLICK: choose(reinterpret_cast<const NMITEMACTIVATE&>(notice).iItem); return 0;
    default: return 0;
  }
}

void ResultsPane::drawRow(const DRAWITEMSTRUCT& item) {
  if (!results_ || item.itemID >= results_->size()) return;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = GetFocus() == list_;
  const int background = selected ? (focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : COLOR_WINDOW;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(background));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const HGDIOBJ before = SelectObject(item.hDC, font_);
  // The whole row, however long: the list's own drawing would cut it short.
  const std::wstring text = wide(results_->row(item.itemID));
  RECT box = item.rcItem;
  box.left += scaled(list_, 4);
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &box,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
  SelectObject(item.hDC, before);
  if ((item.itemState & ODS_FOCUS) && focused) DrawFocusRect(item.hDC, &item.rcItem);
}

// ---- The Differences window

DifferencesWindow::DifferencesWindow(HWND owner, HFONT font, std::function<void(std::size_t)> chosen) : owner_(owner) {
  registerOnce(kDifferencesClass, windowProc, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
               LoadIconW(thisProgram(), MAKEINTRESOURCEW(kProgramIconId)));
  const int dpi = static_cast<int>(GetDpiForWindow(owner));
  hwnd_ = CreateWindowExW(0, kDifferencesClass, wide(texts::text(SPEECH_TEXT("win32", "Differences"))).c_str(),
                          WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, CW_USEDEFAULT, CW_USEDEFAULT,
                          MulDiv(480, dpi, 96), MulDiv(320, dpi, 96), owner, nullptr, thisProgram(), this);
  if (!hwnd_) throw std::runtime_error("cannot create the Differences window");
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int margin = MulDiv(8, dpi, 96);
  InflateRect(&client, -margin, -margin);
  pane_.emplace(hwnd_, client, font, std::move(chosen));
}

DifferencesWindow::~DifferencesWindow() {
  pane_.reset();
  if (!hwnd_) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK DifferencesWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<DifferencesWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<DifferencesWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_SIZE:
      if (self->pane_) {
        RECT client{};
        GetClientRect(window, &client);
        const int margin = MulDiv(8, static_cast<int>(GetDpiForWindow(window)), 96);
        InflateRect(&client, -margin, -margin);
        self->pane_->place(client);
      }
      return 0;
    case WM_SETFOCUS:
      if (self->pane_) SetFocus(self->pane_->handle());
      return 0;
    case WM_CLOSE:
      // Hidden, to come back with the same differences (F7 shows it again).
      ShowWindow(window, SW_HIDE);
      SetActiveWindow(self->owner_);
      return 0;
    case WM_NCDESTROY: self->hwnd_ = nullptr; break;
    default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void DifferencesWindow::showBeside(HWND keepInView) {
  if (!placed_) {
    placed_ = true;
    placeBesideMain(hwnd_, owner_, keepInView);
  }
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

}  // namespace win32
