#include "speechfile/record.h"

namespace speechfile {

std::int16_t MAKEWORD(std::uint8_t bLo, std::uint8_t bHi) {
  // The magnitude stays within 0..32767, so no 16-bit overflow can occur; a
  // set high bit of bHi then sets the sign bit. Written as a selection rather
  // than an if, so that random IDs cost no mispredicted branch.
  const int magnitude = (bHi & 0x7F) * 256 + bLo;
  return static_cast<std::int16_t>((bHi & 0x80) ? (magnitude | ~0x7FFF) : magnitude);
}

char* writeListLine(char* out, std::int16_t id, std::span<const std::uint8_t> text, runtime::Encoding encoding) {
  return writeListLineWith(
      out, id, [&](char* at) { return runtime::writeAnsiText(at, text, encoding, runtime::UndefinedBytes::AsSigns); });
}

std::string_view formatListLine(std::string& scratch, std::int16_t id, std::span<const std::uint8_t> text,
                                runtime::Encoding encoding) {
  const std::size_t longest = maxListLineSize(text.size());
  if (scratch.size() < longest) scratch.resize(longest);
  char* const start = scratch.data();
  return {start, static_cast<std::size_t>(writeListLine(start, id, text, encoding) - start)};
}

}  // namespace speechfile
