// The runtime's string conversions: hexadecimal text of a 16-bit integer and
// the conversion of narrow code-page bytes to Unicode (UTF-8).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace runtime {

// Appends the 16-bit pattern of `value` in upper-case hexadecimal, without
// leading zeros, prefix or suffix: 0 -> "0", 42 -> "2A", -1 -> "FFFF".
void appendHex(std::string& out, std::int16_t value);
std::string hexText(std::int16_t value);

// The same, written at `out`, which has room for kMaxHexDigits characters;
// returns the end of what was written.
constexpr std::size_t kMaxHexDigits = 4;
char* writeHex(char* out, std::int16_t value);

// Appends `bytes`, converted as one block from the system's default narrow
// (ANSI) code page, as UTF-8. Every byte takes part, zero bytes and trailing
// blanks included. On Windows this is the system's ANSI code page; elsewhere
// it is Windows-1252.
void appendAnsiText(std::string& out, std::span<const std::uint8_t> bytes);

// The same, written at `out`, which has room for maxAnsiTextSize(n)
// characters; returns the end of what was written.
constexpr std::size_t maxAnsiTextSize(std::size_t byteCount) { return 3 * byteCount + 1; }
char* writeAnsiText(char* out, std::span<const std::uint8_t> bytes);

// Appends `bytes` converted from Windows-1252 as UTF-8. Its five undefined
// bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the code points of the same
// value, as Windows converts them.
void appendWindows1252Text(std::string& out, std::span<const std::uint8_t> bytes);
char* writeWindows1252Text(char* out, std::span<const std::uint8_t> bytes);

}  // namespace runtime
