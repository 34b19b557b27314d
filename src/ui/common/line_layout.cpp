#include "ui/common/line_layout.h"

#include "listing/shown_text.h"

namespace ui {
namespace {

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

AdvanceCache::AdvanceCache(std::function<double(std::u16string_view)> measureCharacter,
                           std::function<double(char16_t)> measureMark)
    : measureCharacter_(std::move(measureCharacter)), measureMark_(std::move(measureMark)), widths_(0x10000, -1.0f) {}

double AdvanceCache::measure(std::u16string_view line, std::size_t at) {
  const char16_t unit = line[at];
  if (isLowSurrogate(unit)) return at > 0 && isHighSurrogate(line[at - 1]) ? 0 : measureCharacter_(line.substr(at, 1));
  if (isHighSurrogate(unit)) {
    // Rare, and measured each time: the width belongs to the pair.
    return measureCharacter_(line.substr(at, at + 1 < line.size() && isLowSurrogate(line[at + 1]) ? 2 : 1));
  }
  const double width = listing::isControlCharacter(unit) ? measureMark_(unit) : measureCharacter_(line.substr(at, 1));
  widths_[unit] = static_cast<float>(width);
  return width;
}

std::vector<PlacedPiece> piecesInView(std::u16string_view line, AdvanceCache& advances, double left, double right) {
  std::vector<PlacedPiece> pieces;
  double x = 0;
  std::size_t at = 0;
  // Skip what ends before the view.
  for (; at < line.size(); ++at) {
    const double width = advances.advance(line, at);
    if (x + width > left) break;
    x += width;
  }
  // Then pieces until the view ends.
  while (at < line.size() && x < right) {
    if (listing::isControlCharacter(line[at])) {
      pieces.push_back({at, 1, true, x});
      x += advances.advance(line, at);
      ++at;
      continue;
    }
    PlacedPiece run{at, 0, false, x};
    while (at < line.size() && !listing::isControlCharacter(line[at]) && x < right) {
      x += advances.advance(line, at);
      ++at;
    }
    // Keep a surrogate pair whole.
    if (at < line.size() && isLowSurrogate(line[at]) && isHighSurrogate(line[at - 1])) ++at;
    run.length = at - run.start;
    pieces.push_back(run);
  }
  return pieces;
}

double lineWidth(std::u16string_view line, AdvanceCache& advances) {
  double width = 0;
  for (std::size_t at = 0; at < line.size(); ++at) width += advances.advance(line, at);
  return width;
}

}  // namespace ui
