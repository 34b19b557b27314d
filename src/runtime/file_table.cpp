#include "runtime/file_table.h"

#include <algorithm>
#include <cstring>

#include "runtime/errors.h"
#include "texts/texts.h"

namespace runtime {

namespace {

// The first buffer of a small file holds it whole, with room for the read
// that finds its end.
constexpr std::size_t kSmallestBuffer = 4096;

}  // namespace

BufferedFile::BufferedFile(std::unique_ptr<ByteSource> source)
    : source_(std::move(source)), openedSize_(source_->size()) {}

void BufferedFile::noteEnd(std::uint64_t offset) {
  dataEnd_ = offset;
  // Data that ends before the size the file had when opened: the file
  // became shorter if the system now gives a smaller size too; otherwise
  // its size was never right (files the system makes up as they are read).
  shrank_ = offset < openedSize_ && source_->currentSize().value_or(0) < openedSize_;
}

std::size_t BufferedFile::readUpTo(std::uint64_t offset, std::span<std::uint8_t> out) {
  std::size_t done = 0;
  while (done < out.size()) {
    const std::size_t n = source_->readAt(offset + done, out.subspan(done));
    if (n == 0) {
      noteEnd(offset + done);
      break;
    }
    done += n;
  }
  return done;
}

void BufferedFile::raisePastEnd(std::uint64_t at, std::uint64_t count) const {
  if (shrank_) {
    // Where the file ends now, asked now: another program may have cut it
    // further back than the read had come.
    const std::optional<std::uint64_t> now = source_->currentSize();
    const std::string opened = std::to_string(openedSize_);
    if (!now || *now > size()) {
      throw RuntimeError(ErrorNumber::InputPastEndOfFile,
                         texts::text(SPEECH_TEXT("file",
                                                 "The file became shorter while it was read: its data ended at byte "
                                                 "%1, though it had %2 bytes when it was opened."),
                                     {std::to_string(size()), opened}));
    }
    if (*now < size()) {
      throw RuntimeError(ErrorNumber::InputPastEndOfFile,
                         texts::text(SPEECH_TEXT("file",
                                                 "The file became shorter while it was read: it now ends at byte %1, "
                                                 "though it had %2 bytes when it was opened (the read had come to "
                                                 "byte %3)."),
                                     {std::to_string(*now), opened, std::to_string(size())}));
    }
    throw RuntimeError(ErrorNumber::InputPastEndOfFile,
                       texts::text(SPEECH_TEXT("file",
                                               "The file became shorter while it was read: it now ends at byte %1, "
                                               "though it had %2 bytes when it was opened."),
                                   {std::to_string(*now), opened}));
  }
  // %1 is where the file ends, %2 where the bytes were needed.
  throw RuntimeError(
      ErrorNumber::InputPastEndOfFile,
      texts::text(SPEECH_TEXT_N("file", "The file ends at byte %1, but %n more bytes are needed at byte %2.",
                                "The file ends at byte %1, but %n more byte is needed at byte %2."),
                  count, {std::to_string(size()), std::to_string(at)}));
}

void BufferedFile::moveTo(std::uint64_t offset) {
  bufferStart_ = offset;
  cursor_ = limit_ = buffer_.data();
}

bool BufferedFile::refill() {
  const std::uint64_t at = position();
  if (buffer_.empty()) {
    buffer_.resize(static_cast<std::size_t>(std::clamp<std::uint64_t>(openedSize_ + 1, kSmallestBuffer, kBufferSize)));
  } else if (at >= openedSize_ && buffer_.size() < kBufferSize) {
    buffer_.resize(kBufferSize);  // read past the size the file gave: it may be large
  }
  moveTo(at);  // the buffer stays empty if the read below fails
  limit_ = buffer_.data() + readUpTo(at, buffer_);
  return limit_ != cursor_;
}

bool BufferedFile::atEndSlow() {
  if (refill()) return false;
  // A file that became shorter is not at its end here: the entries it had
  // further on are missing, and the next read says so.
  return !shrank_;
}

std::uint8_t BufferedFile::readByteSlow() {
  if (!refill()) raisePastEnd(position(), 1);
  return *cursor_++;
}

void BufferedFile::readBytesSlow(std::span<std::uint8_t> out) {
  const std::uint64_t start = position();
  // Whatever the buffer still holds comes first.
  std::size_t done = static_cast<std::size_t>(limit_ - cursor_);
  if (done > 0) std::memcpy(out.data(), cursor_, done);
  cursor_ = limit_;
  try {
    if (out.size() - done >= kBufferSize) {
      // A block larger than the buffer goes straight into the caller's memory.
      if (readUpTo(start + done, out.subspan(done)) < out.size() - done) raisePastEnd(start, out.size());
      moveTo(start + out.size());
      return;
    }
    while (done < out.size()) {
      if (!refill()) raisePastEnd(start, out.size());
      const auto n = std::min(static_cast<std::size_t>(limit_ - cursor_), out.size() - done);
      std::memcpy(out.data() + done, cursor_, n);
      cursor_ += n;
      done += n;
    }
  } catch (...) {
    moveTo(start);
    throw;
  }
}

FileTable::FileTable(Opener opener) : opener_(std::move(opener)) {}

bool FileTable::freeForThisThread(std::int16_t number) const {
  const std::thread::id keeper = keptFor_[number];
  return !slots_[number] && (keeper == std::thread::id() || keeper == std::this_thread::get_id());
}

std::int16_t FileTable::nextFreeNumber() {
  const std::lock_guard lock(mutex_);
  const std::thread::id self = std::this_thread::get_id();
  // A number already kept for this thread comes first, so that asking twice
  // keeps one number, not two.
  for (std::int16_t number = kFirstNumber; number <= kLastNumber; ++number) {
    if (keptFor_[number] == self && !slots_[number]) return number;
  }
  for (std::int16_t number = kFirstNumber; number <= kLastNumber; ++number) {
    if (freeForThisThread(number)) {
      keptFor_[number] = self;
      return number;
    }
  }
  throw RuntimeError(ErrorNumber::TooManyFiles,
                     texts::text(SPEECH_TEXT("file", "All file numbers from 1 to 255 are in use.")));
}

void FileTable::openBinary(std::int16_t number, const std::filesystem::path& path) {
  if (!inRange(number)) {
    throw RuntimeError(ErrorNumber::BadFileNameOrNumber,
                       texts::text(SPEECH_TEXT("file", "File number %1 is out of range."), {std::to_string(number)}));
  }
  {
    const std::lock_guard lock(mutex_);
    if (!freeForThisThread(number)) {
      throw RuntimeError(ErrorNumber::FileAlreadyOpen,
                         texts::text(SPEECH_TEXT("file", "File number %1 is in use."), {std::to_string(number)}));
    }
    keptFor_[number] = std::this_thread::get_id();  // until the file is in place
  }
  std::unique_ptr<BufferedFile> file;
  try {
    file = std::make_unique<BufferedFile>(opener_(path));
  } catch (...) {
    const std::lock_guard lock(mutex_);
    keptFor_[number] = std::thread::id();
    throw;
  }
  const std::lock_guard lock(mutex_);
  slots_[number] = std::move(file);
  keptFor_[number] = std::thread::id();
}

bool FileTable::isOpen(std::int16_t number) const {
  if (!inRange(number)) return false;
  const std::lock_guard lock(mutex_);
  return slots_[number] != nullptr;
}

BufferedFile& FileTable::openFile(std::int16_t number) {
  if (inRange(number)) {
    const std::lock_guard lock(mutex_);
    if (slots_[number]) return *slots_[number];
  }
  raiseNotOpen(number);
}

void FileTable::close(std::int16_t number) noexcept {
  if (!inRange(number)) return;
  std::unique_ptr<BufferedFile> closing;
  {
    const std::lock_guard lock(mutex_);
    closing = std::move(slots_[number]);
    if (keptFor_[number] == std::this_thread::get_id()) keptFor_[number] = std::thread::id();
  }
  // The file is closed outside the lock: closing may wait on the system.
}

void FileTable::raiseNotOpen(std::int16_t number) {
  throw RuntimeError(ErrorNumber::BadFileNameOrNumber,
                     texts::text(SPEECH_TEXT("file", "File number %1 is not open."), {std::to_string(number)}));
}

FileTable& files() {
  static FileTable table;
  return table;
}

}  // namespace runtime
