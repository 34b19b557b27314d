// The runtime's string conversions: hexadecimal text of a 16-bit integer and
// the conversion of a text's bytes, in an encoding, to Unicode (UTF-8).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/encoding.h"

namespace runtime {

// Writes the 16-bit pattern of `value` in upper-case hexadecimal, without
// leading zeros, prefix or suffix (0 -> "0", 42 -> "2A", -1 -> "FFFF"), at
// `out`, which has room for kMaxHexDigits characters; returns the end.
constexpr std::size_t kMaxHexDigits = 4;
char* writeHex(char* out, std::int16_t value);
std::string hexText(std::int16_t value);

// What becomes of a byte, or a byte sequence, that is no character of the
// encoding: a byte a code page leaves undefined, a lead byte without its
// second byte (cut off by the end of the text, or followed by a byte it makes
// no character with), a byte that is not valid UTF-8.
enum class UndefinedBytes {
  // What Windows gives where Linux can give the same: a code page's
  // undefined byte becomes the code point Windows maps it to (the C1 control
  // of its value, or one in the private use area); a lead byte without its
  // second byte and a byte that is not valid UTF-8 become U+FFFD, as Windows
  // gives something else for them in each version (the code page's default
  // character, sometimes for both bytes). For exact data: csv and json.
  AsWindowsGives,
  // Each byte as its sign, "‹" + two hexadecimal digits + "›" (‹A0›): seen,
  // and never taken for a character. For the list's lines.
  AsSigns,
};

// Writes `bytes`, converted as one block from `encoding`, as UTF-8 at `out`,
// which has room for maxAnsiTextSize(bytes.size()) characters; returns the
// end. Every byte takes part, zero bytes and trailing blanks included, and
// each defined character converts as Windows converts it; a byte that is
// not part of one never takes the bytes after it along.
constexpr std::size_t kByteSignSize = 8;  // "‹", two digits, "›"
constexpr std::size_t maxAnsiTextSize(std::size_t byteCount) { return kByteSignSize * byteCount + 1; }
char* writeAnsiText(char* out, std::span<const std::uint8_t> bytes, Encoding encoding, UndefinedBytes undefined);

// Writes the sign of a byte, "‹A0›", at `out`; returns the end.
char* writeByteSign(char* out, std::uint8_t byte);

// ---- The conversion back: from UTF-8 to an encoding's bytes

// A character an encoding has no bytes for, and where it starts in the UTF-8
// text (a byte offset); or, where the text is not valid UTF-8 there, the
// byte that is not.
struct Unencodable {
  std::size_t at;
  char32_t character;  // the byte's value when not validUtf8
  bool validUtf8 = true;
};

// Appends the bytes of the UTF-8 text in `encoding` to `out`: the exact
// inverse of the conversion, so that every character a code page defines
// goes back to its bytes, the C1 controls and private-use code points that
// stand for its undefined bytes included. Where several byte sequences
// convert to one character (the double-byte code pages have such), it gives
// the one Windows converts the character back to. Returns the first
// character that has no bytes in the encoding, U+FFFD among them in every
// code page, and nothing is appended then.
std::optional<Unencodable> encodeText(std::string_view utf8, Encoding encoding, std::vector<std::uint8_t>& out);

// How a message names a character that has no bytes in an encoding:
// "'ж' (U+0436) has no bytes in Western European (1252)".
std::string noBytesText(char32_t character, Encoding encoding);

// Whether `bytes`, converted exactly (UndefinedBytes::AsWindowsGives) and
// encoded again, give the same bytes. Not so for a lead byte without its
// pair, bytes that are not valid UTF-8, and a pair that converts to a
// character which Windows converts back to other bytes.
bool convertsBack(std::span<const std::uint8_t> bytes, Encoding encoding);

}  // namespace runtime
