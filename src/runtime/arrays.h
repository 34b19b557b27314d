// The runtime's checked 16-bit arithmetic and its re-dimensioning of byte
// arrays.
#pragma once

#include <cstdint>
#include <vector>

namespace runtime {

// A dynamic byte array with lower bound 0.
using ByteArray = std::vector<std::uint8_t>;

// a - b in signed 16-bit arithmetic; raises Overflow when the result does not
// fit in 16 bits.
std::int16_t subtractChecked(std::int16_t a, std::int16_t b);

// Gives `array` the bounds 0 to `upper`, that is upper + 1 elements. The
// old contents are not kept: the elements' values are unspecified until they
// are written. Raises SubscriptOutOfRange when `upper` is below the lower
// bound, and never allocates for such bounds.
void redimension(ByteArray& array, std::int16_t upper);

}  // namespace runtime
