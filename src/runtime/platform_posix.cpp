// Opening and reading files through POSIX calls, and the code page of a
// system that has no ANSI code page.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>

#include "runtime/errors.h"
#include "runtime/platform.h"
#include "runtime/text.h"
#include "runtime/utf8_table.h"

// Offsets past 2 GiB must work on 32-bit systems too.
static_assert(sizeof(off_t) == 8, "build with _FILE_OFFSET_BITS=64");

namespace runtime {
namespace {

FileIdentity identityOf(const struct stat& st) {
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

class PosixFileSource final : public ByteSource {
 public:
  PosixFileSource(int fd, const struct stat& st)
      : fd_(fd), size_(static_cast<std::uint64_t>(st.st_size)), identity_(identityOf(st)) {}
  ~PosixFileSource() override { ::close(fd_); }
  PosixFileSource(const PosixFileSource&) = delete;
  PosixFileSource& operator=(const PosixFileSource&) = delete;

  std::uint64_t size() const override { return size_; }
  std::optional<FileIdentity> identity() const override { return identity_; }
  std::optional<std::uint64_t> currentSize() const override {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
  }

  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    for (;;) {
      const ssize_t n = ::pread(fd_, out.data(), out.size(), static_cast<off_t>(offset));
      if (n >= 0) return static_cast<std::size_t>(n);
      const int error = errno;
      if (error != EINTR) raiseReadError(offset, std::strerror(error));
    }
  }

 private:
  int fd_;
  std::uint64_t size_;
  FileIdentity identity_;
};

platform::OpenOutcome refused(int error) {
  using platform::OpenRefusal;
  platform::OpenOutcome outcome;
  switch (error) {
    case ENOENT: outcome.refusal = OpenRefusal::FileNotFound; break;
    case ENOTDIR: outcome.refusal = OpenRefusal::NotAFolder; break;
    case EACCES:
    case EPERM: outcome.refusal = OpenRefusal::NoPermission; break;
    case ENAMETOOLONG: outcome.refusal = OpenRefusal::NameTooLong; break;
    // A socket, or a device whose driver is missing: open() finds nothing
    // behind the name.
    case ENXIO:
    case ENODEV: outcome.refusal = OpenRefusal::Device; break;
    case EMFILE:
    case ENFILE: outcome.refusal = OpenRefusal::TooManyOpenFiles; break;
    default: outcome.systemText = std::strerror(error); break;
  }
  return outcome;
}

}  // namespace

platform::OpenOutcome platform::openRegularFile(const std::filesystem::path& path) {
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; such a
  // file is refused right below anyway.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return refused(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    ::close(fd);
    return refused(error);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    OpenOutcome outcome;
    outcome.refusal = S_ISDIR(st.st_mode) ? OpenRefusal::Folder : OpenRefusal::Device;
    return outcome;
  }
  OpenOutcome outcome;
  outcome.source = std::make_unique<PosixFileSource>(fd, st);
  return outcome;
}

namespace {

class PosixNewFile final : public platform::NewFile {
 public:
  explicit PosixNewFile(int fd) : fd_(fd) {}
  ~PosixNewFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixNewFile(const PosixNewFile&) = delete;
  PosixNewFile& operator=(const PosixNewFile&) = delete;

  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0) {
        const int error = errno;
        if (error == EINTR) continue;
        systemText_ = std::strerror(error);
        return false;
      }
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }
  bool finish() override {
    const bool synced = ::fsync(fd_) == 0;
    const int syncError = errno;
    const bool closed = ::close(fd_) == 0;
    const int closeError = errno;
    fd_ = -1;
    if (!synced || !closed) systemText_ = std::strerror(synced ? closeError : syncError);
    return synced && closed;
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<platform::NewFile> platform::createNewFile(const std::filesystem::path& path, std::string& systemText) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) {
    systemText = std::strerror(errno);
    return nullptr;
  }
  return std::make_unique<PosixNewFile>(fd);
}

std::optional<FileIdentity> platform::identifyFile(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return identityOf(st);
}

bool platform::sameName(const std::filesystem::path& a, const std::filesystem::path& b) { return a == b; }

bool platform::replaceFile(const std::filesystem::path& from, const std::filesystem::path& to,
                           std::string& systemText) {
  if (::rename(from.c_str(), to.c_str()) == 0) return true;
  systemText = std::strerror(errno);
  return false;
}

std::vector<std::filesystem::path> commandLineArguments(int argc, char** argv) {
  return std::vector<std::filesystem::path>(argv + std::min(argc, 1), argv + argc);
}

void prepareStandardOutput() {}

LargeBlock allocateLargeBlock(std::size_t size, bool hugePages) {
  // Aligned to the system's huge pages, and marked for them when asked: a
  // block then costs one page fault per 2 MiB instead of one per 4 KiB.
  constexpr std::size_t kHugePage = std::size_t{2} << 20;
  const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
  void* const block = std::aligned_alloc(kHugePage, rounded);
  if (!block) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  if (hugePages) ::madvise(block, rounded, MADV_HUGEPAGE);
#endif
  return LargeBlock(static_cast<std::uint8_t*>(block));
}

void LargeBlockDeleter::operator()(std::uint8_t* block) const noexcept { std::free(block); }

bool writeUtf8(std::FILE* stream, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

// A system without an ANSI code page converts as Windows-1252, the ANSI code
// page of western Windows systems.
const Utf8Table* ansiTable() { return &windows1252Table(); }

char* writeAnsiText(char* out, std::span<const std::uint8_t> bytes) {
  return writeThroughTable(out, bytes, windows1252Table());
}

}  // namespace runtime
