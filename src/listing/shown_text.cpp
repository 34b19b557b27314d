#include "listing/shown_text.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "runtime/code_page.h"
#include "runtime/text.h"
#include "runtime/utf8.h"
#include "runtime/utf8_table.h"

namespace listing {
namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Nonzero when a byte of `word` is zero.
constexpr std::uint64_t zeroByte(std::uint64_t word) { return (word - kOnes) & ~word & kHighBits; }
// Nonzero when a byte of `word` is below `n` (n at most 128).
constexpr std::uint64_t byteBelow(std::uint64_t word, std::uint8_t n) { return (word - kOnes * n) & ~word & kHighBits; }

// Bytes the shown form may change: below 0x20, 0x7F, and every byte from
// 0x80 on (the start of U+0080 to U+009F, or not valid UTF-8; checked one
// by one).
bool mayChange(std::uint64_t word) {
  return (byteBelow(word, 0x20) | zeroByte(word ^ (kOnes * 0x7F)) | (word & kHighBits)) != 0;
}

constexpr std::array<const char*, 32> kC0Names = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",  "VT",  "FF", "CR", "SO", "SI",
    "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS", "GS", "RS", "US"};

constexpr char kHexDigits[] = "0123456789ABCDEF";

char* writeUtf8(char* out, char32_t c) {
  // Only the three-byte forms of U+2039, U+203A and U+2400..U+2421 are written here.
  *out++ = static_cast<char>(0xE0 | (c >> 12));
  *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  *out++ = static_cast<char>(0x80 | (c & 0x3F));
  return out;
}

// U+0080 to U+009F, or a byte, as its sign: "‹81›".
char* writeSign(char* out, std::uint32_t code) { return runtime::writeByteSign(out, static_cast<std::uint8_t>(code)); }

// The code point a table word writes.
char32_t codePointOf(std::uint32_t word) {
  const auto b = [&](int i) { return static_cast<char32_t>((word >> (8 * i)) & 0xFF); };
  switch (word >> 24) {
    case 1: return b(0);
    case 2: return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    default: return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
  }
}

// A code page's tables for the shown form: each control character's entry
// changed to its shown form; U+0080 to U+009F, whose form is longer than a
// table word holds, get a count of 0 and their code point, for writeSign,
// as the bytes the code page leaves undefined have already.
struct ShownTables {
  runtime::Utf8Table single;
  const runtime::PairRows* pairs;  // for a double-byte code page
};

ShownTables makeShownTables(runtime::Encoding encoding) {
  const runtime::CodePageTables& page = runtime::codePageTables(encoding);
  ShownTables tables{page.marked, page.doubleByte ? &page.pairs : nullptr};
  for (std::uint32_t& word : tables.single) {
    if ((word >> 24) == 0) continue;  // a lead byte, or an undefined byte
    const char32_t c = codePointOf(word);
    if (c < 0x20)
      word = runtime::packUtf8(0x2400 + c);
    else if (c == 0x7F)
      word = runtime::packUtf8(0x2421);
    else if (isControlCharacter(c))
      word = c;
  }
  return tables;
}

const ShownTables& shownTables(runtime::Encoding encoding) {
  static const runtime::PerEncoding<ShownTables> tables(&makeShownTables);
  return tables[encoding];
}

}  // namespace

bool changesWhenShown(std::string_view utf8) {
  std::size_t i = 0;
  for (; i + 8 <= utf8.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, utf8.data() + i, 8);
    if (mayChange(word)) break;
  }
  while (i < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x20 || b == 0x7F) return true;
    if (b < 0x80) {
      ++i;
      continue;
    }
    const runtime::Utf8Character c = runtime::decodeUtf8(utf8, i);
    if (!c.valid || isControlCharacter(c.value)) return true;
    i += c.length;
  }
  return false;
}

char* writeShownText(char* out, std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    // Printable ASCII eight bytes at a time.
    if (utf8.size() - i >= 8) {
      std::uint64_t word;
      std::memcpy(&word, utf8.data() + i, 8);
      if (!mayChange(word)) {
        std::memcpy(out, &word, 8);
        out += 8;
        i += 8;
        continue;
      }
    }
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x20) {
      out = writeUtf8(out, 0x2400 + b);
    } else if (b == 0x7F) {
      out = writeUtf8(out, 0x2421);
    } else if (b < 0x80) {
      *out++ = static_cast<char>(b);
    } else {
      const runtime::Utf8Character c = runtime::decodeUtf8(utf8, i);
      if (!c.valid || isControlCharacter(c.value)) {
        out = writeSign(out, c.value);  // the byte, or U+0080 to U+009F
      } else {
        std::memcpy(out, utf8.data() + i, c.length);
        out += c.length;
      }
      i += c.length;
      continue;
    }
    ++i;
  }
  return out;
}

std::string shownText(std::string_view utf8) {
  if (!changesWhenShown(utf8)) return std::string(utf8);
  std::string shown(maxShownSize(utf8.size()), '\0');
  shown.resize(static_cast<std::size_t>(writeShownText(shown.data(), utf8) - shown.data()));
  return shown;
}

namespace {

// UTF-8's bytes below 0x80 in their shown form.
constexpr runtime::Utf8Table makeShownAsciiTable() {
  runtime::Utf8Table table{};
  for (char32_t c = 0; c < 0x80; ++c) table[c] = runtime::packUtf8(c < 0x20 ? 0x2400 + c : c == 0x7F ? 0x2421 : c);
  return table;
}

constexpr runtime::Utf8Table kShownAsciiTable = makeShownAsciiTable();

}  // namespace

char* writeShownAnsiText(char* out, std::span<const std::uint8_t> bytes, runtime::Encoding encoding) {
  if (encoding.isUtf8()) return runtime::writeUtf8Text(out, bytes, kShownAsciiTable, true, writeSign);
  const ShownTables& tables = shownTables(encoding);
  return runtime::writeThroughTable(out, bytes, tables.single, writeSign, tables.pairs);
}

char* writeShownAnsiTextPadded(char* out, std::span<const std::uint8_t> bytes, runtime::Encoding encoding) {
  if (encoding.isUtf8()) return runtime::writeUtf8TextPadded(out, bytes, kShownAsciiTable, true, writeSign);
  const ShownTables& tables = shownTables(encoding);
  return runtime::writeThroughTablePadded(out, bytes, tables.single, writeSign, tables.pairs);
}

void prepareConversions(runtime::Encoding encoding) {
  if (!encoding.isUtf8()) shownTables(encoding);
}

std::u16string toUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const runtime::Utf8Character c = runtime::decodeUtf8(utf8, i);
    i += c.length;
    const char32_t value = c.valid ? c.value : runtime::kReplacementCharacter;
    if (value >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(value));
    }
  }
  return out;
}

std::string controlName(char32_t c) {
  if (c < 0x20) return kC0Names[c];
  if (c == 0x7F) return "DEL";
  return {kHexDigits[(c >> 4) & 0xF], kHexDigits[c & 0xF]};
}

}  // namespace listing
