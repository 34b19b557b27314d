// Binary files opened by number, read-only, as the runtime offers them: ask
// for a free number, open a path under it, test for the end, read bytes in
// sequence, close. Reads are buffered, so single-byte reads cost no system
// call each.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "runtime/byte_source.h"
#include "runtime/copy_bytes.h"

namespace runtime {

// One open file: its source, the position of the next byte, and a read
// buffer. Positions are 0-based byte offsets from the start of the file.
//
// The file ends where a read finds no more data, whatever size the system
// gave when it was opened: files the system makes up as they are read give
// 0 (under /proc) or a whole page (under /sys), and they are read to their
// end all the same. A file that became shorter than it was when opened is
// not at its end there: the next read raises an error that says where it
// now ends. Every byte read before the end is used.
class BufferedFile {
 public:
  static constexpr std::size_t kBufferSize = 256 * 1024;

  explicit BufferedFile(std::unique_ptr<ByteSource> source);
  BufferedFile(const BufferedFile&) = delete;
  BufferedFile& operator=(const BufferedFile&) = delete;

  // True once no byte is left to read. When the buffer is used up, this
  // reads ahead to find out.
  bool atEnd() { return cursor_ == limit_ && atEndSlow(); }
  std::uint64_t position() const { return bufferStart_ + static_cast<std::uint64_t>(cursor_ - buffer_.data()); }
  // Where the file's data ends, once a read has found it; until then, the
  // size the system gave when the file was opened.
  std::uint64_t size() const { return dataEnd_ ? *dataEnd_ : openedSize_; }
  // Whether the file was found shorter than it was when opened.
  bool shrank() const { return shrank_; }
  std::optional<FileIdentity> identity() const { return source_->identity(); }

  // Reads the byte at the current position and moves past it. Raises
  // InputPastEndOfFile at the end, with the file left where it was.
  std::uint8_t readByte() {
    if (cursor_ != limit_) return *cursor_++;
    return readByteSlow();
  }

  // Fills `out` with the next out.size() bytes. Raises InputPastEndOfFile
  // when fewer remain, with the file left where it was.
  void readBytes(std::span<std::uint8_t> out) {
    if (out.size() <= static_cast<std::size_t>(limit_ - cursor_)) {
      copyBytes(out.data(), cursor_, out.size());
      cursor_ += out.size();
      return;
    }
    readBytesSlow(out);
  }

 private:
  bool atEndSlow();
  std::uint8_t readByteSlow();
  void readBytesSlow(std::span<std::uint8_t> out);
  [[noreturn]] void raisePastEnd(std::uint64_t at, std::uint64_t count) const;
  // Reads up to out.size() bytes at `offset`, retrying short reads, and
  // returns how many there were: fewer only where the data ends.
  std::size_t readUpTo(std::uint64_t offset, std::span<std::uint8_t> out);
  void noteEnd(std::uint64_t offset);
  // Empties the buffer and puts the position at `offset`.
  void moveTo(std::uint64_t offset);
  // Fills the buffer from the current position on; false when no byte came.
  bool refill();

  std::unique_ptr<ByteSource> source_;
  std::uint64_t openedSize_;
  std::optional<std::uint64_t> dataEnd_;  // where a read found no more data
  bool shrank_ = false;
  std::vector<std::uint8_t> buffer_;
  std::uint64_t bufferStart_ = 0;         // file offset of buffer_[0]
  const std::uint8_t* cursor_ = nullptr;  // next byte to read
  const std::uint8_t* limit_ = nullptr;   // end of the bytes read into buffer_
};

class FileTable {
 public:
  // The numbers handed out when the caller gives no range.
  static constexpr std::int16_t kFirstNumber = 1;
  static constexpr std::int16_t kLastNumber = 255;

  // `opener` turns a path into a source; the default opens real files.
  explicit FileTable(Opener opener = openFileReadOnly);

  // The lowest number not in use. Raises TooManyFiles when all are taken.
  std::int16_t nextFreeNumber() const;

  // Opens `path` in binary mode under `number`. Raises BadFileNameOrNumber
  // for a number out of range, FileAlreadyOpen if it is taken, and whatever
  // the opener raises (file not found, permission denied, ...).
  void openBinary(std::int16_t number, const std::filesystem::path& path);

  bool isOpen(std::int16_t number) const {
    return number >= kFirstNumber && number <= kLastNumber && slots_[number] != nullptr;
  }

  // The open file known by `number`, for a run of calls on it; raises
  // BadFileNameOrNumber for a number that is not open. The reference is valid
  // until the number is closed.
  BufferedFile& openFile(std::int16_t number) {
    if (isOpen(number)) return *slots_[number];
    raiseNotOpen(number);
  }

  // Closes the file; a number that is not open is left alone.
  void close(std::int16_t number) noexcept;

 private:
  [[noreturn]] static void raiseNotOpen(std::int16_t number);

  Opener opener_;
  std::array<std::unique_ptr<BufferedFile>, kLastNumber + 1> slots_;
};

// The process's table of open files, as the runtime keeps one per program.
FileTable& files();

}  // namespace runtime
