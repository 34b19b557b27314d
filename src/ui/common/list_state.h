// What a list of lines knows and does whatever draws it: how many rows it
// has, which row is current, which rows and which part of the lines are in
// view, and how keys, clicks and the wheel move them. Both windows' lists
// draw from it and hand it their input, so they behave alike.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>

namespace ui {

enum class ListKey { Up, Down, PageUp, PageDown, Home, End, Left, Right };

class ListState {
 public:
  // A new list of `rows` rows: none current, the first in view, scrolled to
  // the left.
  void reset(std::size_t rows);

  // The view's size: how many rows it shows whole, and its width in pixels.
  void setView(std::size_t rowsInView, double width);
  // The widest line's width in pixels; the view scrolls horizontally up to it.
  void setContentWidth(double width);

  std::size_t rowCount() const { return rows_; }
  std::optional<std::size_t> current() const { return current_; }
  std::size_t top() const { return top_; }
  std::size_t rowsInView() const { return rowsInView_; }
  // The highest top row: the last page shows the last row at the bottom.
  std::size_t maxTop() const { return rows_ > rowsInView_ ? rows_ - rowsInView_ : 0; }
  double left() const { return left_; }
  double maxLeft() const { return std::max(0.0, contentWidth_ - viewWidth_); }
  // The horizontal step of Left and Right.
  static constexpr double kColumnStep = 20;

  // A key moves the current row as list boxes do (the first key with no
  // current row makes the first row current) and scrolls it into view;
  // Left and Right scroll the lines sideways.
  void press(ListKey key);
  // Makes `row` current and scrolls it into view.
  void select(std::size_t row);
  // Scrolls without moving the current row.
  void scrollTo(std::size_t top);
  void scrollBy(long long rows);
  void scrollHorizontallyTo(double left);

 private:
  void showCurrent();

  std::size_t rows_ = 0;
  std::optional<std::size_t> current_;
  std::size_t top_ = 0;
  std::size_t rowsInView_ = 1;
  double left_ = 0;
  double viewWidth_ = 0;
  double contentWidth_ = 0;
};

}  // namespace ui
