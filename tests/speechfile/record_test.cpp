#include "speechfile/record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/test_files.h"

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

TEST(ListLine, IsIdInHexThenTheConvertedText) {
  const std::vector<std::uint8_t> hail = {'h', 'a', 'i', 'l'};
  const std::vector<std::uint8_t> accented = {'c', 'a', 'f', 0xE9, ' '};
  const std::vector<std::uint8_t> withZero = {'a', 0, 'b'};
  EXPECT_EQ(testing_support::listLine(0x2A, hail), "ID: 2A Text: hail");
  EXPECT_EQ(testing_support::listLine(-32767, std::vector<std::uint8_t>{'o', 'k'}), "ID: 8001 Text: ok");
  EXPECT_EQ(testing_support::listLine(0, std::vector<std::uint8_t>{'a'}), "ID: 0 Text: a");
#ifndef _WIN32
  EXPECT_EQ(testing_support::listLine(-1, accented), "ID: FFFF Text: caf\xC3\xA9 ");
#endif
  EXPECT_EQ(testing_support::listLine(1, withZero), std::string("ID: 1 Text: a\0b", 15));

  std::string scratch = "a much longer line left over from an earlier record";
  EXPECT_EQ(speechfile::formatListLine(scratch, 0x10, hail), "ID: 10 Text: hail");
  EXPECT_EQ(speechfile::formatListLine(scratch, 0x7FFF, std::vector<std::uint8_t>(100, 'x')),
            "ID: 7FFF Text: " + std::string(100, 'x'));
}

}  // namespace
