#include "speechfile/record_reader.h"

#include "speechfile/record.h"
#include "speechfile/record_errors.h"

namespace speechfile {

std::optional<Record> RecordReader::next() {
  const std::uint64_t start = file_.position();
  std::int16_t length = 0;
  try {
    if (file_.atEnd()) return std::nullopt;
    const auto field = [&] {
      const std::uint8_t high = file_.readByte();
      return MAKEWORD(file_.readByte(), high);
    };
    const std::int16_t id = field();
    length = field();
    if (length == 0) return Record{start, static_cast<std::uint16_t>(id), {}};
    // The bounds as the Get action gives them, so that a bad length fails
    // with its error.
    runtime::redimension(text_, runtime::subtractChecked(length, 1));
    file_.readBytes(text_);
    return Record{start, static_cast<std::uint16_t>(id), text_};
  } catch (const runtime::RuntimeError& e) {
    throw RecordError(start, explainStop(e, length, file_, start));
  }
}

}  // namespace speechfile
