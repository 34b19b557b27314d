// The list's lines as a window keeps them: not as text, but as what each line
// is made of (the entry's ID and its text bytes), packed close to the size of
// the file. A line's text is formed again when it is shown, copied or saved,
// exactly as the Get action forms it.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/encoding.h"
#include "runtime/platform.h"
#include "speechfile/get_action.h"

namespace ui {

class LineStore final : public speechfile::LineList {
 public:
  // List controls count their lines in an int.
  static constexpr std::size_t kMaxRows = INT_MAX;

  // Takes the memory reserve, or under a limit on the address space, what
  // the rows may take of it (memory_reserve.h).
  LineStore();

  // Empties the list at once and gives its memory back.
  void clear() override;
  // Stores the entry as the next row. Raises OutOfMemory past kMaxRows; lets
  // std::bad_alloc through when memory runs out, or the rows would take the
  // window's room under a limit, with the rows stored so far kept as they
  // were and the memory reserve (memory_reserve.h) given back.
  void addItem(const speechfile::Entry& entry) override;
  // Counts an entry without text, so that the offsets of the rows after it
  // stay exact.
  void skipEmpty(const speechfile::Entry& entry) override;
  // Keeps the file the rows come from.
  void opened(const speechfile::OpenedFile& file) override;

  // The file the rows were read from, as the Get opened it: its path made
  // absolute then, and its identity, which stays with the file however it is
  // named later. None before a Get, or when the Get opened nothing.
  struct Source {
    std::filesystem::path path;
    std::optional<runtime::FileIdentity> identity;
  };
  const std::optional<Source>& source() const { return source_; }

  std::size_t rowCount() const { return rows_; }

  struct Row {
    std::uint64_t offset;  // byte offset of the entry's record
    std::int16_t id;
    std::span<const std::uint8_t> text;  // valid until the scratch or the store changes
  };
  // What a row's text is read into when its bytes are not stored in one piece,
  // and its line is written into.
  struct Scratch {
    std::vector<std::uint8_t> bytes;
    std::string line;
  };

  Row row(std::size_t index, Scratch& scratch) const;
  // The row's list line, UTF-8, exactly as the Get action forms it with the
  // text in `encoding` (the system default unless given).
  std::string_view line(std::size_t index, Scratch& scratch,
                        runtime::Encoding encoding = runtime::Encoding::systemDefault()) const;

  // The row with the longest text in bytes, or rowCount() when there is none.
  std::size_t longestRow() const { return longestRow_; }

  // Calls visit(index, row) for the rows from `first` on, in order, while it
  // returns true. Faster than row() for every index.
  template <typename Visit>
  void forEachRow(std::size_t first, Scratch& scratch, Visit visit) const;

 private:
  static constexpr std::size_t kBlockBytes = std::size_t{4} << 20;  // text bytes, back to back
  static constexpr std::size_t kChunkRows = std::size_t{1} << 16;   // headers per allocation
  static constexpr std::size_t kGroupRows = 64;                     // rows per index entry
  static constexpr std::uint16_t kManyEmpties = 0xFFFF;             // the count is in manyEmpties_

  struct Header {
    std::int16_t id;
    std::uint16_t length;
    std::uint16_t emptiesBefore;  // entries without text between this row and the one before
  };
  // Where a group's first row stands: in the text bytes and in the file.
  struct Group {
    std::uint64_t textStart;
    std::uint64_t fileOffset;
  };
  // Where a walk over the rows stands.
  struct Cursor {
    std::size_t index;
    std::uint64_t textStart;
    std::uint64_t fileOffset;
  };

  void store(const speechfile::Entry& entry);
  // Counts `bytes` more against the room the rows may take.
  void take(std::size_t bytes);
  const Header& header(std::size_t index) const { return chunks_[index / kChunkRows][index % kChunkRows]; }
  std::uint64_t emptiesBefore(std::size_t index) const;
  Cursor cursorAt(std::size_t index) const;
  void advance(Cursor& cursor) const;
  std::span<const std::uint8_t> textAt(std::uint64_t start, std::size_t length, Scratch& scratch) const;

  std::optional<Source> source_;
  std::optional<std::size_t> room_;  // what the rows may still take, under a limit

  std::vector<runtime::LargeBlock> blocks_;
  std::vector<std::unique_ptr<Header[]>> chunks_;
  std::vector<Group> groups_;
  std::vector<std::pair<std::size_t, std::uint64_t>> manyEmpties_;  // (row, count), by row
  std::uint64_t textBytes_ = 0;
  std::uint64_t emptiesPending_ = 0;
  std::size_t rows_ = 0;
  std::size_t longestRow_ = 0;
  std::uint16_t longestLength_ = 0;
};

template <typename Visit>
void LineStore::forEachRow(std::size_t first, Scratch& scratch, Visit visit) const {
  if (first >= rows_) return;
  for (Cursor at = cursorAt(first); at.index < rows_; advance(at)) {
    const Header& h = header(at.index);
    if (!visit(at.index, Row{at.fileOffset, h.id, textAt(at.textStart, h.length, scratch)})) return;
  }
}

}  // namespace ui
