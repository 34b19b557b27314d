// Opening and reading files through POSIX calls.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "runtime/byte_source.h"
#include "runtime/errors.h"
#include "runtime/platform.h"

namespace runtime {
namespace {

class PosixFileSource final : public ByteSource {
 public:
  PosixFileSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  ~PosixFileSource() override { ::close(fd_); }
  PosixFileSource(const PosixFileSource&) = delete;
  PosixFileSource& operator=(const PosixFileSource&) = delete;

  std::uint64_t size() const override { return size_; }

  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    for (;;) {
      const ssize_t n = ::pread(fd_, out.data(), out.size(), static_cast<off_t>(offset));
      if (n >= 0) return static_cast<std::size_t>(n);
      if (errno != EINTR) {
        throw RuntimeError(ErrorNumber::DeviceIOError,
                           "reading at byte offset " + std::to_string(offset) + " failed: " + std::strerror(errno));
      }
    }
  }

 private:
  int fd_;
  std::uint64_t size_;
};

// The folder part of a path, or "" when the path names no folder.
std::string parentFolder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool isFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

[[noreturn]] void raiseOpenError(const std::string& path, int error) {
  switch (error) {
    case ENOENT: {
      const std::string folder = parentFolder(path);
      if (!folder.empty() && !isFolder(folder)) {
        throw RuntimeError(ErrorNumber::PathNotFound, "the folder " + folder + " does not exist");
      }
      throw RuntimeError(ErrorNumber::FileNotFound, "no such file");
    }
    case ENOTDIR: throw RuntimeError(ErrorNumber::PathNotFound, "a part of the path is not a folder");
    case EACCES:
    case EPERM: throw RuntimeError(ErrorNumber::PermissionDenied, "no permission to read the file");
    case ENAMETOOLONG: throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "the path is too long");
    case EMFILE:
    case ENFILE: throw RuntimeError(ErrorNumber::TooManyFiles, std::strerror(error));
    default: throw RuntimeError(ErrorNumber::PathFileAccessError, std::strerror(error));
  }
}

}  // namespace

std::unique_ptr<ByteSource> openFileReadOnly(const std::string& utf8Path) {
  if (utf8Path.empty()) throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "the path is empty");
  if (utf8Path.find('\0') != std::string::npos) {
    throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "the path contains a zero character");
  }
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; such a
  // file is refused right below anyway.
  const int fd = ::open(utf8Path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) raiseOpenError(utf8Path, errno);

  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    ::close(fd);
    raiseOpenError(utf8Path, error);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    throw RuntimeError(ErrorNumber::PathFileAccessError,
                       S_ISDIR(st.st_mode) ? "this is a folder, not a file"
                                           : "this is a device, pipe or socket, not a regular file");
  }
  return std::make_unique<PosixFileSource>(fd, static_cast<std::uint64_t>(st.st_size));
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

void prepareStandardOutput() {}

bool writeUtf8(std::FILE* stream, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

}  // namespace runtime
