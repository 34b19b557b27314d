#include "runtime/text.h"

#include <array>
#include <bit>
#include <cstring>

namespace runtime {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Windows-1252 from 0x80 to 0x9F; the other bytes map to the same code point.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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
  const int digits = pattern == 0 ? 1 : (std::bit_width(pattern) + 3) / 4;
  // All four digits, then the leading zeros shifted out: no loop, and one
  // fixed-size store (the output has room for four).
  const char four[4] = {kHexDigits[pattern >> 12], kHexDigits[(pattern >> 8) & 0xF], kHexDigits[(pattern >> 4) & 0xF],
                        kHexDigits[pattern & 0xF]};
  std::uint32_t word;
  std::memcpy(&word, four, 4);
  word >>= 8 * (4 - digits);  // little-endian: the first digit is the lowest byte
  std::memcpy(out, &word, 4);
  return out + digits;
}

std::string hexText(std::int16_t value) {
  char digits[kMaxHexDigits];
  return std::string(digits, writeHex(digits, value));
}

const Utf8Table& windows1252Table() { return kWindows1252; }

}  // namespace runtime
