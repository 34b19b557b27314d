#include "speechfile/record_writer.h"

#include "runtime/errors.h"
#include "speechfile/record.h"

namespace speechfile {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

}  // namespace

RecordWriter::RecordWriter(runtime::ByteWriter write) : write_(std::move(write)) {}

void RecordWriter::append(std::uint16_t id, std::span<const std::uint8_t> text) {
  if (text.size() > static_cast<std::size_t>(kMaxTextLength)) {
    throw runtime::RuntimeError(runtime::ErrorNumber::Overflow,
                                "A text of " + runtime::groupedNumber(text.size()) + " bytes is longer than the " +
                                    runtime::groupedNumber(kMaxTextLength) + " bytes an entry can hold.");
  }
  if (pending_.size() + kHeaderSize + text.size() > kBlockSize) finish();
  const auto length = static_cast<std::uint16_t>(text.size());
  const char header[kHeaderSize] = {static_cast<char>(id >> 8), static_cast<char>(id & 0xFF),
                                    static_cast<char>(length >> 8), static_cast<char>(length & 0xFF)};
  pending_.append(header, kHeaderSize);
  pending_.append(reinterpret_cast<const char*>(text.data()), text.size());
  size_ += kHeaderSize + text.size();
}

void RecordWriter::finish() {
  if (pending_.empty()) return;
  write_(pending_);
  pending_.clear();
}

}  // namespace speechfile
