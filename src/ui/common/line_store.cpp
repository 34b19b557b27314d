#include "ui/common/line_store.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "listing/list_line.h"
#include "listing/memory_reserve.h"
#include "runtime/copy_bytes.h"
#include "runtime/errors.h"
#include "speechfile/record.h"

namespace ui {
namespace {

// Makes room for one more element, growing by half again as much as there
// is, so that a push_back after it cannot fail and appending stays linear.
template <typename T>
void roomForOneMore(std::vector<T>& items) {
  if (items.size() == items.capacity())
    items.reserve(std::max<std::size_t>(64, items.capacity() + items.capacity() / 2));
}

}  // namespace

LineStore::LineStore() : room_(listing::memory_reserve::roomForLines()) { listing::memory_reserve::keep(); }

void LineStore::take(std::size_t bytes) {
  if (!room_) return;
  if (bytes > *room_) throw std::bad_alloc();
  *room_ -= bytes;
}

void LineStore::clear() {
  // The rows' memory goes first, so that the new store's reserve and room
  // are measured without it.
  decltype(blocks_)().swap(blocks_);
  decltype(chunks_)().swap(chunks_);
  decltype(groups_)().swap(groups_);
  decltype(manyEmpties_)().swap(manyEmpties_);
  *this = LineStore();
}

void LineStore::addItem(const speechfile::Entry& entry) {
  try {
    store(entry);
  } catch (const std::bad_alloc&) {
    listing::memory_reserve::release();
    throw;
  }
}

void LineStore::store(const speechfile::Entry& entry) {
  if (rows_ >= kMaxRows) {
    throw runtime::RuntimeError(runtime::ErrorNumber::OutOfMemory,
                                "The list cannot hold more than " + runtime::groupedNumber(kMaxRows) + " lines.");
  }
  const std::size_t length = entry.text.size();
  // Everything that can fail is allocated first, so that a failure leaves
  // the rows stored so far as they were.
  if (rows_ / kChunkRows == chunks_.size()) {
    take(kChunkRows * sizeof(Header));
    chunks_.push_back(std::make_unique_for_overwrite<Header[]>(kChunkRows));
  }
  while (blocks_.size() * kBlockBytes < textBytes_ + length) {
    // Huge pages from the second block on: a short list then costs only the
    // pages it fills.
    take(kBlockBytes);
    blocks_.push_back(runtime::allocateLargeBlock(kBlockBytes, !blocks_.empty()));
  }
  if (emptiesPending_ >= kManyEmpties) roomForOneMore(manyEmpties_);
  if (rows_ % kGroupRows == 0) roomForOneMore(groups_);

  if (rows_ % kGroupRows == 0) groups_.push_back(Group{textBytes_, entry.offset});
  chunks_[rows_ / kChunkRows][rows_ % kChunkRows] =
      Header{entry.id, static_cast<std::uint16_t>(length),
             static_cast<std::uint16_t>(std::min<std::uint64_t>(emptiesPending_, kManyEmpties))};
  if (emptiesPending_ >= kManyEmpties) manyEmpties_.emplace_back(rows_, emptiesPending_);
  emptiesPending_ = 0;
  const auto within = static_cast<std::size_t>(textBytes_ % kBlockBytes);
  if (within + length <= kBlockBytes) {
    if (length > 0) runtime::copyBytes(blocks_[textBytes_ / kBlockBytes].get() + within, entry.text.data(), length);
  } else {
    // The text runs on into the next block.
    const std::size_t first = kBlockBytes - within;
    std::memcpy(blocks_[textBytes_ / kBlockBytes].get() + within, entry.text.data(), first);
    std::memcpy(blocks_[textBytes_ / kBlockBytes + 1].get(), entry.text.data() + first, length - first);
  }
  textBytes_ += length;
  if (length > longestLength_ || rows_ == 0) {
    longestLength_ = static_cast<std::uint16_t>(length);
    longestRow_ = rows_;
  }
  ++rows_;
}

void LineStore::skipEmpty(const speechfile::Entry&) { ++emptiesPending_; }

void LineStore::opened(const speechfile::OpenedFile& file) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(file.path, error);
  source_ = Source{error ? file.path : absolute.lexically_normal(), file.identity};
}

std::uint64_t LineStore::emptiesBefore(std::size_t index) const {
  const std::uint16_t count = header(index).emptiesBefore;
  if (count != kManyEmpties) return count;
  const auto it = std::lower_bound(manyEmpties_.begin(), manyEmpties_.end(), std::make_pair(index, std::uint64_t{0}));
  return it->second;
}

LineStore::Cursor LineStore::cursorAt(std::size_t index) const {
  const std::size_t group = index / kGroupRows;
  Cursor cursor{group * kGroupRows, groups_[group].textStart, groups_[group].fileOffset};
  while (cursor.index < index) advance(cursor);
  return cursor;
}

void LineStore::advance(Cursor& cursor) const {
  const std::uint16_t length = header(cursor.index).length;
  cursor.textStart += length;
  cursor.fileOffset += speechfile::kHeaderSize + length;
  ++cursor.index;
  if (cursor.index < rows_) cursor.fileOffset += speechfile::kHeaderSize * emptiesBefore(cursor.index);
}

std::span<const std::uint8_t> LineStore::textAt(std::uint64_t start, std::size_t length, Scratch& scratch) const {
  const std::size_t within = static_cast<std::size_t>(start % kBlockBytes);
  const std::uint8_t* const block = length ? blocks_[start / kBlockBytes].get() : nullptr;
  if (within + length <= kBlockBytes) return {block + within, length};
  // The text runs on into the next block.
  const std::size_t first = kBlockBytes - within;
  scratch.bytes.resize(length);
  std::memcpy(scratch.bytes.data(), block + within, first);
  std::memcpy(scratch.bytes.data() + first, blocks_[start / kBlockBytes + 1].get(), length - first);
  return scratch.bytes;
}

LineStore::Row LineStore::row(std::size_t index, Scratch& scratch) const {
  const Cursor at = cursorAt(index);
  const Header& h = header(index);
  return Row{at.fileOffset, h.id, textAt(at.textStart, h.length, scratch)};
}

std::string_view LineStore::line(std::size_t index, Scratch& scratch, runtime::Encoding encoding) const {
  const Row r = row(index, scratch);
  return listing::formatListLine(scratch.line, r.id, r.text, encoding);
}

}  // namespace ui
