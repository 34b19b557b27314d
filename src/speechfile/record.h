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

#include <cstdint>

namespace speechfile {

constexpr int kHeaderSize = 4;
constexpr int kMaxTextLength = 32767;

// Combines two bytes into a signed 16-bit value whose pattern is bHi followed
// by bLo: MAKEWORD(0x34, 0x12) == 0x1234, MAKEWORD(0xFF, 0xFF) == -1. Note
// the order: the low byte comes first. Never fails.
std::int16_t MAKEWORD(std::uint8_t bLo, std::uint8_t bHi);

}  // namespace speechfile
