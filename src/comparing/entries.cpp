#include "comparing/entries.h"

#include <algorithm>
#include <new>

#include "speechfile/record.h"

namespace comparing {

speechfile::Entry FileEntries::entry(std::size_t index) const {
  const std::uint64_t start = starts_[index];
  const std::uint8_t* const record = records_.data() + start;
  const std::int16_t id = speechfile::MAKEWORD(record[1], record[0]);
  const auto length = static_cast<std::uint16_t>(speechfile::MAKEWORD(record[3], record[2]));
  return {start, id, {record + speechfile::kHeaderSize, length}};
}

void FileEntries::expect(std::uint64_t bytes) {
  if (bytes > records_.max_size()) throw std::bad_alloc();
  records_.reserve(static_cast<std::size_t>(bytes));
}

void FileEntries::append(const speechfile::Entry& entry) {
  // Room for both first, so that an entry is kept whole or not at all.
  if (starts_.size() == starts_.capacity()) starts_.reserve(starts_.size() * 2 + 1024);
  const std::size_t needed = records_.size() + speechfile::kHeaderSize + entry.text.size();
  if (needed > records_.capacity()) records_.reserve(std::max(needed, records_.capacity() * 2));
  const auto id = static_cast<std::uint16_t>(entry.id);
  const auto length = static_cast<std::uint16_t>(entry.text.size());
  const std::uint8_t header[speechfile::kHeaderSize] = {
      static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(id), static_cast<std::uint8_t>(length >> 8),
      static_cast<std::uint8_t>(length)};
  starts_.push_back(records_.size());
  records_.insert(records_.end(), header, header + speechfile::kHeaderSize);
  records_.insert(records_.end(), entry.text.begin(), entry.text.end());
}

}  // namespace comparing
