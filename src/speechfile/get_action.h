// The Get action: empty the list, open the speech file named by the path
// source, read its records in file order and append one list line for each
// record that has text, then close the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "runtime/arrays.h"
#include "runtime/errors.h"
#include "runtime/file_table.h"

namespace speechfile {

// The reading state. The window owns one and hands it to every run; the
// fields keep the values the last run left in them.
struct ReadingState {
  std::int16_t iSpeechID = 0;  // ID of the record being read
  std::uint8_t bFirst = 0;     // first byte read of a 16-bit field (high)
  std::uint8_t bSecond = 0;    // second byte read of a 16-bit field (low)
  std::int16_t iTextLen = 0;   // text length of the record being read
  runtime::ByteArray bText;    // the record's text bytes
  std::int16_t iFileNum = 0;   // number of the open speech file
};

// One entry of the speech file as the Get action hands it to the list.
// Its list line is listing::formatListLine(scratch, id, text).
struct Entry {
  std::uint64_t offset;  // byte offset of the record's first byte
  std::int16_t id;
  std::span<const std::uint8_t> text;  // valid only during the call
};

// The file the Get action opened, as it tells the list before the first
// entry.
struct OpenedFile {
  std::filesystem::path path;                     // as given
  std::optional<runtime::FileIdentity> identity;  // where the system tells it
  std::uint64_t size = 0;                         // in bytes, when it was opened
};

// Where the lines go: in the window, the list; in speechlist, standard output.
class LineList {
 public:
  virtual ~LineList() = default;
  // Removes every line.
  virtual void clear() = 0;
  // Appends the line of an entry that has text at the end of the list. May
  // raise a RuntimeError (such as OutOfMemory), which ends the action.
  virtual void addItem(const Entry& entry) = 0;
  // Tells of an entry without text, which yields no line. Lists that export
  // every entry override it; the others ignore it.
  virtual void skipEmpty(const Entry& /*entry*/) {}
  // Tells which file the action opened, before its first entry. Lists that
  // must know the file their lines come from override it.
  virtual void opened(const OpenedFile& /*file*/) {}
};

// An error that ended the Get action: the runtime's error, with a
// description in plain words of what is wrong with the file and where, and
// the byte offset of the first byte of the record where reading stopped
// (none when the action stopped before reading, as when the open fails).
// what() is the path in quotes, then the runtime error's text:
//   "/data/speech.mul": The entry at byte 15 gives a text length of 0x8000,
//   more than the 32,767 bytes an entry can hold. (Overflow, runtime error 6)
class GetError : public std::runtime_error {
 public:
  GetError(const std::filesystem::path& path, std::optional<std::uint64_t> recordOffset, runtime::RuntimeError cause);

  std::optional<std::uint64_t> recordOffset() const { return recordOffset_; }
  const runtime::RuntimeError& cause() const { return cause_; }

 private:
  std::optional<std::uint64_t> recordOffset_;
  runtime::RuntimeError cause_;
};

// The error for an entry that no memory is left to list.
runtime::RuntimeError outOfMemoryAt(std::uint64_t recordOffset);

// Runs the Get action with `state` as the reading state on the file at
// `path`, used exactly as given (in the window, the path field as it was when
// Get was clicked), taking its file number from `files`. Lines are appended
// as their records are read.
//
// Raises only GetError: when no file number is free, when the open fails, or
// when a record cannot be read (a file that ends inside a record or became
// shorter while it was read, a negative text length (0x8000 and up), a read
// error, a list that cannot take more lines). The lines appended before the
// error stay in the list (every whole record read before the file's end),
// no line is appended for the record that failed, and the file is closed on
// every path.
void runGetAction(ReadingState& state, const std::filesystem::path& path, LineList& list,
                  runtime::FileTable& files = runtime::files());

}  // namespace speechfile
