// Every entry of a speech file, in file order, as the Get read it and as the
// user has edited it since: IDs and text bytes (texts stay bytes, in the
// encoding they were read or typed in), entries without text included, so
// that walking the entries gives back the file byte for byte until it is
// edited. The rows are the entries that have text, one line each.
//
// The entries as read are kept once (ReadEntries); the model is a sequence
// of pieces over them and over the entries edits made, so that an edit, an
// undo and a redo each cost a few steps per piece, whatever the file's size.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/read_entries.h"
#include "speechfile/get_action.h"

namespace model {

enum class EntryState : std::uint8_t {
  AsRead,   // as the Get read it
  Changed,  // an entry read, whose ID or text an edit changed
  New,      // an entry an edit inserted
};

// One entry as the model gives it.
struct EntryView {
  std::uint64_t offset;  // of its record in the file the entries make now; until an edit before it, in the file read
  std::int16_t id;
  std::span<const std::uint8_t> text;  // valid until the model changes
  EntryState state;
};

// What an edit, an undo or a redo did, for a window to select and redraw.
struct Edit {
  enum class Kind : std::uint8_t { Change, Insert, Remove };
  Kind kind;
  std::size_t entry;  // the entry changed or inserted, or where the removed one stood
};

class SpeechModel final : public speechfile::LineList {
 public:
  // With a `room`, the entries read take no more than that many bytes: past
  // it, the Get's next entry raises std::bad_alloc as if memory had run out.
  explicit SpeechModel(std::optional<std::size_t> room = std::nullopt);

  // ---- Filled by the Get

  // Empties the model, its edits and their history, and gives its memory back.
  void clear() override;
  // Appends an entry as read, with text or without. Raises std::bad_alloc
  // when memory runs out, the model staying as it was.
  void addItem(const speechfile::Entry& entry) override { appendRead(entry.id, entry.text); }
  void skipEmpty(const speechfile::Entry& entry) override { appendRead(entry.id, {}); }

  // ---- Every entry, in file order: what Save speech file writes

  std::size_t entryCount() const { return pieces_.empty() ? 0 : pieces_.back().entryStart + pieces_.back().count; }
  // The bytes the entries make as a file.
  std::uint64_t fileSize() const { return pieces_.empty() ? 0 : pieces_.back().byteStart + pieces_.back().bytes; }
  // The entry `index` (< entryCount()).
  EntryView entry(std::size_t index) const;
  // Calls visit(index, entry) for the entries from `first` on, in order,
  // while it returns true. Far faster than entry() for every index.
  template <typename Visit>
  void forEachEntry(std::size_t first, Visit visit) const;

  // ---- The rows: the entries with text, one line each

  std::size_t rowCount() const { return pieces_.empty() ? 0 : pieces_.back().rowStart + pieces_.back().rows; }
  // The row `row` (< rowCount()), and the entry it is.
  EntryView row(std::size_t row) const;
  std::size_t entryOfRow(std::size_t row) const;
  // The row an entry (< entryCount()) is; none for an entry without text.
  std::optional<std::size_t> rowOfEntry(std::size_t entry) const;
  // The first row with the longest text in bytes, or rowCount() when there is none.
  std::size_t longestRow() const { return longestRow_.value_or(rowCount()); }
  // Calls visit(row, entry) for the rows from `first` on, in order, while it
  // returns true.
  template <typename Visit>
  void forEachRow(std::size_t first, Visit visit) const;

  // ---- Editing, each step undone and redone back to the state of the Get
  //
  // Each raises std::out_of_range for an entry that is not there,
  // std::length_error for a text longer than an entry can hold
  // (speechfile::kMaxTextLength bytes), and std::bad_alloc when memory runs
  // out; the model then stays as it was. A new edit forgets what could be
  // redone.

  // Gives the entry `entry` the ID and text bytes given; an empty text makes
  // it an entry without text, which is no row.
  void change(std::size_t entry, std::int16_t id, std::span<const std::uint8_t> text);
  // Puts a new entry at `at` (<= entryCount()) in the file's order: before
  // the entry that stands there now.
  void insert(std::size_t at, std::int16_t id, std::span<const std::uint8_t> text);
  void remove(std::size_t entry);

  bool canUndo() const { return done_ > 0; }
  bool canRedo() const { return done_ < steps_.size(); }
  // Undoes the last edit not yet undone (redoes the last undone), and tells
  // what that did to the entries: undoing an insertion removes the entry.
  // None when there is nothing to undo (redo). Raises std::bad_alloc, the
  // model staying as it was.
  std::optional<Edit> undo();
  std::optional<Edit> redo();

