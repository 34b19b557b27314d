#include "comparing/entries.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "speechfile/record.h"

namespace comparing {

speechfile::Entry FileEntries::entry(std::size_t index) const {
  const std::uint64_t start = starts_[index];
  const std::uint8_t* const record = records_.get() + start;
  const std::int16_t id = speechfile::MAKEWORD(record[1], record[0]);
  const auto length = static_cast<std::uint16_t>(speechfile::MAKEWORD(record[3], record[2]));
  return {start, id, {record + speechfile::kHeaderSize, length}};
}

void FileEntries::expect(std::uint64_t bytes) {
  if (bytes > std::numeric_limits<std::size_t>::max() / 2) throw std::bad_alloc();
  makeRoom(static_cast<std::size_t>(bytes));
  // Records of realistic texts are longer than 16 bytes; a file of shorter
  // ones grows the list as it goes.
  starts_.reserve(static_cast<std::size_t>(bytes / 16));
}

void FileEntries::makeRoom(std::size_t bytes) {
  if (bytes <= capacity_) return;
  auto larger = std::make_unique_for_overwrite<std::uint8_t[]>(bytes);
  if (size_ > 0) std::memcpy(larger.get(), records_.get(), size_);
  records_ = std::move(larger);
  capacity_ = bytes;
}

void FileEntries::append(const speechfile::Entry& entry) {
  // Room for both first, so that an entry is kept whole or not at all.
  if (starts_.size() == starts_.capacity()) starts_.reserve(starts_.size() * 2 + 1024);
  const std::size_t needed = size_ + speechfile::kHeaderSize + entry.text.size();
  if (needed > capacity_) makeRoom(std::max(needed, capacity_ * 2));
  const auto id = static_cast<std::uint16_t>(entry.id);
  const auto length = static_cast<std::uint16_t>(entry.text.size());
  std::uint8_t* const record = records_.get() + size_;
  record[0] = static_cast<std::uint8_t>(id >> 8);
  record[1] = static_cast<std::uint8_t>(id);
  record[2] = static_cast<std::uint8_t>(length >> 8);
  record[3] = static_cast<std::uint8_t>(length);
  if (length > 0) std::memcpy(record + speechfile::kHeaderSize, entry.text.data(), length);
  starts_.push_back(size_);
  size_ = needed;
}

}  // namespace comparing
