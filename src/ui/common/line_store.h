// The list's lines as a window keeps them: a view over the speech file's
// model (model/speech_model.h), which keeps every entry, as read and as
// edited; the rows are its entries that have text. A line's text is formed
// again when it is shown, copied or saved, exactly as the Get action forms it.
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

#include "listing/utf8_evidence.h"
#include "model/speech_model.h"
#include "runtime/encoding.h"
#include "runtime/platform.h"
#include "speechfile/get_action.h"

namespace ui {

class LineStore final : public speechfile::LineList {
 public:
  // List controls count their lines in an int.
  static constexpr std::size_t kMaxRows = INT_MAX;

  // Takes the memory reserve, or under a limit on the address space, what
  // the entries may take of it (memory_reserve.h).
  LineStore();

  // Empties the list at once and gives its memory back.
  void clear() override;
  // Stores the entry as the next row. Raises OutOfMemory past kMaxRows; lets
  // std::bad_alloc through when memory runs out, or the entries would take
  // the window's room under a limit, with the rows stored so far kept as
  // they were and the memory reserve (memory_reserve.h) given back.
  void addItem(const speechfile::Entry& entry) override;
  // Stores an entry without text, which is no row, the same way.
  void skipEmpty(const speechfile::Entry& entry) override;
  // Keeps the file the rows come from.
  void opened(const speechfile::OpenedFile& file) override;

  // Whether the texts stored from now on are weighed as UTF-8 or not (off
  // until asked for; clear() keeps it), and what they showed.
  void weighUtf8(bool on) { weighUtf8_ = on; }
  bool looksLikeUtf8() const { return weighUtf8_ && utf8_.looksLikeUtf8(); }

  // The file the rows were read from, as the Get opened it: its path made
  // absolute then, and its identity, which stays with the file however it is
  // named later. None before a Get, or when the Get opened nothing.
  struct Source {
    std::filesystem::path path;
    std::optional<runtime::FileIdentity> identity;
    // What the system said of the file as it was opened (or saved): none
    // when it could not tell, or named another file by then.
    std::optional<runtime::ReplacedFile> facts;
  };
  const std::optional<Source>& source() const { return source_; }
  // The file the entries are to be saved to from now on: the one a save as
  // wrote, or none for entries that come from no speech file.
  void setSource(std::optional<Source> source) { source_ = std::move(source); }

  // Every entry the Get read, and the edits made to them since.
  const model::SpeechModel& entries() const { return entries_; }
  model::SpeechModel& entries() { return entries_; }

  std::size_t rowCount() const { return entries_.rowCount(); }

  // A row: its entry's offset, ID, text bytes (valid until the store
  // changes) and whether it is as read, changed or new.
  using Row = model::EntryView;
  // What a row's line is written into.
  struct Scratch {
    std::string line;
  };

  Row row(std::size_t index, Scratch& /*scratch*/) const { return entries_.row(index); }
  // The row's list line, UTF-8, exactly as the Get action forms it with the
  // text in `encoding` (the system default unless given).
  std::string_view line(std::size_t index, Scratch& scratch,
                        runtime::Encoding encoding = runtime::Encoding::systemDefault()) const;

  // The row with the longest text in bytes, or rowCount() when there is none.
  std::size_t longestRow() const { return entries_.longestRow(); }

  // Calls visit(index, row) for the rows from `first` on, in order, while it
  // returns true. Faster than row() for every index.
  template <typename Visit>
  void forEachRow(std::size_t first, Scratch& /*scratch*/, Visit visit) const {
    entries_.forEachRow(first, visit);
  }

 private:
  // Stores an entry, giving the memory reserve back when memory runs out.
  template <typename Store>
  void storeOrRelease(Store store);

  std::optional<Source> source_;
  model::SpeechModel entries_;
  bool weighUtf8_ = false;
  listing::Utf8Evidence utf8_;
};

}  // namespace ui
