#include "speechfile/record.h"

#include <algorithm>
#include <string_view>

#include "runtime/text.h"

namespace speechfile {

std::int16_t MAKEWORD(std::uint8_t bLo, std::uint8_t bHi) {
  // The magnitude stays within 0..32767, so no 16-bit overflow can occur; a
  // set high bit of bHi then sets the sign bit. Written as a selection rather
  // than an if, so that random IDs cost no mispredicted branch.
  const int magnitude = (bHi & 0x7F) * 256 + bLo;
  return static_cast<std::int16_t>((bHi & 0x80) ? (magnitude | ~0x7FFF) : magnitude);
}

std::string_view formatListLine(std::string& scratch, std::int16_t id, std::span<const std::uint8_t> text) {
  static constexpr std::string_view kIdLabel = "ID: ";
  static constexpr std::string_view kTextLabel = " Text: ";
  const std::size_t longest =
      kIdLabel.size() + runtime::kMaxHexDigits + kTextLabel.size() + runtime::maxAnsiTextSize(text.size());
  if (scratch.size() < longest) scratch.resize(longest);
  char* const start = scratch.data();
  char* p = std::copy(kIdLabel.begin(), kIdLabel.end(), start);
  p = runtime::writeHex(p, id);
  p = std::copy(kTextLabel.begin(), kTextLabel.end(), p);
  p = runtime::writeAnsiText(p, text);
  return {start, static_cast<std::size_t>(p - start)};
}

std::string listLine(std::int16_t id, std::span<const std::uint8_t> text) {
  std::string scratch;
  return std::string(formatListLine(scratch, id, text));
}

}  // namespace speechfile
