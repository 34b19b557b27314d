// Reading UTF-8 one character at a time, the one way every part of the
// program does it: a byte that does not start a whole, valid character (cut
// off by the end of the text, a stray continuation byte, an overlong form, a
// surrogate, past U+10FFFF) is read alone, as invalid, so that it never
// swallows the bytes after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

constexpr char32_t kReplacementCharacter = 0xFFFD;

struct Utf8Character {
  char32_t value;      // the character, or the byte's value when invalid
  std::size_t length;  // bytes read: 1 to 4, and 1 when invalid
  bool valid;
};

// The character that starts at `at`, which is within the text.
inline Utf8Character decodeUtf8(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned lead = byte(0);
  if (lead < 0x80) return {lead, 1, true};
  const Utf8Character invalid{lead, 1, false};
  std::size_t length = 0;
  char32_t value = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, least = 0x10000;
  } else {
    return invalid;
  }
  if (text.size() - at < length) return invalid;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return invalid;
    value = value << 6 | (byte(i) & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return invalid;
  return {value, length, true};
}

// Appends the UTF-8 form of a character (U+0000 to U+10FFFF, no surrogate).
inline void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace runtime
