#include "ui/common/line_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every character 10 pixels wide, "W" 20, a control mark 30.
ui::AdvanceCache fixedAdvances(int* measured = nullptr) {
  return ui::AdvanceCache(
      [measured](std::u16string_view c) {
        if (measured) ++*measured;
        return c[0] == u'W' ? 20.0 : 10.0;
      },
      [](char16_t) { return 30.0; });
}

TEST(LineLayout, PlacesRunsAndMarksWithinTheView) {
  auto advances = fixedAdvances();
  const std::u16string line = u"ab\u001BcdW";
  EXPECT_EQ(ui::lineWidth(line, advances), 10 + 10 + 30 + 10 + 10 + 20);
  const auto all = ui::piecesInView(line, advances, 0, 1000);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_FALSE(all[0].mark);
  EXPECT_EQ(all[0].length, 2u);
  EXPECT_TRUE(all[1].mark);
  EXPECT_EQ(all[1].x, 20);
  EXPECT_EQ(all[2].start, 3u);
  EXPECT_EQ(all[2].x, 50);

  // A view from x = 55 to 75 starts inside "c" and ends inside "d".
  const auto part = ui::piecesInView(line, advances, 55, 75);
  ASSERT_EQ(part.size(), 1u);
  EXPECT_EQ(part[0].start, 3u);
  EXPECT_EQ(part[0].length, 3u);  // c, d and the W on the edge
  EXPECT_TRUE(ui::piecesInView(line, advances, 200, 300).empty());
}

TEST(LineLayout, ALongLineCostsTheViewNotItsLength) {
  int measured = 0;
  auto advances = fixedAdvances(&measured);
  const std::u16string line(32767, u'm');
  const auto part = ui::piecesInView(line, advances, 100000, 100300);
  ASSERT_EQ(part.size(), 1u);
  EXPECT_EQ(part[0].start, 10000u);
  EXPECT_LE(part[0].length, 31u);
  EXPECT_EQ(measured, 1);  // each character is measured once
}

TEST(LineLayout, TheWidestLineOnlyGrows) {
  ui::WidestLine widest;
  EXPECT_TRUE(widest.take(100));
  EXPECT_FALSE(widest.take(50));
  EXPECT_TRUE(widest.take(150));
  EXPECT_EQ(widest.width(), 150);
}

}  // namespace
