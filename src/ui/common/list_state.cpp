#include "ui/common/list_state.h"

namespace ui {

void ListState::reset(std::size_t rows) {
  rows_ = rows;
  current_.reset();
  top_ = 0;
  left_ = 0;
  contentWidth_ = 0;
}

void ListState::setView(std::size_t rowsInView, double width) {
  rowsInView_ = std::max<std::size_t>(1, rowsInView);
  viewWidth_ = width;
  top_ = std::min(top_, maxTop());
  left_ = std::min(left_, maxLeft());
}

void ListState::setContentWidth(double width) {
  contentWidth_ = width;
  left_ = std::min(left_, maxLeft());
}

void ListState::press(ListKey key) {
  if (key == ListKey::Left || key == ListKey::Right) {
    scrollHorizontallyTo(left_ + (key == ListKey::Left ? -kColumnStep : kColumnStep));
    return;
  }
  if (rows_ == 0) return;
  if (!current_) {
    select(key == ListKey::End ? rows_ - 1 : 0);
    return;
  }
  const std::size_t row = *current_;
  const std::size_t page = rowsInView_ > 1 ? rowsInView_ - 1 : 1;
  switch (key) {
    case ListKey::Up: select(row > 0 ? row - 1 : 0); break;
    case ListKey::Down: select(std::min(row + 1, rows_ - 1)); break;
    case ListKey::PageUp: select(row > page ? row - page : 0); break;
    case ListKey::PageDown: select(std::min(row + page, rows_ - 1)); break;
    case ListKey::Home: select(0); break;
    case ListKey::End: select(rows_ - 1); break;
    case ListKey::Left:
    case ListKey::Right: break;
  }
}

void ListState::select(std::size_t row) {
  if (rows_ == 0) return;
  current_ = std::min(row, rows_ - 1);
  showCurrent();
}

void ListState::showCurrent() {
  if (*current_ < top_)
    top_ = *current_;
  else if (*current_ >= top_ + rowsInView_)
    top_ = *current_ - rowsInView_ + 1;
}

void ListState::scrollTo(std::size_t top) { top_ = std::min(top, maxTop()); }

void ListState::scrollBy(long long rows) {
  if (rows < 0) {
    const auto up = static_cast<std::size_t>(-rows);
    top_ = top_ > up ? top_ - up : 0;
  } else {
    scrollTo(top_ + static_cast<std::size_t>(rows));
  }
}

void ListState::scrollHorizontallyTo(double left) { left_ = std::clamp(left, 0.0, maxLeft()); }

}  // namespace ui
