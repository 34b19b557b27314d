#include "runtime/file_table.h"

#include <algorithm>
#include <cstring>

#include "runtime/errors.h"

namespace runtime {

BufferedFile::BufferedFile(std::unique_ptr<ByteSource> source)
    : source_(std::move(source)), size_(source_->size()) {}

void BufferedFile::requireRemaining(std::uint64_t count) const {
  if (position_ <= size_ && count <= size_ - position_) return;
  throw RuntimeError(ErrorNumber::InputPastEndOfFile,
                     "needs " + std::to_string(count) + (count == 1 ? " byte" : " bytes") + " at byte offset " +
                         std::to_string(position_) + ", but the file ends at byte " + std::to_string(size_));
}

void BufferedFile::readExactly(std::uint64_t offset, std::span<std::uint8_t> out) {
  std::size_t done = 0;
  while (done < out.size()) {
    const std::size_t n = source_->readAt(offset + done, out.subspan(done));
    if (n == 0) {
      throw RuntimeError(ErrorNumber::InputPastEndOfFile,
                         "the file ended at byte " + std::to_string(offset + done) + " while it was read; it had " +
                             std::to_string(size_) + " bytes when opened");
    }
    done += n;
  }
}

void BufferedFile::refill() {
  if (buffer_.empty()) buffer_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kBufferSize, size_)));
  const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), size_ - position_));
  bufferLength_ = 0;  // stays invalid if the read below fails
  readExactly(position_, std::span(buffer_).first(length));
  bufferStart_ = position_;
  bufferLength_ = length;
}

std::uint8_t BufferedFile::readByteSlow() {
  requireRemaining(1);
  refill();
  return buffer_[position_++ - bufferStart_];
}

void BufferedFile::readBytes(std::span<std::uint8_t> out) {
  requireRemaining(out.size());
  // Whatever the buffer already holds comes first.
  std::size_t done = 0;
  if (position_ - bufferStart_ < bufferLength_) {
    const std::size_t offset = static_cast<std::size_t>(position_ - bufferStart_);
    done = std::min(out.size(), bufferLength_ - offset);
    std::memcpy(out.data(), buffer_.data() + offset, done);
  }
  const std::size_t rest = out.size() - done;
  if (rest == 0) {
    position_ += done;
    return;
  }
  if (rest >= kBufferSize) {
    // A block larger than the buffer goes straight into the caller's memory.
    readExactly(position_ + done, out.subspan(done));
    position_ += out.size();
    return;
  }
  const std::uint64_t start = position_;
  position_ += done;
  try {
    refill();
  } catch (...) {
    position_ = start;
    throw;
  }
  std::memcpy(out.data() + done, buffer_.data(), rest);
  position_ += rest;
}

FileTable::FileTable(Opener opener) : opener_(std::move(opener)) {}

std::int16_t FileTable::nextFreeNumber() const {
  for (std::int16_t number = kFirstNumber; number <= kLastNumber; ++number) {
    if (!slots_[number]) return number;
  }
  throw RuntimeError(ErrorNumber::TooManyFiles, "all file numbers from 1 to 255 are in use");
}

void FileTable::openBinary(std::int16_t number, const std::string& path) {
  if (number < kFirstNumber || number > kLastNumber) {
    throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "file number " + std::to_string(number) + " is out of range");
  }
  if (slots_[number]) {
    throw RuntimeError(ErrorNumber::FileAlreadyOpen, "file number " + std::to_string(number) + " is in use");
  }
  slots_[number] = std::make_unique<BufferedFile>(opener_(path));
}

bool FileTable::isOpen(std::int16_t number) const {
  return number >= kFirstNumber && number <= kLastNumber && slots_[number] != nullptr;
}

void FileTable::close(std::int16_t number) noexcept {
  if (isOpen(number)) slots_[number].reset();
}

void FileTable::raiseNotOpen(std::int16_t number) {
  throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "file number " + std::to_string(number) + " is not open");
}

FileTable& files() {
  static FileTable table;
  return table;
}

}  // namespace runtime
