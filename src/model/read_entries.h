// The entries of a speech file as the Get read them, every one in file
// order, packed close to the file's size: four bytes of ID and length for
// each entry, the texts back to back in large blocks (a text that would
// run past a block's end starts the next one, so that each lies in one
// piece), and an index every 64 entries. A run of entries without text that share an ID is kept in one
// slot, so that a file of zeros (a sparse file) costs almost nothing.
// Appended to while the Get runs, then only read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "runtime/platform.h"
#include "speechfile/record.h"

namespace model {

class ReadEntries {
 public:
  // With a `room`, takes no more than that many bytes: past it, append
  // raises std::bad_alloc as if memory had run out.
  explicit ReadEntries(std::optional<std::size_t> room = std::nullopt);

  // Appends the next entry of the file. Raises std::bad_alloc when memory
  // runs out or the room is used up, the entries staying as they were.
  void append(std::int16_t id, std::span<const std::uint8_t> text);

  std::size_t size() const { return entries_; }
  // Entries with text.
  std::size_t rows() const { return rows_; }
  // The bytes of the file they were read from.
  std::uint64_t fileBytes() const { return speechfile::kHeaderSize * std::uint64_t{entries_} + textBytes_; }

  // Where a walk over the entries stands.
  struct Cursor {
    std::size_t slot = 0;
    std::size_t within = 0;  // entries before it in its slot's run
    std::size_t entry = 0;
    std::size_t row = 0;          // entries with text before it
    std::uint64_t textStart = 0;  // text bytes before it
    std::uint64_t textPlace = 0;  // where the texts before it end in the blocks
  };
  // The entry `entry` (size() gives the end).
  Cursor at(std::size_t entry) const;
  // The entry that is row `row` of those with text (row < rows()).
  Cursor atRow(std::size_t row) const;

  std::int16_t id(const Cursor& at) const { return slot(at.slot).id; }
  std::size_t length(const Cursor& at) const { return lengthOf(slot(at.slot)); }
  // Valid as long as the entries are.
  std::span<const std::uint8_t> text(const Cursor& at) const {
    const std::size_t length = this->length(at);
    if (length == 0) return {};
    const std::uint64_t place = placeOf(at.textPlace, length);
    return {blocks_[place >> kBlockShift].get() + (place & (kBlockBytes - 1)), length};
  }
  // Where the entry's record starts in the file.
  std::uint64_t offset(const Cursor& at) const {
    return speechfile::kHeaderSize * std::uint64_t{at.entry} + at.textStart;
  }

  // To the next entry; to the next that has text, or the end.
  void advance(Cursor& at) const;
  void advanceToRow(Cursor& at) const {
    advance(at);
    skipEmpties(at);
  }

  // The first entry with the longest text among [first, end), or none when
  // none of them has text. Looks at a few hundred slots and at most one
  // index entry in 4,096 slots.
  std::optional<Cursor> longestIn(std::size_t first, std::size_t end) const;

 private:
  static constexpr std::size_t kBlockShift = 22;  // 4 MiB blocks of text bytes
  static constexpr std::size_t kBlockBytes = std::size_t{1} << kBlockShift;
  static constexpr std::size_t kChunkShift = 16;  // slots per allocation
  static constexpr std::size_t kChunkSlots = std::size_t{1} << kChunkShift;
  static constexpr std::size_t kGroupShift = 6;  // slots per index entry
  static constexpr std::size_t kGroupSlots = std::size_t{1} << kGroupShift;
  static constexpr std::size_t kGroupChunkShift = 12;  // groups per allocation
  static constexpr std::size_t kGroupChunk = std::size_t{1} << kGroupChunkShift;
  static constexpr std::size_t kSpanShift = 12;  // slots per longest text kept beside the index
  static constexpr std::size_t kSpanSlots = std::size_t{1} << kSpanShift;
  // A slot's second field is the text's length, or with this bit set, a
  // run of entries without text: one more than the rest of it.
  static constexpr std::uint16_t kRun = 0x8000;
  static constexpr std::size_t kLongestRun = kRun;

  struct Slot {
    std::int16_t id;
    std::uint16_t word;
  };
  // Where a group's first slot stands.
  struct Group {
    std::uint64_t entry;
    std::uint64_t row;
    std::uint64_t textStart;
    std::uint64_t textPlace;
  };

  static std::size_t lengthOf(Slot s) { return (s.word & kRun) ? 0 : s.word; }
  // Where a text of `length` bytes goes when the texts before it end at
  // `end`: there, or at the next block's start when it would run past.
  static std::uint64_t placeOf(std::uint64_t end, std::size_t length) {
    return (end & (kBlockBytes - 1)) + length <= kBlockBytes ? end : (end | (kBlockBytes - 1)) + 1;
  }
  static std::size_t entriesIn(Slot s) { return (s.word & kRun) ? (s.word & ~kRun) + std::size_t{1} : 1; }
  const Slot& slot(std::size_t index) const { return chunks_[index >> kChunkShift][index & (kChunkSlots - 1)]; }
  Slot& slot(std::size_t index) { return chunks_[index >> kChunkShift][index & (kChunkSlots - 1)]; }
  const Group& group(std::size_t index) const {
    return groupChunks_[index >> kGroupChunkShift][index & (kGroupChunk - 1)];
  }
  // The last group whose first slot's `field` is at or before `key`.
  std::size_t lastGroupUpTo(std::size_t key, std::uint64_t Group::*field) const;
  Cursor groupStart(std::size_t group) const;
  void skipEmpties(Cursor& at) const;
  // To the start of the next slot.
  void nextSlot(Cursor& at) const;
  void newSlot(Slot s, std::span<const std::uint8_t> text);
  void take(std::size_t bytes);
  // The largest stretch of slots from `first` to at most `limit` and
  // before `end` that the index keeps the longest text of, and that text's
  // length.
  struct Stretch {
    std::size_t size;
    std::size_t longest;
  };
  Stretch stretchAt(std::size_t first, std::size_t end, std::size_t limit) const;

  std::optional<std::size_t> room_;  // what the entries may still take
  std::vector<std::unique_ptr<Slot[]>> chunks_;
  std::vector<runtime::LargeBlock> blocks_;
  // The index, in pieces that never move: a list that grew by copying
  // would leave its old copies in the allocator's pools.
  std::vector<std::unique_ptr<Group[]>> groupChunks_;
  std::vector<std::uint16_t> groupLongest_;  // the longest text in each group
  std::vector<std::uint16_t> spanLongest_;   // and in each span of kSpanSlots
  std::size_t slots_ = 0;
  std::size_t entries_ = 0;
  std::size_t rows_ = 0;
  std::uint64_t textBytes_ = 0;
  std::uint64_t textPlace_ = 0;
};

inline void ReadEntries::nextSlot(Cursor& at) const {
  const Slot s = slot(at.slot);
  const std::size_t length = lengthOf(s);
  at.entry += entriesIn(s) - at.within;
  at.within = 0;
  at.textStart += length;
  at.textPlace = placeOf(at.textPlace, length) + length;
  at.row += length ? 1 : 0;
  ++at.slot;
}

inline void ReadEntries::advance(Cursor& at) const {
  if (at.within + 1 < entriesIn(slot(at.slot))) {
    ++at.within;
    ++at.entry;
    return;
  }
  nextSlot(at);
}

inline void ReadEntries::skipEmpties(Cursor& at) const {
  while (at.slot < slots_ && lengthOf(slot(at.slot)) == 0) nextSlot(at);
}

}  // namespace model
