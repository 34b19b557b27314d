// Table-driven conversion of single-byte code pages to UTF-8, shared by the
// Windows-1252 conversion and the Windows ANSI code-page conversion.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

namespace runtime {

// One byte's UTF-8 form packed in a word: up to three bytes in text order
// from the lowest byte up, and their count in the highest byte.
using Utf8Table = std::array<std::uint32_t, 256>;

constexpr std::uint32_t packUtf8(char32_t codePoint) {
  if (codePoint < 0x80) return codePoint | 1u << 24;
  if (codePoint < 0x800) return (0xC0 | (codePoint >> 6)) | (0x80 | (codePoint & 0x3F)) << 8 | 2u << 24;
  return (0xE0 | (codePoint >> 12)) | (0x80 | ((codePoint >> 6) & 0x3F)) << 8 | (0x80 | (codePoint & 0x3F)) << 16 |
         3u << 24;
}

// Writes `bytes` converted through `table` at `out`, which has room for
// three bytes per input byte and one more; returns the end.
inline char* writeThroughTable(char* out, std::span<const std::uint8_t> bytes, const Utf8Table& table) {
  static_assert(std::endian::native == std::endian::little, "the table's words are stored low byte first");
  // Every byte the same way, without a branch: store the word's bytes (one
  // more than the longest form) and move on by their count. Branches on the
  // bytes would be mispredicted on texts that mix ASCII and accented letters.
  for (const std::uint8_t byte : bytes) {
    const std::uint32_t word = table[byte];
    std::memcpy(out, &word, 4);
    out += word >> 24;
  }
  return out;
}

}  // namespace runtime
