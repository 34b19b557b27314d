#include "model/speech_model.h"

#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

namespace model {
namespace {

constexpr std::size_t kNever = std::numeric_limits<std::size_t>::max();

// Makes room for `size` elements, growing by twice as much as there is, so
// that what follows cannot fail and a long run of edits stays linear.
template <typename T>
void reserveFor(std::vector<T>& items, std::size_t size) {
  if (items.capacity() < size) items.reserve(std::max(size, 2 * items.capacity()));
}

void requireEntry(std::size_t entry, std::size_t count) {
  if (entry >= count) {
    throw std::out_of_range("There is no entry " + std::to_string(entry) + "; there are " + std::to_string(count) +
                            ".");
  }
}

void requireText(std::span<const std::uint8_t> text) {
  if (text.size() > static_cast<std::size_t>(speechfile::kMaxTextLength)) {
    throw std::length_error("A text of " + std::to_string(text.size()) + " bytes is longer than the " +
                            std::to_string(speechfile::kMaxTextLength) + " bytes an entry can hold.");
  }
}

}  // namespace

SpeechModel::SpeechModel(std::optional<std::size_t> room) : room_(room), read_(room) {}

void SpeechModel::clear() {
  // The old memory goes when the empty model takes its place.
  *this = SpeechModel(room_);
}

void SpeechModel::appendRead(std::int16_t id, std::span<const std::uint8_t> text) {
  const bool extends =
      !pieces_.empty() && !pieces_.back().made && pieces_.back().first + pieces_.back().count == read_.size();
  // What can fail comes first, so that a failure leaves the model as it was.
  if (!extends) reserveFor(pieces_, pieces_.size() + 1);
  // Every text the Get reads passes here once: what is to be learnt of the
  // texts as a whole is best learnt here, without a second pass.
  read_.append(id, text);

  const std::size_t length = text.size();
  const std::size_t row = rowCount();
  Piece entry = single(false, read_.size() - 1, length, read_.rows() - (length ? 1 : 0),
                       read_.fileBytes() - speechfile::kHeaderSize - length);
  if (extends) {
    join(pieces_.back(), entry);
  } else {
    entry.entryStart = entryCount();
    entry.rowStart = row;
    entry.byteStart = fileSize();
    pieces_.push_back(entry);
  }
  if (length > longestLength_) {
    longestLength_ = length;
    longestRow_ = row;
  }
}

SpeechModel::Piece SpeechModel::single(bool made, std::size_t first, std::size_t length, std::size_t readRowStart,
                                       std::uint64_t readByteStart) {
  return Piece{.made = made,
               .first = first,
               .count = 1,
               .rows = length ? std::size_t{1} : 0,
               .bytes = speechfile::kHeaderSize + length,
               .entryStart = 0,
               .rowStart = 0,
               .byteStart = 0,
               .readRowStart = readRowStart,
               .readByteStart = readByteStart,
               .longest = length,
               .longestRow = 0};
}

void SpeechModel::join(Piece& piece, const Piece& next) {
  if (next.longest > piece.longest) {
    piece.longest = next.longest;
    piece.longestRow = piece.rows + next.longestRow;
  }
  piece.count += next.count;
  piece.rows += next.rows;
  piece.bytes += next.bytes;
}

void SpeechModel::measureLongest(Piece& piece) const noexcept {
  const std::optional<ReadEntries::Cursor> longest = read_.longestIn(piece.first, piece.first + piece.count);
  piece.longest = longest ? read_.length(*longest) : 0;
  piece.longestRow = longest ? longest->row - piece.readRowStart : 0;
}

std::size_t SpeechModel::pieceOfEntry(std::size_t entry) const {
  const auto after = std::upper_bound(pieces_.begin(), pieces_.end(), entry,
                                      [](std::size_t e, const Piece& p) { return e < p.entryStart; });
  return static_cast<std::size_t>(after - pieces_.begin()) - 1;
}

std::size_t SpeechModel::pieceOfRow(std::size_t row) const {
  // The last piece that starts at or before the row holds it: pieces
  // without text share their row with the next.
  const auto after = std::upper_bound(pieces_.begin(), pieces_.end(), row,
                                      [](std::size_t r, const Piece& p) { return r < p.rowStart; });
  return static_cast<std::size_t>(after - pieces_.begin()) - 1;
}

EntryView SpeechModel::entry(std::size_t index) const {
  const Piece& piece = pieces_[pieceOfEntry(index)];
  if (piece.made) return madeView(piece);
  return readView(piece, read_.at(piece.first + (index - piece.entryStart)));
}

EntryView SpeechModel::row(std::size_t row) const {
  const Piece& piece = pieces_[pieceOfRow(row)];
  if (piece.made) return madeView(piece);
  return readView(piece, read_.atRow(piece.readRowStart + (row - piece.rowStart)));
}

std::size_t SpeechModel::entryOfRow(std::size_t row) const {
  const Piece& piece = pieces_[pieceOfRow(row)];
  if (piece.made) return piece.entryStart;
  const ReadEntries::Cursor at = read_.atRow(piece.readRowStart + (row - piece.rowStart));
  return piece.entryStart + (at.entry - piece.first);
}

std::optional<std::size_t> SpeechModel::rowOfEntry(std::size_t entry) const {
  const Piece& piece = pieces_[pieceOfEntry(entry)];
  if (piece.rows == 0) return std::nullopt;
  if (piece.made) return piece.rowStart;
  const ReadEntries::Cursor at = read_.at(piece.first + (entry - piece.entryStart));
  if (read_.length(at) == 0) return std::nullopt;
  return piece.rowStart + (at.row - piece.readRowStart);
}

// ---- Editing

void SpeechModel::change(std::size_t entry, std::int16_t id, std::span<const std::uint8_t> text) {
  requireEntry(entry, entryCount());
  requireText(text);
  const Ref before = refAt(entry);
  const bool wasNew = before.made && made_[before.index].state == EntryState::New;
  record(Step{Edit::Kind::Change, entry, before, {}, 0},
         Made{id, wasNew ? EntryState::New : EntryState::Changed, {text.begin(), text.end()}});
}

void SpeechModel::insert(std::size_t at, std::int16_t id, std::span<const std::uint8_t> text) {
  requireEntry(at, entryCount() + 1);
  requireText(text);
  record(Step{Edit::Kind::Insert, at, {}, {}, 0}, Made{id, EntryState::New, {text.begin(), text.end()}});
}

void SpeechModel::remove(std::size_t entry) {
  requireEntry(entry, entryCount());
  record(Step{Edit::Kind::Remove, entry, refAt(entry), {}, 0}, std::nullopt);
}

void SpeechModel::record(Step step, std::optional<Made> made) {
  // Steps that could be redone go, and the entries only they made.
  const std::size_t madeKept = done_ < steps_.size() ? steps_[done_].madeBefore : made_.size();
  // What can fail comes first, so that a failure leaves the model as it was.
  reserveFor(pieces_, pieces_.size() + 3);
  reserveFor(steps_, done_ + 1);
  if (made) reserveFor(made_, madeKept + 1);

  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  made_.erase(made_.begin() + static_cast<std::ptrdiff_t>(madeKept), made_.end());
  if (savedAt_ > done_) savedAt_ = kNever;
  step.madeBefore = made_.size();
  if (made) {
    made_.push_back(std::move(*made));
    step.after = Ref{true, made_.size() - 1};
  }
  switch (step.kind) {
    case Edit::Kind::Change: replaceAt(step.at, step.after); break;
    case Edit::Kind::Insert: insertAt(step.at, step.after); break;
    case Edit::Kind::Remove: removeAt(step.at); break;
  }
  steps_.push_back(step);
  ++done_;
  findLongest();
}

std::optional<Edit> SpeechModel::undo() {
  if (!canUndo()) return std::nullopt;
  reserveFor(pieces_, pieces_.size() + 3);
  const Step& step = steps_[--done_];
  Edit done{step.kind, step.at};
  switch (step.kind) {
    case Edit::Kind::Change: replaceAt(step.at, step.before); break;
    case Edit::Kind::Insert:
      removeAt(step.at);
      done.kind = Edit::Kind::Remove;
      break;
    case Edit::Kind::Remove:
      insertAt(step.at, step.before);
      done.kind = Edit::Kind::Insert;
      break;
  }
  findLongest();
  return done;
}

std::optional<Edit> SpeechModel::redo() {
  if (!canRedo()) return std::nullopt;
  reserveFor(pieces_, pieces_.size() + 3);
  const Step& step = steps_[done_++];
  switch (step.kind) {
    case Edit::Kind::Change: replaceAt(step.at, step.after); break;
    case Edit::Kind::Insert: insertAt(step.at, step.after); break;
    case Edit::Kind::Remove: removeAt(step.at); break;
  }
  findLongest();
  return Edit{step.kind, step.at};
}

SpeechModel::Ref SpeechModel::refAt(std::size_t entry) const {
  const Piece& piece = pieces_[pieceOfEntry(entry)];
  return piece.made ? Ref{true, piece.first} : Ref{false, piece.first + (entry - piece.entryStart)};
}

SpeechModel::Piece SpeechModel::pieceOf(Ref ref) const {
  if (ref.made) return single(true, ref.index, made_[ref.index].text.size(), 0, 0);
  const ReadEntries::Cursor at = read_.at(ref.index);
  return single(false, ref.index, read_.length(at), at.row, read_.offset(at));
}

void SpeechModel::replaceAt(std::size_t entry, Ref ref) noexcept {
  const std::size_t piece = splitAt(entry);
  splitAt(entry + 1);
  pieces_[piece] = pieceOf(ref);
  settle(piece);
}

void SpeechModel::insertAt(std::size_t entry, Ref ref) noexcept {
  const std::size_t piece = splitAt(entry);
  pieces_.insert(pieces_.begin() + static_cast<std::ptrdiff_t>(piece), pieceOf(ref));
  settle(piece);
}

void SpeechModel::removeAt(std::size_t entry) noexcept {
  const std::size_t piece = splitAt(entry);
  splitAt(entry + 1);
  pieces_.erase(pieces_.begin() + static_cast<std::ptrdiff_t>(piece));
  settle(piece);
}

// Returns the piece that starts at `entry` (pieces_.size() at the end),
// splitting the run it stands in when it stands inside one.
std::size_t SpeechModel::splitAt(std::size_t entry) noexcept {
  if (entry >= entryCount()) return pieces_.size();
  const std::size_t index = pieceOfEntry(entry);
  Piece& left = pieces_[index];
  if (left.entryStart == entry) return index;
  // Only a run read stands over more than one entry.
  const ReadEntries::Cursor at = read_.at(left.first + (entry - left.entryStart));
  Piece right = left;
  left.count = entry - left.entryStart;
  left.rows = at.row - left.readRowStart;
  left.bytes = read_.offset(at) - left.readByteStart;
  right.first += left.count;
  right.count -= left.count;
  right.rows -= left.rows;
  right.bytes -= left.bytes;
  right.entryStart = entry;
  right.rowStart += left.rows;
  right.byteStart += left.bytes;
  right.readRowStart = at.row;
  right.readByteStart = read_.offset(at);
  // The longest text stays with the part it is in; the other is measured.
  if (left.longest > 0 && left.longestRow < left.rows) {
    measureLongest(right);
  } else {
    right.longestRow -= left.rows;
    measureLongest(left);
  }
  pieces_.insert(pieces_.begin() + static_cast<std::ptrdiff_t>(index) + 1, right);
  return index + 1;
}

// Joins the runs read that meet again around the piece `piece`, and sets
// where each piece from there on stands.
void SpeechModel::settle(std::size_t piece) noexcept {
  const std::size_t from = piece > 0 ? piece - 1 : 0;
  for (std::size_t i = from; i <= piece && i + 1 < pieces_.size();) {
    Piece& a = pieces_[i];
    const Piece& b = pieces_[i + 1];
    if (a.made || b.made || a.first + a.count != b.first) {
      ++i;
      continue;
    }
    join(a, b);
    pieces_.erase(pieces_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
  }
  for (std::size_t i = from; i < pieces_.size(); ++i) {
    Piece& p = pieces_[i];
    if (i == 0) {
      p.entryStart = p.rowStart = 0;
      p.byteStart = 0;
      continue;
    }
    const Piece& before = pieces_[i - 1];
    p.entryStart = before.entryStart + before.count;
    p.rowStart = before.rowStart + before.rows;
    p.byteStart = before.byteStart + before.bytes;
  }
}

void SpeechModel::findLongest() noexcept {
  longestRow_.reset();
  longestLength_ = 0;
  for (const Piece& piece : pieces_) {
    if (piece.longest > longestLength_) {
      longestLength_ = piece.longest;
      longestRow_ = piece.rowStart + piece.longestRow;
    }
  }
}

}  // namespace model
