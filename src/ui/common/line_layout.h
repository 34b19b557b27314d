// How a window lays out one line of the list for drawing: runs of text and,
// for each control character, a small mark with its short name; and, for
// lines of any length, only the part that is in view. The widths come from
// the toolkit through a cache of per-character advances, so a line is laid
// out with additions and no shaping: the window draws its text without
// kerning or ligatures, and the sums match what it draws.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace ui {

// Advance widths of one font, in pixels, measured once per character.
class AdvanceCache {
 public:
  // `measureCharacter` measures one UTF-16 unit (a whole surrogate pair is
  // measured at its first unit, its second unit counts 0); `measureMark`
  // measures the mark drawn for a control character.
  AdvanceCache(std::function<double(std::u16string_view character)> measureCharacter,
               std::function<double(char16_t control)> measureMark);

  // The width the line's unit at `at` takes.
  double advance(std::u16string_view line, std::size_t at) {
    const char16_t unit = line[at];
    const float width = widths_[unit];
    if (width >= 0) return width;  // surrogates are never stored
    return measure(line, at);
  }

 private:
  double measure(std::u16string_view line, std::size_t at);

  std::function<double(std::u16string_view)> measureCharacter_;
  std::function<double(char16_t)> measureMark_;
  std::vector<float> widths_;  // by UTF-16 unit; negative while not measured
};

// One piece of a line, placed: a run of text, or the mark of one control
// character.
struct PlacedPiece {
  std::size_t start;   // in the line, UTF-16 units
  std::size_t length;  // 1 for a mark
  bool mark;
  double x;  // left edge, from the line's start
};

// The pieces of `line` that reach into [left, right), from the line's start,
// in order. A run is cut to the characters in view (plus the one on each
// edge), so that the cost follows the view's width, not the line's length.
std::vector<PlacedPiece> piecesInView(std::u16string_view line, AdvanceCache& advances, double left, double right);

// The width of the whole line.
double lineWidth(std::u16string_view line, AdvanceCache& advances);

// The widest line a list has drawn so far. The list's horizontal range
// follows it, so a line can always be scrolled to its end once it has been
// in view, without measuring every line of a big file.
class WidestLine {
 public:
  // Returns true when `width` is wider than any before.
  bool take(double width) {
    if (width <= widest_) return false;
    widest_ = width;
    return true;
  }
  double width() const { return widest_; }
  void reset() { widest_ = 0; }

 private:
  double widest_ = 0;
};

}  // namespace ui
