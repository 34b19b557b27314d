#include "runtime/file_table.h"

#include <algorithm>
#include <cstring>

#include "runtime/errors.h"

namespace runtime {

BufferedFile::BufferedFile(std::unique_ptr<ByteSource> source) : source_(std::move(source)), size_(source_->size()) {}

void BufferedFile::requireRemaining(std::uint64_t count) const {
  const std::uint64_t at = position();
  if (at <= size_ && count <= size_ - at) return;
  throw RuntimeError(ErrorNumber::InputPastEndOfFile, "The file ends at byte " + std::to_string(size_) + ", but " +
                                                          std::to_string(count) +
                                                          (count == 1 ? " more byte is" : " more bytes are") +
                                                          " needed at byte " + std::to_string(at) + ".");
}

void BufferedFile::readExactly(std::uint64_t offset, std::span<std::uint8_t> out) {
  std::size_t done = 0;
  while (done < out.size()) {
    const std::size_t n = source_->readAt(offset + done, out.subspan(done));
    if (n == 0) {
      throw RuntimeError(ErrorNumber::InputPastEndOfFile,
                         "The file became shorter while it was read: it ended at byte " +
                             std::to_string(offset + done) + ", though it had " + std::to_string(size_) +
                             " bytes when it was opened.");
    }
    done += n;
  }
}

void BufferedFile::moveTo(std::uint64_t offset) {
  bufferStart_ = offset;
  cursor_ = limit_ = buffer_.data();
}

void BufferedFile::refill() {
  const std::uint64_t at = position();
  if (buffer_.empty()) buffer_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kBufferSize, size_)));
  moveTo(at);  // the buffer stays empty if the read below fails
  const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), size_ - at));
  readExactly(at, std::span(buffer_).first(length));
  limit_ = buffer_.data() + length;
}

std::uint8_t BufferedFile::readByteSlow() {
  requireRemaining(1);
  refill();
  return *cursor_++;
}

void BufferedFile::readBytesSlow(std::span<std::uint8_t> out) {
  requireRemaining(out.size());
  const std::uint64_t start = position();
  // Whatever the buffer still holds comes first.
  const auto done = static_cast<std::size_t>(limit_ - cursor_);
  if (done > 0) std::memcpy(out.data(), cursor_, done);
  cursor_ = limit_;
  const std::span<std::uint8_t> rest = out.subspan(done);
  try {
    if (rest.size() >= kBufferSize) {
      // A block larger than the buffer goes straight into the caller's memory.
      readExactly(start + done, rest);
      moveTo(start + out.size());
    } else {
      refill();
      std::memcpy(rest.data(), cursor_, rest.size());
      cursor_ += rest.size();
    }
  } catch (...) {
    moveTo(start);
    throw;
  }
}

FileTable::FileTable(Opener opener) : opener_(std::move(opener)) {}

std::int16_t FileTable::nextFreeNumber() const {
  for (std::int16_t number = kFirstNumber; number <= kLastNumber; ++number) {
    if (!slots_[number]) return number;
  }
  throw RuntimeError(ErrorNumber::TooManyFiles, "All file numbers from 1 to 255 are in use.");
}

void FileTable::openBinary(std::int16_t number, const std::filesystem::path& path) {
  if (number < kFirstNumber || number > kLastNumber) {
    throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "File number " + std::to_string(number) + " is out of range.");
  }
  if (slots_[number]) {
    throw RuntimeError(ErrorNumber::FileAlreadyOpen, "File number " + std::to_string(number) + " is in use.");
  }
  slots_[number] = std::make_unique<BufferedFile>(opener_(path));
}

void FileTable::close(std::int16_t number) noexcept {
  if (isOpen(number)) slots_[number].reset();
}

void FileTable::raiseNotOpen(std::int16_t number) {
  throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "File number " + std::to_string(number) + " is not open.");
}

FileTable& files() {
  static FileTable table;
  return table;
}

}  // namespace runtime
