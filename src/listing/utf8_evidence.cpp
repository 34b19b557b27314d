#include "listing/utf8_evidence.h"

#include <cstring>

namespace listing {
namespace {

bool continues(std::uint8_t byte) { return (byte & 0xC0) == 0x80; }

// Whether the bytes are valid UTF-8 (no overlong form, surrogate or code
// point past U+10FFFF, none cut off), and whether any is not ASCII. Runs of
// ASCII are passed over eight bytes at a time: most texts are mostly ASCII.
struct Weighed {
  bool valid = true;
  bool beyondAscii = false;
};
Weighed weigh(const std::uint8_t* at, const std::uint8_t* end) {
  Weighed weighed;
  while (at < end) {
    if (end - at >= 8) {
      std::uint64_t word;
      std::memcpy(&word, at, sizeof word);
      if ((word & 0x8080808080808080u) == 0) {
        at += 8;
        continue;
      }
    }
    const std::uint8_t lead = *at;
    if (lead < 0x80) {
      ++at;
      continue;
    }
    weighed.beyondAscii = true;
    const std::ptrdiff_t left = end - at;
    if (lead >= 0xC2 && lead <= 0xDF && left >= 2 && continues(at[1])) {
      at += 2;
    } else if (lead >= 0xE0 && lead <= 0xEF && left >= 3 && continues(at[1]) && continues(at[2]) &&
               !(lead == 0xE0 && at[1] < 0xA0) && !(lead == 0xED && at[1] >= 0xA0)) {
      at += 3;
    } else if (lead >= 0xF0 && lead <= 0xF4 && left >= 4 && continues(at[1]) && continues(at[2]) && continues(at[3]) &&
               !(lead == 0xF0 && at[1] < 0x90) && !(lead == 0xF4 && at[1] >= 0x90)) {
      at += 4;
    } else {
      weighed.valid = false;
      return weighed;
    }
  }
  return weighed;
}

}  // namespace

void Utf8Evidence::see(std::span<const std::uint8_t> text) {
  // One invalid text settles it: the rest need not be read.
  if (!valid_) return;
  const Weighed weighed = weigh(text.data(), text.data() + text.size());
  valid_ = weighed.valid;
  beyondAscii_ = beyondAscii_ || weighed.beyondAscii;
}

}  // namespace listing
