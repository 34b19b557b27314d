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
  while (blocks_.size() * kBlockBytes < textBytes_ + length) {
    // Huge pages from the second block on: a short file then costs only the
    // pages it fills.
    take(kBlockBytes);
    blocks_.push_back(runtime::allocateLargeBlock(kBlockBytes, !blocks_.empty()));
  }
  const bool startsGroup = (slots_ & (kGroupSlots - 1)) == 0;
  if (startsGroup) {
    roomForOneMore(groups_);
    roomForOneMore(groupLongest_);
    groups_.push_back(Group{entries_, rows_, textBytes_});
    groupLongest_.push_back(0);
  }

  slot(slots_) = s;
  const auto within = static_cast<std::size_t>(textBytes_ & (kBlockBytes - 1));
  if (within + length <= kBlockBytes) {
    if (length > 0) runtime::copyBytes(blocks_[textBytes_ >> kBlockShift].get() + within, text.data(), length);
  } else {
    // The text runs on into the next block.
    const std::size_t first = kBlockBytes - within;
    std::memcpy(blocks_[textBytes_ >> kBlockShift].get() + within, text.data(), first);
    std::memcpy(blocks_[(textBytes_ >> kBlockShift) + 1].get(), text.data() + first, length - first);
  }
  groupLongest_.back() = std::max(groupLongest_.back(), static_cast<std::uint16_t>(length));
  textBytes_ += length;
  rows_ += length ? 1 : 0;
  ++entries_;
  ++slots_;
}

ReadEntries::Cursor ReadEntries::groupStart(std::size_t group) const {
  const Group& g = groups_[group];
  return Cursor{group << kGroupShift, 0, static_cast<std::size_t>(g.entry), static_cast<std::size_t>(g.row),
                g.textStart};
}

ReadEntries::Cursor ReadEntries::at(std::size_t entry) const {
  if (entry >= entries_) return Cursor{slots_, 0, entries_, rows_, textBytes_};
  const auto after = std::upper_bound(groups_.begin(), groups_.end(), entry,
                                      [](std::size_t e, const Group& g) { return e < g.entry; });
  Cursor c = groupStart(static_cast<std::size_t>(after - groups_.begin()) - 1);
  while (c.entry + entriesIn(slot(c.slot)) <= entry) nextSlot(c);
  c.within = entry - c.entry;
  c.entry = entry;
  return c;
}

ReadEntries::Cursor ReadEntries::atRow(std::size_t row) const {
  // The last group that starts at or before the row holds it: groups
  // without text share their row with the next.
  const auto after =
      std::upper_bound(groups_.begin(), groups_.end(), row, [](std::size_t r, const Group& g) { return r < g.row; });
  Cursor c = groupStart(static_cast<std::size_t>(after - groups_.begin()) - 1);
  while (lengthOf(slot(c.slot)) == 0 || c.row < row) nextSlot(c);
  return c;
}

std::optional<std::size_t> ReadEntries::longestIn(std::size_t first, std::size_t end) const {
  if (first >= end) return std::nullopt;
  // A run that is only partly in the range has no text: whole slots do.
  const std::size_t firstSlot = at(first).slot;
  const std::size_t endSlot = at(end).slot;
  std::size_t longest = 0;
  const std::size_t headEnd = std::min(endSlot, ((firstSlot >> kGroupShift) + 1) << kGroupShift);
  const std::size_t tailStart = std::max(headEnd, (endSlot >> kGroupShift) << kGroupShift);
  for (std::size_t s = firstSlot; s < headEnd; ++s) longest = std::max(longest, lengthOf(slot(s)));
  for (std::size_t g = headEnd >> kGroupShift; g < (tailStart >> kGroupShift); ++g)
    longest = std::max<std::size_t>(longest, groupLongest_[g]);
  for (std::size_t s = tailStart; s < endSlot; ++s) longest = std::max(longest, lengthOf(slot(s)));
  if (longest == 0) return std::nullopt;

  const std::size_t found = firstOfLength(firstSlot, endSlot, longest);
  Cursor c = groupStart(found >> kGroupShift);
  while (c.slot < found) nextSlot(c);
  return c.entry;
}

// The first slot among [firstSlot, endSlot) whose text has `length` bytes,
// which one of them has.
std::size_t ReadEntries::firstOfLength(std::size_t firstSlot, std::size_t endSlot, std::size_t length) const {
  std::size_t s = firstSlot;
  while (s < endSlot) {
    if ((s & (kGroupSlots - 1)) == 0 && s + kGroupSlots <= endSlot && groupLongest_[s >> kGroupShift] != length) {
      s += kGroupSlots;  // a whole group without it
      continue;
    }
    if (lengthOf(slot(s)) == length) return s;
    ++s;
  }
  return endSlot;
}

}  // namespace model
