#include "ui/common/window_placement.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>

namespace ui {
namespace {

int right(const PixelRect& r) { return r.left + r.width; }
int bottom(const PixelRect& r) { return r.top + r.height; }

// `start` moved as little as it takes for `length` from it to lie within
// `from` and `from + room`; to `from` when it is longer than the room.
int within(int start, int length, int from, int room) { return std::max(from, std::min(start, from + room - length)); }

PixelPoint withinWorkArea(PixelPoint at, PixelSize size, const PixelRect& workArea) {
  return {within(at.x, size.width, workArea.left, workArea.width),
          within(at.y, size.height, workArea.top, workArea.height)};
}

std::int64_t overlap(PixelPoint at, PixelSize size, const PixelRect& r) {
  const std::int64_t width = std::min(at.x + size.width, right(r)) - std::max(at.x, r.left);
  const std::int64_t height = std::min(at.y + size.height, bottom(r)) - std::max(at.y, r.top);
  return width > 0 && height > 0 ? width * height : 0;
}

}  // namespace

PixelPoint centredOver(const PixelRect& owner, PixelSize size, const PixelRect& workArea) {
  return withinWorkArea({owner.left + (owner.width - size.width) / 2, owner.top + (owner.height - size.height) / 2},
                        size, workArea);
}

PixelPoint besideOwner(const PixelRect& owner, const PixelRect& keepInView, PixelSize size, const PixelRect& workArea,
                       int gap) {
  // In the order they are preferred: the sides keep the owner's top, the
  // places above and below its left edge.
  const std::array<PixelPoint, 4> places = {{
      {right(owner) + gap, owner.top},
      {owner.left - gap - size.width, owner.top},
      {owner.left, bottom(owner) + gap},
      {owner.left, owner.top - gap - size.height},
  }};
  PixelPoint best{};
  std::tuple<std::int64_t, std::int64_t> leastCovered{INT64_MAX, INT64_MAX};
  for (const PixelPoint place : places) {
    // A place with no room is moved onto the work area, where it may cover
    // the owner; of those, the one that hides least of the list, then of
    // the owner.
    const PixelPoint at = withinWorkArea(place, size, workArea);
    const std::tuple covered{overlap(at, size, keepInView), overlap(at, size, owner)};
    if (covered < leastCovered) {
      leastCovered = covered;
      best = at;
    }
  }
  return best;
}

}  // namespace ui
