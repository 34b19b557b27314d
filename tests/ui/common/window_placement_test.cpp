// Where the find window and the progress window go, for every screen a
// main window can be on.
#include "ui/common/window_placement.h"

#include <gtest/gtest.h>

namespace {

using ui::PixelPoint;
using ui::PixelRect;

// The main window at `left`, `top`, with its list where the window
// description puts it under a title bar.
struct Owner {
  PixelRect frame, list;
};
Owner ownerAt(int left, int top) { return {{left, top, 319, 426}, {left + 8, top + 28, 297, 303}}; }

TEST(WindowPlacement, TheFindWindowLeavesTheListInViewAndTheProgressWindowIsCentred) {
  const ui::PixelSize find{350, 150};
  const struct {
    const char* screen;
    PixelRect workArea;
    Owner owner;
    PixelPoint at;
  } finds[] = {
      {"room on the right", {0, 0, 1280, 1000}, ownerAt(100, 100), {427, 100}},
      {"room on the left only", {0, 0, 1280, 1000}, ownerAt(900, 100), {542, 100}},
      {"room below only", {0, 0, 800, 900}, ownerAt(240, 100), {240, 534}},
      {"room above only", {0, 0, 800, 600}, ownerAt(240, 170), {240, 12}},
      {"a work area that starts below a panel", {0, 40, 800, 560}, ownerAt(240, 210), {240, 52}},
      // No room anywhere: below, moved up onto the screen, hides the
      // list's last rows and nothing else.
      {"room nowhere", {0, 0, 640, 480}, ownerAt(160, 27), {160, 330}},
  };
  for (const auto& f : finds) {
    SCOPED_TRACE(f.screen);
    EXPECT_EQ(ui::besideOwner(f.owner.frame, f.owner.list, find, f.workArea, 8), f.at);
  }

  const ui::PixelSize progress{336, 129};
  const struct {
    const char* screen;
    PixelRect workArea, owner;
    ui::PixelSize size;
    PixelPoint at;
  } centred[] = {
      {"over the window", {0, 0, 1280, 1000}, {100, 100, 319, 426}, progress, {92, 248}},
      {"a window at the screen's edge", {0, 0, 1280, 1000}, {0, 0, 319, 426}, progress, {0, 148}},
      {"a window partly off the screen", {0, 0, 1280, 1000}, {1100, 800, 319, 426}, progress, {944, 871}},
      {"larger than the work area", {10, 20, 300, 100}, {0, 0, 319, 426}, {400, 200}, {10, 20}},
  };
  for (const auto& c : centred) {
    SCOPED_TRACE(c.screen);
    EXPECT_EQ(ui::centredOver(c.owner, c.size, c.workArea), c.at);
  }
}

}  // namespace
