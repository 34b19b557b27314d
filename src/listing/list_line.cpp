#include "listing/list_line.h"

namespace listing {

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

}  // namespace listing
