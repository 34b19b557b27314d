// Where an open file's bytes come from: the operating system's file, or a
// block of memory (for fuzzing and tests). The buffered reader above it turns
// these into the runtime's sequential reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace runtime {

// Which file an open file or a path is, whatever its name: equal for two
// names of one file (hard links, symbolic links, bind mounts, a folder moved
// or renamed since). The device and inode on POSIX; the volume serial number
// and file index on Windows.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

class ByteSource {
 public:
  virtual ~ByteSource() = default;

  // The size in bytes the system gave when the source was opened. Some
  // files give a wrong one: those the system makes up as they are read give
  // 0 or a whole page. The data ends where readAt() finds no more.
  virtual std::uint64_t size() const = 0;

  // The size the system gives now, asked once the data has ended before
  // size(): smaller than size() when the file became shorter while it was
  // read. None when the system cannot tell.
  virtual std::optional<std::uint64_t> currentSize() const { return std::nullopt; }

  // Reads up to out.size() bytes starting at `offset` into `out` and returns
  // how many were read. Returns 0 only at or past the end of the data; may
  // return fewer bytes than asked (a short read) before the end. Raises a
  // RuntimeError (DeviceIOError) when the read itself fails.
  virtual std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;

  // The file read, for sources that read one.
  virtual std::optional<FileIdentity> identity() const { return std::nullopt; }
};

// A source over a copy of some bytes.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  std::uint64_t size() const override { return bytes_.size(); }
  std::optional<std::uint64_t> currentSize() const override { return bytes_.size(); }
  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

 private:
  std::vector<std::uint8_t> bytes_;
};

// A source over a stream read from start to end, such as standard input:
// reads come one after another, whatever offset they give. Its size is not
// known (0).
class StreamSource final : public ByteSource {
 public:
  explicit StreamSource(std::FILE* stream) : stream_(stream) {}
  std::uint64_t size() const override { return 0; }
  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

 private:
  std::FILE* stream_;
};

// Opens a path for reading and returns its source, or raises a RuntimeError.
using Opener = std::function<std::unique_ptr<ByteSource>(const std::filesystem::path& path)>;

// Opens the file at `path`, exactly as given, read-only and sharing it with
// other programs. It never creates a file or folder, and refuses anything but
// a regular file (a folder, device, pipe or socket) so that a read always
// comes to an end. Raises a RuntimeError that says in plain words why the
// file cannot be opened: BadFileNameOrNumber (an empty path, a zero
// character, a name that is too long or not valid), FileNotFound,
// PathNotFound, PathFileAccessError (a folder, a device), PermissionDenied
// (no permission, or the file is in use), TooManyFiles.
std::unique_ptr<ByteSource> openFileReadOnly(const std::filesystem::path& path);

// Raises the runtime's error for a failed read at `offset`; the platform's
// sources call it with the system's own text for the failure.
[[noreturn]] void raiseReadError(std::uint64_t offset, const std::string& systemText);

}  // namespace runtime
