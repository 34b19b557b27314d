#include "packing/line_reader.h"

#include <algorithm>
#include <cstring>

#include "packing/packing.h"

namespace packing {
namespace {

constexpr std::size_t kBlock = std::size_t{1} << 20;

}  // namespace

LineReader::LineReader(runtime::ByteSource& source) : source_(source) {
  // A small input takes a buffer of its size; one of unknown size, a block.
  const std::uint64_t size = source.size();
  buffer_.resize(size == 0 ? kBlock + 1
                           : static_cast<std::size_t>(std::clamp<std::uint64_t>(size + 1, 4096, kBlock + 1)));
  while (filled_ < 3 && readMore()) {
  }
  const std::string_view start(buffer_.data(), filled_);
  if (start.starts_with("\xEF\xBB\xBF")) {
    next_ = 3;
  } else if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
    throw PackError(1, "line 1: the input is UTF-16; save it as UTF-8 (in a spreadsheet: CSV UTF-8)");
  }
  if (filled_ == next_ && !readMore()) throw PackError(0, "the input is empty: it holds no header and no entry");
}

char LineReader::firstByte() { return next_ < filled_ ? buffer_[next_] : '\0'; }

bool LineReader::readMore() {
  if (sourceEnded_) return false;
  // The current line moves to the start, and the buffer grows when it is
  // full of it.
  const std::size_t keep = std::min(lineStart_, next_);
  if (keep > 0) {
    std::memmove(buffer_.data(), buffer_.data() + keep, filled_ - keep);
    filled_ -= keep;
    lineStart_ -= keep;
    lineEnd_ -= keep;
    next_ -= keep;
  }
  if (buffer_.size() - 1 - filled_ < std::min(kBlock, buffer_.size()) / 2) {
    if (filled_ - lineStart_ > kLongestLine) {
      const std::uint64_t line = lineNumber_ + (lineNumber_ == 0);
      throw PackError(line, "line " + std::to_string(line) + " is longer than 16 MiB, more than any entry needs");
    }
    buffer_.resize(buffer_.size() * 2);
  }
  const std::size_t room = buffer_.size() - 1 - filled_;
  const std::size_t n =
      source_.readAt(sourceOffset_, std::span(reinterpret_cast<std::uint8_t*>(buffer_.data() + filled_), room));
  if (n == 0) {
    sourceEnded_ = true;
    return false;
  }
  sourceOffset_ += n;
  filled_ += n;
  return true;
}

bool LineReader::findLineEnd(std::size_t from) {
  std::size_t searched = from;
  for (;;) {
    const void* const feed = std::memchr(buffer_.data() + searched, '\n', filled_ - searched);
    if (feed) {
      lineEnd_ = static_cast<std::size_t>(static_cast<const char*>(feed) - buffer_.data());
      next_ = lineEnd_ + 1;
      return true;
    }
    // What is searched already stays so, where the buffer moves it.
    const std::size_t searchedFromStart = filled_ - lineStart_;
    const std::size_t fromFromStart = from - lineStart_;
    if (!readMore()) {
      // The last line, without a line feed.
      lineEnd_ = filled_;
      next_ = filled_;
      return lineEnd_ > lineStart_ + fromFromStart;
    }
    searched = lineStart_ + searchedFromStart;
  }
}

bool LineReader::nextLine() {
  lineNumber_ += linesTaken_ == 0 ? 1 : linesTaken_;
  linesTaken_ = 1;
  lineStart_ = next_;
  if (next_ == filled_ && !readMore()) return false;
  return findLineEnd(lineStart_);
}

bool LineReader::takeNextLine() {
  if (next_ == filled_ && !readMore()) return false;
  ++linesTaken_;
  return findLineEnd(next_);
}

}  // namespace packing
