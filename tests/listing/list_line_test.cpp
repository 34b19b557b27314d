#include "listing/list_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace {

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
  EXPECT_EQ(listing::formatListLine(scratch, 0x10, hail), "ID: 10 Text: hail");
  EXPECT_EQ(listing::formatListLine(scratch, 0x7FFF, std::vector<std::uint8_t>(100, 'x')),
            "ID: 7FFF Text: " + std::string(100, 'x'));
}

}  // namespace
