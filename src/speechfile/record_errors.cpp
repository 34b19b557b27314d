#include "speechfile/record_errors.h"

#include <string>

#include "runtime/text.h"
#include "speechfile/record.h"

namespace speechfile {

using runtime::ErrorNumber;
using runtime::RuntimeError;

RuntimeError explainStop(const RuntimeError& e, std::int16_t textLength, const runtime::BufferedFile& file,
                         std::uint64_t start) {
  const std::string entry = "The entry at byte " + std::to_string(start);
  const std::uint64_t at = file.position();
  const std::uint64_t size = file.size();
  switch (e.number()) {
    case ErrorNumber::Overflow:
    case ErrorNumber::SubscriptOutOfRange:
      return RuntimeError(e.number(), entry + " gives a text length of 0x" + runtime::hexText(textLength) +
                                          ", more than the " + runtime::groupedNumber(kMaxTextLength) +
                                          " bytes an entry can hold.");
    case ErrorNumber::InputPastEndOfFile:
      if (file.shrank()) return e;  // its message says where the file now ends
      if (at - start < kHeaderSize && at == size) {
        return RuntimeError(e.number(), entry + " is cut short: the file ends after " + std::to_string(at - start) +
                                            " of its " + std::to_string(kHeaderSize) + " header bytes.");
      }
      if (at - start == kHeaderSize && static_cast<std::uint64_t>(textLength) > size - at) {
        return RuntimeError(e.number(), entry + " is cut short: its text is " + std::to_string(textLength) +
                                            " bytes long, but the file ends after " + std::to_string(size - at) +
                                            " of them.");
      }
      return e;
    default: return e;
  }
}

}  // namespace speechfile
