// The Get action: empty the list, open the speech file named by the path
// source, read its records in file order and append one list line for each
// record that has text, then close the file.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/arrays.h"
#include "runtime/errors.h"
#include "runtime/file_table.h"

namespace speechfile {

// The reading state. The window owns one and hands it to every run; the
// fields keep the values the last run left in them.
struct ReadingState {
  std::int16_t iSpeechID = 0;      // ID of the record being read
  std::uint8_t bFirst = 0;         // first byte read of a 16-bit field (high)
  std::uint8_t bSecond = 0;        // second byte read of a 16-bit field (low)
  std::int16_t iTextLen = 0;       // text length of the record being read
  runtime::ByteArray bText;        // the record's text bytes
  std::int16_t iFileNum = 0;       // number of the open speech file
};

// Where the path comes from: in the window, the path field.
class PathSource {
 public:
  virtual ~PathSource() = default;
  // The current text, exactly as typed, in UTF-8.
  virtual std::string pathText() const = 0;
};

// Where the lines go: in the window, the list; in speechlist, standard output.
class LineList {
 public:
  virtual ~LineList() = default;
  virtual void clear() = 0;
  // Appends `line` (UTF-8) at the end. The view is only valid for the call.
  virtual void addItem(std::string_view line) = 0;
};

// An error that ended the Get action: the runtime's error, and the byte offset of the first byte of the record where reading stopped (none
// when the action stopped before reading, as when the open fails). Its
// message names the path as well.
class GetError : public std::runtime_error {
 public:
  GetError(const std::string& path, std::optional<std::uint64_t> recordOffset, runtime::RuntimeError cause);

  std::optional<std::uint64_t> recordOffset() const { return recordOffset_; }
  const runtime::RuntimeError& cause() const { return cause_; }

 private:
  std::optional<std::uint64_t> recordOffset_;
  runtime::RuntimeError cause_;
};

// Runs the Get action with `state` as the reading state, taking its file
// number from `files`. Lines are appended as their records are read.
//
// Raises GetError when the open fails or a record cannot be read: a file that
// ends inside a record, a negative text length (0x8000 and up), a read error.
// The lines appended before the error stay in the list, no line is appended
// for the record that failed, and the file is closed on every path.
void runGetAction(ReadingState& state, const PathSource& pathSource, LineList& list,
                  runtime::FileTable& files = runtime::files());

}  // namespace speechfile
