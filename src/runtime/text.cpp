#include "runtime/text.h"

#include <array>
#include <cstring>

#include "runtime/platform.h"

namespace runtime {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// One byte's UTF-8 form: up to three bytes and their count.
struct Utf8Char {
  std::array<char, 3> bytes{};
  std::uint8_t length = 0;
};

constexpr Utf8Char encodeUtf8(char16_t codePoint) {
  Utf8Char c;
  if (codePoint < 0x80) {
    c.bytes = {static_cast<char>(codePoint), 0, 0};
    c.length = 1;
  } else if (codePoint < 0x800) {
    c.bytes = {static_cast<char>(0xC0 | (codePoint >> 6)), static_cast<char>(0x80 | (codePoint & 0x3F)), 0};
    c.length = 2;
  } else {
    c.bytes = {static_cast<char>(0xE0 | (codePoint >> 12)), static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)),
               static_cast<char>(0x80 | (codePoint & 0x3F))};
    c.length = 3;
  }
  return c;
}

// Windows-1252 from 0x80 to 0x9F; the other bytes map to the same code point.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<Utf8Char, 256> makeWindows1252Table() {
  std::array<Utf8Char, 256> table{};
  for (int byte = 0; byte < 256; ++byte) {
    const char16_t codePoint = (byte >= 0x80 && byte <= 0x9F) ? kWindows1252High[byte - 0x80]
                                                              : static_cast<char16_t>(byte);
    table[byte] = encodeUtf8(codePoint);
  }
  return table;
}

constexpr std::array<Utf8Char, 256> kWindows1252 = makeWindows1252Table();

}  // namespace

void appendHex(std::string& out, std::int16_t value) {
  const auto pattern = static_cast<std::uint16_t>(value);
  char digits[4];
  int count = 0;
  for (int shift = 12; shift >= 0; shift -= 4) {
    const unsigned digit = (pattern >> shift) & 0xF;
    if (count > 0 || digit != 0 || shift == 0) digits[count++] = kHexDigits[digit];
  }
  out.append(digits, count);
}

std::string hexText(std::int16_t value) {
  std::string text;
  appendHex(text, value);
  return text;
}

void appendWindows1252Text(std::string& out, std::span<const std::uint8_t> bytes) {
  // At most three UTF-8 bytes per input byte; write in place, then trim.
  const std::size_t start = out.size();
  out.resize(start + 3 * bytes.size());
  char* p = out.data() + start;
  for (const std::uint8_t byte : bytes) {
    if (byte < 0x80) {
      *p++ = static_cast<char>(byte);
    } else {
      const Utf8Char& c = kWindows1252[byte];
      std::memcpy(p, c.bytes.data(), 3);  // all three are written, `length` count
      p += c.length;
    }
  }
  out.resize(static_cast<std::size_t>(p - out.data()));
}

void appendAnsiText(std::string& out, std::span<const std::uint8_t> bytes) {
#ifdef _WIN32
  appendSystemAnsiText(out, bytes);
#else
  appendWindows1252Text(out, bytes);
#endif
}

}  // namespace runtime
