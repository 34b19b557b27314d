#include "speechfile/record_errors.h"

#include <string>

#include "runtime/text.h"
#include "speechfile/record.h"
#include "texts/texts.h"

namespace speechfile {

using runtime::ErrorNumber;
using runtime::RuntimeError;

RuntimeError explainStop(const RuntimeError& e, std::int16_t textLength, const runtime::BufferedFile& file,
                         std::uint64_t start) {
  const std::string entry = std::to_string(start);
  const std::uint64_t at = file.position();
  const std::uint64_t size = file.size();
  switch (e.number()) {
    case ErrorNumber::Overflow:
    case ErrorNumber::SubscriptOutOfRange:
      return RuntimeError(e.number(),
                          texts::text(SPEECH_TEXT("entries",
                                                  "The entry at byte %1 gives a text length of 0x%2, "
                                                  "more than the %3 bytes an entry can hold."),
                                      {entry, runtime::hexText(textLength), texts::Argument::count(kMaxTextLength)}));
    case ErrorNumber::InputPastEndOfFile:
      if (file.shrank()) return e;  // its message says where the file now ends
      if (at - start < kHeaderSize && at == size) {
        return RuntimeError(e.number(), texts::text(SPEECH_TEXT("entries",
                                                                "The entry at byte %1 is cut short: the file ends "
                                                                "after %2 of its %3 header bytes."),
                                                    {entry, std::to_string(at - start), std::to_string(kHeaderSize)}));
      }
      if (at - start == kHeaderSize && static_cast<std::uint64_t>(textLength) > size - at) {
        return RuntimeError(e.number(), texts::text(SPEECH_TEXT("entries",
                                                                "The entry at byte %1 is cut short: its text is %2 "
                                                                "bytes long, but the file ends after %3 of them."),
                                                    {entry, std::to_string(textLength), std::to_string(size - at)}));
      }
      return e;
    default: return e;
  }
}

}  // namespace speechfile
