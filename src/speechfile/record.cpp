#include "speechfile/record.h"

namespace speechfile {

std::int16_t MAKEWORD(std::uint8_t bLo, std::uint8_t bHi) {
  // The magnitude stays within 0..32767, so no 16-bit overflow can occur; a
  // set high bit of bHi then sets the sign bit. Written as a selection rather
  // than an if, so that random IDs cost no mispredicted branch.
  const int magnitude = (bHi & 0x7F) * 256 + bLo;
  return static_cast<std::int16_t>((bHi & 0x80) ? (magnitude | ~0x7FFF) : magnitude);
}

}  // namespace speechfile
