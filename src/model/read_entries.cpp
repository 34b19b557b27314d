#include "model/read_entries.h"

#include <algorithm>
#include <new>

#include "runtime/copy_bytes.h"

namespace model {
namespace {

// Makes room for one more element, growing by half again as much as there
// is, so that a push_back after it cannot fail and appending stays linear.
template <typename T>
void roomForOneMore(std::vector<T>& items) {
  if (items.size() == items.capacity())
    items.reserve(std::max<std::size_t>(64, items.capacity() + items.capacity() / 2));
}

}  // namespace

ReadEntries::ReadEntries(std::optional<std::size_t> room) : room_(room) {}

void ReadEntries::take(std::size_t bytes) {
  if (!room_) return;
  if (bytes > *room_) throw std::bad_alloc();
  *room_ -= bytes;
}

void ReadEntries::append(std::int16_t id, std::span<const std::uint8_t> text) {
  if (text.empty() && slots_ > 0) {
    Slot& last = slot(slots_ - 1);
    if (last.id == id && (last.word & kRun) && entriesIn(last) < kLongestRun) {
      ++last.word;
      ++entries_;
      return;
    }
  }
  newSlot(Slot{id, text.empty() ? kRun : static_cast<std::uint16_t>(text.size())}, text);
}

void ReadEntries::newSlot(Slot s, std::span<const std::uint8_t> text) {
  const std::size_t length = text.size();
  // Everything that can fail is allocated first, so that a failure leaves
  // the entries stored so far as they were.
  if ((slots_ >> kChunkShift) == chunks_.size()) {
    take(kChunkSlots * sizeof(Slot));
    chunks_.push_back(std::make_unique_for_overwrite<Slot[]>(kChunkSlots));
  }
  const std::uint64_t place = placeOf(textPlace_, length);
  while (blocks_.size() * kBlockBytes < place + length) {
    // Huge pages from the second block on: a short file then costs only the
    // pages it fills.
    take(kBlockBytes);
    blocks_.push_back(runtime::allocateLargeBlock(kBlockBytes, !blocks_.empty()));
  }
  const bool startsGroup = (slots_ & (kGroupSlots - 1)) == 0;
  const bool startsSpan = (slots_ & (kSpanSlots - 1)) == 0;
  const std::size_t groupIndex = slots_ >> kGroupShift;
  if (startsGroup) {
    if ((groupIndex >> kGroupChunkShift) == groupChunks_.size()) {
      take(kGroupChunk * sizeof(Group));
      groupChunks_.push_back(std::make_unique_for_overwrite<Group[]>(kGroupChunk));
    }
    roomForOneMore(groupLongest_);
  }
  if (startsSpan) roomForOneMore(spanLongest_);
  if (startsGroup) {
    groupChunks_[groupIndex >> kGroupChunkShift][groupIndex & (kGroupChunk - 1)] =
        Group{entries_, rows_, textBytes_, textPlace_};
    groupLongest_.push_back(0);
  }
  if (startsSpan) spanLongest_.push_back(0);

  slot(slots_) = s;
  if (length > 0)
    runtime::copyBytes(blocks_[place >> kBlockShift].get() + (place & (kBlockBytes - 1)), text.data(), length);
  groupLongest_.back() = std::max(groupLongest_.back(), static_cast<std::uint16_t>(length));
  spanLongest_.back() = std::max(spanLongest_.back(), static_cast<std::uint16_t>(length));
  textBytes_ += length;
  textPlace_ = place + length;
  rows_ += length ? 1 : 0;
  ++entries_;
  ++slots_;
}

ReadEntries::Cursor ReadEntries::groupStart(std::size_t group) const {
  const Group& g = this->group(group);
  return Cursor{group << kGroupShift, 0,          static_cast<std::size_t>(g.entry), static_cast<std::size_t>(g.row),
                g.textStart,          g.textPlace};
}

ReadEntries::Cursor ReadEntries::at(std::size_t entry) const {
  if (entry >= entries_) return Cursor{slots_, 0, entries_, rows_, textBytes_, textPlace_};
  Cursor c = groupStart(lastGroupUpTo(entry, &Group::entry));
  while (c.entry + entriesIn(slot(c.slot)) <= entry) nextSlot(c);
  c.within = entry - c.entry;
  c.entry = entry;
  return c;
}

ReadEntries::Cursor ReadEntries::atRow(std::size_t row) const {
  // The last group that starts at or before the row holds it: groups
  // without text share their row with the next.
  Cursor c = groupStart(lastGroupUpTo(row, &Group::row));
  while (lengthOf(slot(c.slot)) == 0 || c.row < row) nextSlot(c);
  return c;
}

std::size_t ReadEntries::lastGroupUpTo(std::size_t key, std::uint64_t Group::*field) const {
  std::size_t low = 0, high = (slots_ + kGroupSlots - 1) >> kGroupShift;
  while (high - low > 1) {
    const std::size_t middle = low + (high - low) / 2;
    if (group(middle).*field <= key) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return low;
}

ReadEntries::Stretch ReadEntries::stretchAt(std::size_t first, std::size_t end, std::size_t limit) const {
  const auto fits = [&](std::size_t size) { return size <= limit && (first & (size - 1)) == 0 && first + size <= end; };
  if (fits(kSpanSlots)) return {kSpanSlots, spanLongest_[first >> kSpanShift]};
  if (fits(kGroupSlots)) return {kGroupSlots, groupLongest_[first >> kGroupShift]};
  return {1, lengthOf(slot(first))};
}

std::optional<ReadEntries::Cursor> ReadEntries::longestIn(std::size_t first, std::size_t end) const {
  if (first >= end) return std::nullopt;
  // A run that is only partly in the range has no text: whole slots do.
  const std::size_t firstSlot = at(first).slot;
  std::size_t endSlot = at(end).slot;
  std::size_t longest = 0;
  for (std::size_t s = firstSlot; s < endSlot;) {
    const Stretch stretch = stretchAt(s, endSlot, kSpanSlots);
    longest = std::max(longest, stretch.longest);
    s += stretch.size;
  }
  if (longest == 0) return std::nullopt;

  // Then its first slot: past each stretch without it, into the first with it.
  std::size_t s = firstSlot;
  for (std::size_t limit = kSpanSlots; s < endSlot;) {
    const Stretch stretch = stretchAt(s, endSlot, limit);
    if (stretch.longest != longest) {
      s += stretch.size;
    } else if (stretch.size == 1) {
      break;
    } else {
      endSlot = s + stretch.size;
      limit = stretch.size / 2;
    }
  }
  Cursor c = groupStart(s >> kGroupShift);
  while (c.slot < s) nextSlot(c);
  return c;
}

}  // namespace model
