// The list line of one entry, as the list shows it: "ID: " + hexadecimal ID
// + " Text: " + the text converted from its encoding, as UTF-8, with each
// byte the encoding does not define as its sign ("‹A0›"). The encoding is
// the system default unless given.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "runtime/text.h"

namespace listing {

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

}  // namespace listing
