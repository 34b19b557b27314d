#include "runtime/byte_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace runtime {

std::size_t MemorySource::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (offset >= bytes_.size()) return 0;
  const std::size_t count = std::min<std::uint64_t>(out.size(), bytes_.size() - offset);
  std::memcpy(out.data(), bytes_.data() + offset, count);
  return count;
}

std::size_t StreamSource::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  const std::size_t count = std::fread(out.data(), 1, out.size(), stream_);
  if (count == 0 && std::ferror(stream_)) raiseReadError(offset, std::strerror(errno));
  return count;
}

}  // namespace runtime
