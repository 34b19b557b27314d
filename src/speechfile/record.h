// The speech file's layout. The file is a plain sequence of records laid back
// to back, with no header, count, index, padding or terminator:
//
//   offset 0  1 byte   ID, high byte
//   offset 1  1 byte   ID, low byte
//   offset 2  1 byte   text length, high byte
//   offset 3  1 byte   text length, low byte
//   offset 4  length   text: bytes of an encoding (by default the system's
//                      narrow (ANSI) code page), no terminator
//
// Both fields are big-endian and held as signed 16-bit integers, so a high
// byte of 0x80 or more gives a negative value. Valid text lengths are 0 to
// 32767; a record of length 0 is 4 bytes long and has no text.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "runtime/text.h"

namespace speechfile {

constexpr int kHeaderSize = 4;
constexpr int kMaxTextLength = 32767;

// Combines two bytes into a signed 16-bit value whose pattern is bHi followed
// by bLo: MAKEWORD(0x34, 0x12) == 0x1234, MAKEWORD(0xFF, 0xFF) == -1. Note
// the order: the low byte comes first. Never fails.
std::int16_t MAKEWORD(std::uint8_t bLo, std::uint8_t bHi);

// The list line of one entry: "ID: " + hexadecimal ID + " Text: " + the text
// converted from its encoding, as UTF-8, with each byte the encoding does not
// define as its sign ("‹A0›"). The encoding is the system default unless
// given.
constexpr std::string_view kIdLabel = "ID: ";
constexpr std::string_view kTextLabel = " Text: ";
constexpr std::size_t maxListLineSize(std::size_t textBytes) {
  return kIdLabel.size() + runtime::kMaxHexDigits + kTextLabel.size() + runtime::maxAnsiTextSize(textBytes);
}

// Writes the line at `out`, which has room for maxListLineSize(text.size())
// characters; returns the end of what was written.
char* writeListLine(char* out, std::int16_t id, std::span<const std::uint8_t> text,
                    runtime::Encoding encoding = runtime::Encoding::systemDefault());

// The same line with the text written by `writeText(out)`, which returns the
// end of what it wrote: for a text written in another form than the plain
// conversion.
template <typename WriteText>
char* writeListLineWith(char* out, std::int16_t id, WriteText writeText) {
  out = std::copy(kIdLabel.begin(), kIdLabel.end(), out);
  out = runtime::writeHex(out, id);
  out = std::copy(kTextLabel.begin(), kTextLabel.end(), out);
  return writeText(out);
}

// The same line, written at the start of `scratch` and returned as a view
// into it. `scratch` grows as needed and never shrinks, so a caller that
// reuses one string for every entry allocates only for a longer line.
std::string_view formatListLine(std::string& scratch, std::int16_t id, std::span<const std::uint8_t> text,
                                runtime::Encoding encoding = runtime::Encoding::systemDefault());

}  // namespace speechfile
