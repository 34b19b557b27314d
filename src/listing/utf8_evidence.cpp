#include "listing/utf8_evidence.h"

#include <array>
#include <cstring>

namespace listing {
namespace {

// The check of UTF-8 as a machine of states, one step a byte: where a
// character may start, how many continuation bytes are still due (and, after
// E0, ED, F0 and F4, in which range the next one must lie, which refuses
// overlong forms, surrogates and code points past U+10FFFF), or rejected.
enum State : unsigned { kStart, kOneDue, kTwoDue, kThreeDue, kAfterE0, kAfterED, kAfterF0, kAfterF4, kRejected };

constexpr State step(State state, unsigned byte) {
  const bool continuation = byte >= 0x80 && byte <= 0xBF;
  switch (state) {
    case kStart:
      if (byte < 0x80) return kStart;
      if (byte >= 0xC2 && byte <= 0xDF) return kOneDue;
      if (byte == 0xE0) return kAfterE0;
      if (byte == 0xED) return kAfterED;
      if (byte >= 0xE1 && byte <= 0xEF) return kTwoDue;
      if (byte == 0xF0) return kAfterF0;
      if (byte >= 0xF1 && byte <= 0xF3) return kThreeDue;
      if (byte == 0xF4) return kAfterF4;
      return kRejected;
    case kOneDue: return continuation ? kStart : kRejected;
    case kTwoDue: return continuation ? kOneDue : kRejected;
    case kThreeDue: return continuation ? kTwoDue : kRejected;
    case kAfterE0: return byte >= 0xA0 && byte <= 0xBF ? kOneDue : kRejected;
    case kAfterED: return byte >= 0x80 && byte <= 0x9F ? kOneDue : kRejected;
    case kAfterF0: return byte >= 0x90 && byte <= 0xBF ? kTwoDue : kRejected;
    case kAfterF4: return byte >= 0x80 && byte <= 0x8F ? kTwoDue : kRejected;
    case kRejected: return kRejected;
  }
  return kRejected;
}

// For each byte, the next state of every state, six bits each at the
// state's place (state * 6): a step is one load that does not wait for the
// state, a shift and a mask.
constexpr unsigned kBits = 6;
constexpr std::array<std::uint64_t, 256> kSteps = [] {
  std::array<std::uint64_t, 256> rows{};
  for (unsigned byte = 0; byte < 256; ++byte) {
    for (unsigned state = kStart; state <= kRejected; ++state) {
      rows[byte] |= std::uint64_t{step(static_cast<State>(state), byte) * kBits} << (state * kBits);
    }
  }
  return rows;
}();

bool isAscii(std::span<const std::uint8_t> text) {
  std::uint64_t seen = 0;
  std::size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, sizeof word);
    seen |= word;
  }
  for (; at < text.size(); ++at) seen |= text[at];
  return (seen & 0x8080808080808080u) == 0;
}

bool isValidUtf8(std::span<const std::uint8_t> text) {
  std::uint64_t place = kStart * kBits;
  for (const std::uint8_t byte : text) place = (kSteps[byte] >> place) & 63;
  return place == kStart * kBits;
}

}  // namespace

void Utf8Evidence::see(std::span<const std::uint8_t> text) {
  // One invalid text settles it: the rest need not be read.
  if (!valid_ || isAscii(text)) return;
  beyondAscii_ = true;
  valid_ = isValidUtf8(text);
}

}  // namespace listing
