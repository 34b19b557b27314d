// Where the windows a main window opens go on the screen, worked out once
// for both toolkits: in screen pixels, within the screen's work area (the
// screen less its task bars and panels).
#pragma once

#include "ui/common/window_description.h"

namespace ui {

struct PixelPoint {
  int x, y;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelSize {
  int width, height;
};

// A window of `size` centred over `owner`, moved as little as it takes to
// lie within `workArea` (to its top left corner when it is larger).
PixelPoint centredOver(const PixelRect& owner, PixelSize size, const PixelRect& workArea);

// A window of `size` that must leave `keepInView` (the list) in view: beside
// `owner`, `gap` pixels from it, on the right or else on the left; where
// neither side has room, below or above it; and where the work area has
// room nowhere, the place of those four that covers least of `keepInView`.
PixelPoint besideOwner(const PixelRect& owner, const PixelRect& keepInView, PixelSize size, const PixelRect& workArea,
                       int gap);

}  // namespace ui
