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
#include <mutex>
#include <optional>
#include <span>
#include <thread>
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

// The table is safe for use from several threads at once: two threads that
// each ask for a free number and open a file under it are never handed one
// number, and each reads its own open file.
class FileTable {
 public:
  // The numbers handed out when the caller gives no range.
  static constexpr std::int16_t kFirstNumber = 1;
  static constexpr std::int16_t kLastNumber = 255;

  // `opener` turns a path into a source; the default opens real files.
  explicit FileTable(Opener opener = openFileReadOnly);

  // The lowest number not in use. Raises TooManyFiles when all are taken.
  // The number is kept for the calling thread until it opens a file under
  // it or closes it: the same thread is handed it again, another thread the
  // next one, so that asking and then opening is one step for each thread.
  std::int16_t nextFreeNumber();

  // Opens `path` in binary mode under `number`. Raises BadFileNameOrNumber
  // for a number out of range, FileAlreadyOpen if it is taken (open, or kept
  // for another thread), and whatever the opener raises (file not found,
  // permission denied, ...). The opener runs without holding the table, so
  // a slow open holds up no other thread.
  void openBinary(std::int16_t number, const std::filesystem::path& path);

  bool isOpen(std::int16_t number) const;

  // The open file known by `number`, for a run of calls on it; raises
  // BadFileNameOrNumber for a number that is not open. The reference is valid
  // until the number is closed; only one thread at a time reads through it.
  BufferedFile& openFile(std::int16_t number);

  // Closes the file, and gives up a number kept for this thread; a number
  // that is not open is left alone.
  void close(std::int16_t number) noexcept;

 private:
  [[noreturn]] static void raiseNotOpen(std::int16_t number);
  static bool inRange(std::int16_t number) { return number >= kFirstNumber && number <= kLastNumber; }
  // Whether `number` is neither open nor kept for another thread than this
  // one. Called with the lock held.
  bool freeForThisThread(std::int16_t number) const;

  Opener opener_;
  mutable std::mutex mutex_;
  std::array<std::unique_ptr<BufferedFile>, kLastNumber + 1> slots_;
  // The thread each free number is kept for; no thread where none is.
  std::array<std::thread::id, kLastNumber + 1> keptFor_;
};

// The process's table of open files, as the runtime keeps one per program.
FileTable& files();

}  // namespace runtime
