#include "runtime/arrays.h"

#include <string>

#include "runtime/errors.h"
#include "texts/texts.h"

namespace runtime {

std::int16_t subtractChecked(std::int16_t a, std::int16_t b) {
  const int result = int{a} - int{b};
  if (result < INT16_MIN || result > INT16_MAX) {
    raiseOverflow(texts::text(SPEECH_TEXT("runtime", "The result of %1 - %2 does not fit in 16 bits."),
                              {std::to_string(a), std::to_string(b)}));
  }
  return static_cast<std::int16_t>(result);
}

void redimension(ByteArray& array, std::int16_t upper) {
  if (upper < 0) {
    throw RuntimeError(
        ErrorNumber::SubscriptOutOfRange,
        texts::text(SPEECH_TEXT("runtime", "An array cannot have the bounds 0 to %1."), {std::to_string(upper)}));
  }
  // The capacity stays, so a run of records allocates only for a text longer
  // than every text before it; only elements beyond the old size are set.
  array.resize(static_cast<std::size_t>(upper) + 1);
}

}  // namespace runtime
