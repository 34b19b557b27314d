// Copying the few bytes of a typical entry's text without a library call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace runtime {

// Copies `count` bytes from `from` to `to`, which do not overlap. Up to 32
// bytes are copied with fixed-size moves that may overlap each other, longer
// blocks by memcpy.
inline void copyBytes(void* to, const void* from, std::size_t count) {
  auto* out = static_cast<unsigned char*>(to);
  const auto* in = static_cast<const unsigned char*>(from);
  const auto move = [&](std::size_t at, auto word) {
    std::memcpy(&word, in + at, sizeof word);
    std::memcpy(out + at, &word, sizeof word);
  };
  if (count > 32) {
    std::memcpy(out, in, count);
  } else if (count >= 16) {
    move(0, std::uint64_t{});
    move(8, std::uint64_t{});
    move(count - 16, std::uint64_t{});
    move(count - 8, std::uint64_t{});
  } else if (count >= 8) {
    move(0, std::uint64_t{});
    move(count - 8, std::uint64_t{});
  } else if (count >= 4) {
    move(0, std::uint32_t{});
    move(count - 4, std::uint32_t{});
  } else if (count > 0) {
    out[0] = in[0];
    out[count / 2] = in[count / 2];
    out[count - 1] = in[count - 1];
  }
}

}  // namespace runtime
