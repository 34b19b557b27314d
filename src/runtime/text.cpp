#include "runtime/text.h"

#include <array>
#include <bit>
#include <cstring>

#include "runtime/code_page.h"
#include "runtime/utf8.h"
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

// ---- The conversion back

namespace {

// The length of the run of ASCII at the start of `text`, read eight bytes
// at a time: ASCII is the same in every encoding here.
std::size_t asciiRun(const std::uint8_t* text, std::size_t size) {
  std::size_t at = 0;
  for (; size - at >= 8; at += 8) {
    std::uint64_t word;
    std::memcpy(&word, text + at, 8);
    if (word & 0x8080808080808080ULL) break;
  }
  while (at < size && text[at] < 0x80) ++at;
  return at;
}

}  // namespace

std::optional<Unencodable> encodeText(std::string_view utf8, Encoding encoding, std::vector<std::uint8_t>& out) {
  const auto* const in = reinterpret_cast<const std::uint8_t*>(utf8.data());
  const std::size_t start = out.size();
  // No character takes more bytes in an encoding than in UTF-8.
  out.resize(start + utf8.size());
  std::uint8_t* const first = out.data() + start;
  std::uint8_t* to = first;
  const CodePageEncoder* const encoder = encoding.isUtf8() ? nullptr : &codePageEncoder(encoding);
  std::size_t at = 0;
  const auto refuse = [&](Unencodable problem) {
    out.resize(start);
    return problem;
  };
  const bool copyAscii = !encoder || encoder->asciiAsItIs;
  while (at < utf8.size()) {
    const std::size_t ascii = copyAscii ? asciiRun(in + at, utf8.size() - at) : 0;
    std::memcpy(to, in + at, ascii);
    to += ascii;
    at += ascii;
    if (at == utf8.size()) break;
    const Utf8Character c = decodeUtf8(utf8, at);
    if (!c.valid) return refuse({at, c.value, false});
    if (!encoder) {
      std::memcpy(to, in + at, c.length);
      to += c.length;
    } else {
      const std::uint16_t bytes = c.value < 0x10000 ? encoder->bytesOf[c.value] : CodePageEncoder::kNoBytes;
      if (bytes == CodePageEncoder::kNoBytes || c.value == kReplacementCharacter) return refuse({at, c.value});
      if (bytes > (CodePageEncoder::kSingleByte | 0xFF)) *to++ = static_cast<std::uint8_t>(bytes >> 8);
      *to++ = static_cast<std::uint8_t>(bytes & 0xFF);
    }
    at += c.length;
  }
  out.resize(start + static_cast<std::size_t>(to - first));
  return std::nullopt;
}

std::string noBytesText(char32_t character, Encoding encoding) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string code;
  for (char32_t rest = character; rest != 0 || code.size() < 4; rest >>= 4)
    code.insert(code.begin(), kDigits[rest & 0xF]);
  std::string quoted = "'";
  appendUtf8(quoted, character);
  return quoted + "' (U+" + code + ") has no bytes in " + encoding.name();
}

bool convertsBack(std::span<const std::uint8_t> bytes, Encoding encoding) {
  const std::uint8_t* const in = bytes.data();
  const std::size_t size = bytes.size();
  if (encoding.isUtf8()) {
    const std::string_view text(reinterpret_cast<const char*>(in), size);
    for (std::size_t at = asciiRun(in, size); at < size;) {
      const Utf8Character c = decodeUtf8(text, at);
      if (!c.valid) return false;
      at += c.length;
      at += asciiRun(in + at, size - at);
    }
    return true;
  }
  const CodePageEncoder& encoder = codePageEncoder(encoding);
  if (encoder.everyByteConvertsBack) return true;
  const auto skipAscii = [&](std::size_t at) { return encoder.asciiAsItIs ? asciiRun(in + at, size - at) : 0; };
  for (std::size_t at = skipAscii(0); at < size;) {
    const std::uint8_t byte = in[at];
    const std::int16_t row = encoder.rowOf[byte];
    if (row < 0) {
      if (!encoder.byteConvertsBack[byte]) return false;
      ++at;
    } else {
      // A lead byte without its pair converts to U+FFFD, which has no bytes.
      if (at + 1 == size || !encoder.pairConvertsBack[static_cast<std::size_t>(row)][in[at + 1]]) return false;
      at += 2;
    }
    at += skipAscii(at);
  }
  return true;
}

}  // namespace runtime
