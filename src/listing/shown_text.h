// The shown form of a text: what the list, its copied and accessible text,
// speechlist's listing and the messages show in place of the characters that
// would otherwise act instead of being seen. Each control character becomes
// a visible character or sign; every other character stays as it is.
//
//   U+0000 to U+001F  ->  their Control Pictures U+2400 to U+241F (␀ ... ␟)
//   U+007F            ->  U+2421 (␡)
//   U+0080 to U+009F  ->  "‹" + the code in two hexadecimal digits + "›",
//                         for example U+0081 -> "‹81›"
//   a byte that is not valid UTF-8 -> the same sign with the byte's value:
//                         the bytes of a file name that is not UTF-8
//
// A text converted from its encoding shows each byte the encoding does not
// define with the same sign (runtime::UndefinedBytes::AsSigns).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "runtime/encoding.h"

namespace listing {

// U+0000 to U+001F and U+007F to U+009F.
constexpr bool isControlCharacter(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Whether the UTF-8 text holds a control character or a byte that is not
// valid UTF-8: whether its shown form differs from it. Reads a word at a
// time, as nearly every text is plain.
bool changesWhenShown(std::string_view utf8);

// Writes the shown form of the UTF-8 text at `out`, which has room for
// maxShownSize(utf8.size()) characters; returns the end.
constexpr std::size_t maxShownSize(std::size_t utf8Bytes) { return 8 * utf8Bytes; }
char* writeShownText(char* out, std::string_view utf8);

std::string shownText(std::string_view utf8);

// Writes `bytes`, converted from `encoding`, in their shown form at `out`,
// which has room for maxShownAnsiTextSize(bytes.size()) characters; returns
// the end. The same as the conversion with undefined bytes as signs followed
// by writeShownText, in one pass. The encoding is the system default unless
// given.
constexpr std::size_t maxShownAnsiTextSize(std::size_t byteCount) { return 8 * byteCount + 1; }
char* writeShownAnsiText(char* out, std::span<const std::uint8_t> bytes,
                         runtime::Encoding encoding = runtime::Encoding::systemDefault());
// The same for bytes that can be read up to fifteen bytes past their end,
// into room for sixteen bytes more.
char* writeShownAnsiTextPadded(char* out, std::span<const std::uint8_t> bytes,
                               runtime::Encoding encoding = runtime::Encoding::systemDefault());

// Makes the tables of an encoding's conversions (exact, with signs, shown)
// now, on this thread: they are otherwise made at their first use, which
// allocates and can run out of memory wherever that is. Raises
// std::bad_alloc.
void prepareConversions(runtime::Encoding encoding);

// UTF-8 as UTF-16, every character kept; a byte that is not valid UTF-8
// becomes U+FFFD.
std::u16string toUtf16(std::string_view utf8);

// The short name the window's list draws in its mark for a control
// character: "NUL", "TAB", "LF", "CR", "ESC", "DEL", ..., and the two
// hexadecimal digits for U+0080 to U+009F ("81").
std::string controlName(char32_t c);

}  // namespace listing
