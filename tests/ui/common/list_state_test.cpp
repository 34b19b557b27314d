#include "ui/common/list_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ui::ListKey;

TEST(ListState, KeysMoveTheCurrentRowAndKeepItInView) {
  // 100 rows, 10 in view. Each step: a key, then the current and top rows.
  const struct {
    ListKey key;
    std::size_t current, top;
  } steps[] = {
      {ListKey::Down, 0, 0},  // the first key makes the first row current
      {ListKey::Up, 0, 0},       {ListKey::Down, 1, 0},   {ListKey::PageDown, 10, 1}, {ListKey::PageDown, 19, 10},
      {ListKey::PageUp, 10, 10}, {ListKey::End, 99, 90},  {ListKey::Down, 99, 90},    {ListKey::PageDown, 99, 90},
      {ListKey::Home, 0, 0},     {ListKey::PageUp, 0, 0},
  };
  ui::ListState list;
  list.reset(100);
  list.setView(10, 200);
  for (const auto& s : steps) {
    list.press(s.key);
    ASSERT_EQ(list.current(), s.current) << static_cast<int>(s.key);
    EXPECT_EQ(list.top(), s.top) << static_cast<int>(s.key);
  }
}

TEST(ListState, ScrollsWithinItsRowsAndItsWidestLine) {
  ui::ListState list;
  list.reset(0);
  list.press(ListKey::Down);
  EXPECT_FALSE(list.current());  // nothing to select in an empty list
  list.reset(25);
  list.setView(10, 200);
  list.scrollBy(100);
  EXPECT_EQ(list.top(), 15u);
  list.scrollBy(-20);
  EXPECT_EQ(list.top(), 0u);
  list.select(24);
  EXPECT_EQ(list.top(), 15u);
  list.setContentWidth(500);
  list.press(ListKey::Right);
  EXPECT_EQ(list.left(), ui::ListState::kColumnStep);
  list.scrollHorizontallyTo(1e9);
  EXPECT_EQ(list.left(), 300);
  list.setView(10, 450);  // a wider view needs less scrolling
  EXPECT_EQ(list.left(), 50);
  list.press(ListKey::Left);
  list.press(ListKey::Left);
  list.press(ListKey::Left);
  EXPECT_EQ(list.left(), 0);
  list.reset(10'000'000);
  list.press(ListKey::End);
  EXPECT_EQ(list.top(), 10'000'000u - 10);
}

}  // namespace
