#include "speechfile/record.h"

#include "runtime/text.h"

namespace speechfile {

std::int16_t MAKEWORD(std::uint8_t bLo, std::uint8_t bHi) {
  // Both branches stay within 0..32767 before the sign bit is set, so no
  // 16-bit overflow can occur.
  if (bHi & 0x80) {
    return static_cast<std::int16_t>(((bHi & 0x7F) * 256 + bLo) | ~0x7FFF);
  }
  return static_cast<std::int16_t>(bHi * 256 + bLo);
}

void formatListLine(std::string& line, std::int16_t id, std::span<const std::uint8_t> text) {
  line.assign("ID: ");
  runtime::appendHex(line, id);
  line.append(" Text: ");
  runtime::appendAnsiText(line, text);
}

std::string listLine(std::int16_t id, std::span<const std::uint8_t> text) {
  std::string line;
  formatListLine(line, id, text);
  return line;
}

}  // namespace speechfile
