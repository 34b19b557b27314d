#include "runtime/text.h"

#include <array>
#include <bit>
#include <cstring>

namespace runtime {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The two hexadecimal digits of every byte, the first in the low byte.
constexpr std::array<std::uint16_t, 256> makeHexPairs() {
  std::array<std::uint16_t, 256> pairs{};
  for (int byte = 0; byte < 256; ++byte) {
    pairs[byte] = static_cast<std::uint16_t>(kHexDigits[byte >> 4] | kHexDigits[byte & 0xF] << 8);
  }
  return pairs;
}

constexpr std::array<std::uint16_t, 256> kHexPairs = makeHexPairs();

// Windows-1252 from 0x80 to 0x9F; the other bytes map to the same code point.
constexpr std::array<char16_t, 32> kWindows1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr Utf8Table makeWindows1252Table() {
  Utf8Table table{};
  for (int byte = 0; byte < 256; ++byte) {
    table[byte] = packUtf8(byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte);
  }
  return table;
}

constexpr Utf8Table kWindows1252 = makeWindows1252Table();

}  // namespace

char* writeHex(char* out, std::int16_t value) {
  const auto pattern = static_cast<std::uint16_t>(value);
  // All four digits from two table words, then the leading zeros shifted
  // out: no loop, and one fixed-size store (the output has room for four).
  const std::uint32_t four = kHexPairs[pattern >> 8] | std::uint32_t{kHexPairs[pattern & 0xFF]} << 16;
  const int digits = (std::bit_width(static_cast<unsigned>(pattern | 1)) + 3) / 4;
  const std::uint32_t word = four >> (8 * (4 - digits));  // little-endian: the first digit is the lowest byte
  std::memcpy(out, &word, 4);
  return out + digits;
}

std::string hexText(std::int16_t value) {
  char digits[kMaxHexDigits];
  return std::string(digits, writeHex(digits, value));
}

const Utf8Table& windows1252Table() { return kWindows1252; }

}  // namespace runtime
