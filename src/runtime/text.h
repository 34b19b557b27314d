// The runtime's string conversions: hexadecimal text of a 16-bit integer and
// the conversion of narrow code-page bytes to Unicode (UTF-8).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "runtime/utf8_table.h"

namespace runtime {

// Writes the 16-bit pattern of `value` in upper-case hexadecimal, without
// leading zeros, prefix or suffix (0 -> "0", 42 -> "2A", -1 -> "FFFF"), at
// `out`, which has room for kMaxHexDigits characters; returns the end.
constexpr std::size_t kMaxHexDigits = 4;
char* writeHex(char* out, std::int16_t value);
std::string hexText(std::int16_t value);

// Writes `bytes`, converted as one block from the system's default narrow
// (ANSI) code page, as UTF-8 at `out`, which has room for
// maxAnsiTextSize(bytes.size()) characters; returns the end. Every byte takes
// part, zero bytes and trailing blanks included. On Windows this is the
// system's ANSI code page; elsewhere it is Windows-1252.
constexpr std::size_t maxAnsiTextSize(std::size_t byteCount) { return 3 * byteCount + 1; }
char* writeAnsiText(char* out, std::span<const std::uint8_t> bytes);

// The system's ANSI code page as a table when it is a single-byte one (on
// Windows, 1252, 1251 and the other single-byte pages; elsewhere
// Windows-1252); nullptr for a double-byte code page, which is converted
// block by block.
const Utf8Table* ansiTable();

// Windows-1252 as a table. Its five undefined bytes (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the code points of the same value, as Windows converts them.
const Utf8Table& windows1252Table();

}  // namespace runtime
