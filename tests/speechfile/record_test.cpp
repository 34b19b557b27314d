#include "speechfile/record.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using speechfile::MAKEWORD;

TEST(MAKEWORD, PutsTheHighByteFirstInTheSigned16BitPattern) {
  const struct {
    std::uint8_t bLo, bHi;
    std::int16_t result;
  } cases[] = {
      {0x00, 0x00, 0},      {0x34, 0x12, 4660}, {0xFF, 0x7F, 32767}, {0x00, 0x80, -32768},
      {0x01, 0x80, -32767}, {0xFF, 0xFF, -1},   {0x2A, 0x00, 42},    {0x00, 0x01, 256},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MAKEWORD(c.bLo, c.bHi), c.result) << int{c.bLo} << "," << int{c.bHi};
  }
}

TEST(MAKEWORD, PatternIsHighThenLowForEveryPair) {
  for (int hi = 0; hi < 256; ++hi) {
    for (int lo = 0; lo < 256; ++lo) {
      const auto pattern =
          static_cast<std::uint16_t>(MAKEWORD(static_cast<std::uint8_t>(lo), static_cast<std::uint8_t>(hi)));
      ASSERT_EQ(pattern, hi * 256 + lo);
    }
  }
}

}  // namespace
