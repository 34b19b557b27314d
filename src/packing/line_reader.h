// The input's lines, read a block at a time: each line's bytes without its
// line feed, the line feed's place free for a terminating zero. A line that
// goes on past its line feed (a quoted csv field with a line break) takes the
// next one in.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/byte_source.h"

namespace packing {

class LineReader {
 public:
  // No line may be longer than this, so that a hostile input without line
  // ends cannot take all memory.
  static constexpr std::size_t kLongestLine = std::size_t{16} << 20;

  // Reads `source` from its start; it must outlive the reader. Skips a
  // UTF-8 byte-order mark; raises PackError for an empty input and for one
  // in UTF-16.
  explicit LineReader(runtime::ByteSource& source);

  // Starts the next line; false at the end of the input.
  bool nextLine();
  // Takes the next line into the current one, after its line feed; false
  // when there is no next line.
  bool takeNextLine();

  // The current line's bytes, from its first line's start to the end of the
  // last one taken in, without the final line feed (a CR before it stays).
  // The byte at end() may be written (it was the line feed, or is spare
  // room). Valid until the next call of nextLine() or takeNextLine().
  char* begin() { return buffer_.data() + lineStart_; }
  char* end() { return buffer_.data() + lineEnd_; }
  std::string_view line() const { return {buffer_.data() + lineStart_, lineEnd_ - lineStart_}; }
  // The number of the current line's first line, from 1.
  std::uint64_t lineNumber() const { return lineNumber_; }
  // The first byte of the input after a byte-order mark, for telling its
  // format; 0 when there is none.
  char firstByte();

 private:
  // Finds the end of the line that continues at `from`, reading more as
  // needed; false when the input has ended there with no byte.
  bool findLineEnd(std::size_t from);
  // Reads more of the input after what the buffer holds, keeping the current
  // line; false at the end of the input.
  bool readMore();

  runtime::ByteSource& source_;
  std::uint64_t sourceOffset_ = 0;
  bool sourceEnded_ = false;
  std::vector<char> buffer_;
  std::size_t filled_ = 0;     // bytes of the input in buffer_
  std::size_t lineStart_ = 0;  // the current line
  std::size_t lineEnd_ = 0;
  std::size_t next_ = 0;  // where the next line starts
  std::uint64_t lineNumber_ = 0;
  std::uint64_t linesTaken_ = 0;  // lines in the current one
};

}  // namespace packing