  // Whether the entries differ from the file read, or from the one saved
  // after markSaved(): true after an edit, false again once it is undone.
  bool hasUnsavedEdits() const { return done_ != savedAt_; }
  void markSaved() { savedAt_ = done_; }

 private:
  // A run of entries as read, or one entry an edit made.
  struct Piece {
    bool made;
    std::size_t first;  // the first entry read, or the entry made
    std::size_t count;  // of entries; 1 for an entry made
    std::size_t rows;
    std::uint64_t bytes;
    // Where the piece stands in the model.
    std::size_t entryStart;
    std::size_t rowStart;
    std::uint64_t byteStart;
    // Where its first entry stands among the entries read, unless made.
    std::size_t readRowStart;
    std::uint64_t readByteStart;
    // Its longest text's length, and the row that text is in the piece (the
    // first of equals).
    std::size_t longest;
    std::size_t longestRow;
  };
  // An entry that an edit made.
  struct Made {
    std::int16_t id;
    EntryState state;  // Changed or New
    std::vector<std::uint8_t> text;
  };
  // What stands at one place: an entry read or made, by its number.
  struct Ref {
    bool made = false;
    std::size_t index = 0;
  };
  struct Step {
    Edit::Kind kind;
    std::size_t at;
    Ref before;              // of a change or a removal
    Ref after;               // of a change or an insertion
    std::size_t madeBefore;  // entries made before the step
  };

  // Calls visit(index, entry) from the row (entry) `first` on, in order.
  template <bool kRows, typename Visit>
  void walk(std::size_t first, Visit visit) const;
  void appendRead(std::int16_t id, std::span<const std::uint8_t> text);
  std::size_t pieceOfEntry(std::size_t entry) const;
  std::size_t pieceOfRow(std::size_t row) const;
  EntryView readView(const Piece& piece, const ReadEntries::Cursor& at) const {
    return EntryView{piece.byteStart + read_.offset(at) - piece.readByteStart, read_.id(at), read_.text(at),
                     EntryState::AsRead};
  }
  EntryView madeView(const Piece& piece) const {
    const Made& m = made_[piece.first];
    return EntryView{piece.byteStart, m.id, m.text, m.state};
  }

  void record(Step step, std::optional<Made> made);
  Ref refAt(std::size_t entry) const;
  Piece pieceOf(Ref ref) const;
  static Piece single(bool made, std::size_t first, std::size_t length, std::size_t readRowStart,
                      std::uint64_t readByteStart);
  static void join(Piece& piece, const Piece& next);
  void measureLongest(Piece& piece) const noexcept;
  // The pieces' steps; each needs room for three more pieces.
  void replaceAt(std::size_t entry, Ref ref) noexcept;
  void insertAt(std::size_t entry, Ref ref) noexcept;
  void removeAt(std::size_t entry) noexcept;
  std::size_t splitAt(std::size_t entry) noexcept;
  void settle(std::size_t piece) noexcept;
  void findLongest() noexcept;

  std::optional<std::size_t> room_;
  ReadEntries read_;
  std::vector<Made> made_;
  std::vector<Piece> pieces_;
  std::vector<Step> steps_;
  std::size_t done_ = 0;     // steps done; the others can be redone
  std::size_t savedAt_ = 0;  // steps done when the entries were as saved
  std::optional<std::size_t> longestRow_;
  std::size_t longestLength_ = 0;
};

template <typename Visit>
void SpeechModel::forEachEntry(std::size_t first, Visit visit) const {
  walk<false>(first, visit);
}

template <typename Visit>
void SpeechModel::forEachRow(std::size_t first, Visit visit) const {
  walk<true>(first, visit);
}

template <bool kRows, typename Visit>
void SpeechModel::walk(std::size_t first, Visit visit) const {
  if (first >= (kRows ? rowCount() : entryCount())) return;
  for (std::size_t p = kRows ? pieceOfRow(first) : pieceOfEntry(first); p < pieces_.size(); ++p) {
    const Piece& piece = pieces_[p];
    if (kRows && piece.rows == 0) continue;
    const std::size_t start = kRows ? piece.rowStart : piece.entryStart;
    std::size_t index = std::max(first, start);
    if (piece.made) {
      if (!visit(index, madeView(piece))) return;
      continue;
    }
    ReadEntries::Cursor at =
        kRows ? read_.atRow(piece.readRowStart + (index - start)) : read_.at(piece.first + (index - start));
    for (const std::size_t end = piece.first + piece.count; at.entry < end; ++index) {
      if (!visit(index, readView(piece, at))) return;
      if constexpr (kRows) {
        read_.advanceToRow(at);
      } else {
        read_.advance(at);
      }
    }
  }
}

}  // namespace model
