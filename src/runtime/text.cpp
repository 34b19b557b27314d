#include "runtime/text.h"

#include <array>
#include <bit>
#include <cstring>

#include "runtime/code_page.h"
#include "runtime/utf8_table.h"

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

char* writeReplacementCharacter(char* out) {
  std::memcpy(out, "\xEF\xBF\xBD", 3);
  return out + 3;
}

// ASCII as it is (the bytes from 0x80 on are never looked up here).
constexpr Utf8Table makeAsciiTable() {
  Utf8Table table{};
  for (char32_t byte = 0; byte < 0x80; ++byte) table[byte] = packUtf8(byte);
  return table;
}

constexpr Utf8Table kAsciiTable = makeAsciiTable();

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

char* writeByteSign(char* out, std::uint8_t byte) {
  std::memcpy(out, "\xE2\x80\xB9", 3);  // ‹
  std::memcpy(out + 3, &kHexPairs[byte], 2);
  std::memcpy(out + 5, "\xE2\x80\xBA", 3);  // ›
  return out + kByteSignSize;
}

char* writeAnsiText(char* out, std::span<const std::uint8_t> bytes, Encoding encoding, UndefinedBytes undefined) {
  const bool signs = undefined == UndefinedBytes::AsSigns;
  const auto writeUndefined = [signs](char* at, std::uint32_t byte) {
    return signs ? writeByteSign(at, static_cast<std::uint8_t>(byte)) : writeReplacementCharacter(at);
  };
  if (encoding.isUtf8()) return writeUtf8Text(out, bytes, kAsciiTable, false, writeUndefined);
  const CodePageTables& tables = codePageTables(encoding);
  const Utf8Table& table = signs ? tables.marked : tables.exact;
  return writeThroughTable(out, bytes, table, writeUndefined, tables.doubleByte ? &tables.pairs : nullptr);
}

}  // namespace runtime
