// The runtime's checked 16-bit arithmetic and its re-dimensioning of byte
// arrays.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace runtime {

// Leaves new elements of a byte array unset instead of zeroing them: the
// text buffer is filled by the read that follows its re-dimensioning, and a
// zeroing per record is measurable on files of millions of records.
template <typename T>
struct UninitialisedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  UninitialisedAllocator() = default;
  template <typename U>
  UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    if constexpr (sizeof...(Args) == 0) {
      ::new (static_cast<void*>(p)) U;
    } else {
      ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
  }
};

// A dynamic byte array with lower bound 0.
using ByteArray = std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>>;

// a - b in signed 16-bit arithmetic; raises Overflow when the result does not
// fit in 16 bits.
std::int16_t subtractChecked(std::int16_t a, std::int16_t b);

// Gives `array` the bounds 0 to `upper`, that is upper + 1 elements; old
// contents are discarded. Raises SubscriptOutOfRange when `upper` is below
// the lower bound, and never allocates for such bounds.
void redimension(ByteArray& array, std::int16_t upper);

}  // namespace runtime
