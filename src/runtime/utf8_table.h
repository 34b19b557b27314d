// Table-driven conversion of code pages to UTF-8, single-byte and
// double-byte, shared by the code-page conversion and the shown form of
// converted text.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <algorithm>
#include <cstddef>
#include <string_view>

#include "runtime/utf8.h"

namespace runtime {

// One byte's UTF-8 form packed in a word: up to three bytes in text order
// from the lowest byte up, and their count in the highest byte. A count of 0
// marks an entry that the conversion writes in another way: a lead byte of a
// double-byte code page (kLeadByteEntry, with the byte in the lowest byte), or
// an entry that the table's user writes itself (see writeThroughTable).
using Utf8Table = std::array<std::uint32_t, 256>;

constexpr std::uint32_t kLeadByteEntry = 1u << 16;

// The characters of a double-byte code page's byte pairs: for each lead byte
// a row of 256 words, the packed UTF-8 form of the lead byte followed by each
// byte, 0 where that pair is no character; no row for other bytes.
using PairRows = std::array<const std::uint32_t*, 256>;

constexpr std::uint32_t packUtf8(char32_t codePoint) {
  if (codePoint < 0x80) return codePoint | 1u << 24;
  if (codePoint < 0x800) return (0xC0 | (codePoint >> 6)) | (0x80 | (codePoint & 0x3F)) << 8 | 2u << 24;
  return (0xE0 | (codePoint >> 12)) | (0x80 | ((codePoint >> 6) & 0x3F)) << 8 | (0x80 | (codePoint & 0x3F)) << 16 |
         3u << 24;
}

// The high bit of each byte of `word` that is not printable ASCII (0x20 to
// 0x7E), which every table here maps to itself. The lowest bit set is exact;
// those above it may be set for a byte that is printable.
constexpr std::uint64_t notPrintableAscii(std::uint64_t word) {
  constexpr std::uint64_t ones = 0x0101010101010101ULL, highBits = 0x8080808080808080ULL;
  const std::uint64_t below = (word - ones * 0x20) & ~word;  // a byte under 0x20
  const std::uint64_t del = word ^ (ones * 0x7F);
  const std::uint64_t isDel = (del - ones) & ~del;  // a byte equal to 0x7F
  return (word | below | isDel) & highBits;
}

struct NoSpecialEntries {
  char* operator()(char* out, std::uint32_t) const { return out; }
};

namespace detail {

// The bytes of a 16-byte block that are not printable ASCII, one bit each
// (bit i for byte i), for the `count` bytes the block holds (1 to 16).
#if defined(__SSE2__)
inline unsigned notPrintableInBlock(const std::uint8_t* in, unsigned count) {
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
  // As signed bytes, printable ASCII is above 0x1F and below 0x7F; 0x80 and
  // up are negative.
  const __m128i printable =
      _mm_and_si128(_mm_cmpgt_epi8(block, _mm_set1_epi8(0x1F)), _mm_cmplt_epi8(block, _mm_set1_epi8(0x7F)));
  const unsigned all = ~static_cast<unsigned>(_mm_movemask_epi8(printable)) & 0xFFFF;
  return count >= 16 ? all : all & ((1u << count) - 1);
}
#else
inline unsigned notPrintableInBlock(const std::uint8_t* in, unsigned count) {
  unsigned bits = 0;
  for (unsigned i = 0; i < std::min(count, 16u); ++i) {
    if (in[i] < 0x20 || in[i] > 0x7E) bits |= 1u << i;
  }
  return bits;
}
#endif

template <bool kPaddedInput, typename Special>
char* writeThroughTable(char* out, std::span<const std::uint8_t> bytes, const Utf8Table& table, const PairRows* pairs,
                        Special special) {
  static_assert(std::endian::native == std::endian::little, "the table's words are stored low byte first");
  const std::uint8_t* in = bytes.data();
  const std::uint8_t* const end = in + bytes.size();
  const auto convertNext = [&] {
    // Every byte the same way, without a data-dependent branch: store the
    // word's bytes (one more than the longest form) and move on by their
    // count. Branches on the bytes would be mispredicted on texts that mix
    // ASCII and accented letters.
    const std::uint8_t byte = *in++;
    const std::uint32_t word = table[byte];
    if constexpr (!std::is_same_v<Special, NoSpecialEntries>) {
      if ((word >> 24) == 0) {
        if (pairs && (word & kLeadByteEntry)) {
          // A lead byte and the byte after it make one character, if they
          // are one; otherwise the lead byte stands alone and the next byte
          // is read on its own, so that it is never swallowed. A lead byte
          // at the end of the text is cut off from its pair.
          const std::uint32_t pair = in != end ? (*pairs)[byte][*in] : 0;
          if (pair != 0) {
            std::memcpy(out, &pair, 4);
            out += pair >> 24;
            ++in;
            return;
          }
          out = special(out, byte);
          return;
        }
        out = special(out, word);
        return;
      }
    }
    std::memcpy(out, &word, 4);
    out += word >> 24;
  };
  // Printable ASCII sixteen bytes at a time, as most texts are mostly that:
  // the block is copied as it is up to its first other byte, which goes
  // through the table. Input that may be read past its end goes this way to
  // its last byte. (No double-byte code page here uses a byte below 0x80 as
  // a lead byte, so a block of ASCII is always characters of its own.)
  while (kPaddedInput ? in < end : end - in >= 16) {
    const auto count = static_cast<unsigned>(std::min<std::ptrdiff_t>(end - in, 16));
    std::memcpy(out, in, 16);
    const unsigned other = notPrintableInBlock(in, count);
    if (other == 0) {
      in += count;
      out += count;
      continue;
    }
    const int printable = std::countr_zero(other);
    in += printable;
    out += printable;
    convertNext();
  }
  while (in != end) convertNext();
  return out;
}

template <bool kPaddedInput, typename Special>
char* writeUtf8Text(char* out, std::span<const std::uint8_t> bytes, const Utf8Table& asciiTable, bool c1Apart,
                    Special special) {
  const std::uint8_t* in = bytes.data();
  const std::uint8_t* const end = in + bytes.size();
  const std::string_view text(reinterpret_cast<const char*>(in), bytes.size());
  const auto convertNext = [&] {
    if (*in < 0x80) {
      const std::uint32_t word = asciiTable[*in++];
      std::memcpy(out, &word, 4);
      out += word >> 24;
      return;
    }
    const Utf8Character c = decodeUtf8(text, static_cast<std::size_t>(in - bytes.data()));
    if (!c.valid || (c1Apart && c.value <= 0x9F)) {
      out = special(out, c.value);  // the byte, or U+0080 to U+009F
    } else {
      std::memcpy(out, in, c.length);
      out += c.length;
    }
    in += c.length;
  };
  while (kPaddedInput ? in < end : end - in >= 16) {
    const auto count = static_cast<unsigned>(std::min<std::ptrdiff_t>(end - in, 16));
    std::memcpy(out, in, 16);
    const unsigned other = notPrintableInBlock(in, count);
    if (other == 0) {
      in += count;
      out += count;
      continue;
    }
    const int printable = std::countr_zero(other);
    in += printable;
    out += printable;
    convertNext();
  }
  while (in != end) convertNext();
  return out;
}

}  // namespace detail

// Writes `bytes` converted through `table` at `out`, which has room for
// three bytes per input byte and one more (or for what `special` writes, and
// one more); returns the end. `special(out, word)` writes an entry whose
// count is 0, and `special(out, byte)` a lead byte that is not followed by a
// byte it makes a character with; `pairs` holds the characters of the byte
// pairs, for a double-byte code page.
template <typename Special = NoSpecialEntries>
char* writeThroughTable(char* out, std::span<const std::uint8_t> bytes, const Utf8Table& table, Special special = {},
                        const PairRows* pairs = nullptr) {
  return detail::writeThroughTable<false>(out, bytes, table, pairs, special);
}

// The same for input that can be read up to fifteen bytes past its end; the
// output needs room for sixteen more bytes.
template <typename Special = NoSpecialEntries>
char* writeThroughTablePadded(char* out, std::span<const std::uint8_t> bytes, const Utf8Table& table,
                              Special special = {}, const PairRows* pairs = nullptr) {
  return detail::writeThroughTable<true>(out, bytes, table, pairs, special);
}

// Writes the UTF-8 text `bytes` at `out` with printable ASCII copied as it
// is, other bytes below 0x80 through `asciiTable`, every character from
// U+00A0 on copied, and each byte that is not valid UTF-8 (and, with
// `c1Apart`, each of U+0080 to U+009F) written by `special(out, value)`.
// `out` has room for what `special` writes per byte, and one more.
template <typename Special>
char* writeUtf8Text(char* out, std::span<const std::uint8_t> bytes, const Utf8Table& asciiTable, bool c1Apart,
                    Special special) {
  return detail::writeUtf8Text<false>(out, bytes, asciiTable, c1Apart, special);
}

// The same for input that can be read up to fifteen bytes past its end; the
// output needs room for sixteen more bytes.
template <typename Special>
char* writeUtf8TextPadded(char* out, std::span<const std::uint8_t> bytes, const Utf8Table& asciiTable, bool c1Apart,
                          Special special) {
  return detail::writeUtf8Text<true>(out, bytes, asciiTable, c1Apart, special);
}

}  // namespace runtime
