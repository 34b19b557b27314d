// Opening and reading files, and replacing them whole, through POSIX calls,
// and the code pages of a system that has no ANSI code page: the default one
// from the locale, their conversion from the tables made at build time.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "runtime/errors.h"
#include "runtime/generated_code_pages.h"
#include "runtime/platform.h"
#include "texts/texts.h"

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

namespace fs = std::filesystem;
using platform::SaveProblem;
using platform::saveProblem;
using platform::SaveRefusal;

// Symbolic links followed from a save's target at the most, as many as the
// system follows in one path.
constexpr int kMaxLinks = 40;

// A file descriptor, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) noexcept : fd_(fd) {}
  ~Descriptor() { reset(); }
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    if (this != &other) {
      reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  void reset() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  int release() noexcept { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// The system's error in making, naming or opening a file as a save problem.
SaveProblem problemOf(int error) {
  switch (error) {
    case ENOENT: return saveProblem(SaveRefusal::FolderNotFound);
    case ENOTDIR: return saveProblem(SaveRefusal::NotAFolder);
    case EACCES:
    case EPERM: return saveProblem(SaveRefusal::FolderNotWritable);
    case ENAMETOOLONG: return saveProblem(SaveRefusal::NameTooLong);
    case ELOOP: return saveProblem(SaveRefusal::LinkLoop);
    case EISDIR: return saveProblem(SaveRefusal::Folder);
    case ETXTBSY: return saveProblem(SaveRefusal::InUse);
    default: return saveProblem(SaveRefusal::Other, std::strerror(error));
  }
}

// The file a save replaces: the target with the symbolic links of its last
// part followed, and what is there now (none for a new file).
struct Destination {
  fs::path file;
  std::optional<struct stat> existing;
};

bool readLinkText(const fs::path& link, fs::path& to) {
  std::string text(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink(link.c_str(), text.data(), text.size());
    if (n < 0) return false;
    if (static_cast<std::size_t>(n) < text.size()) {
      text.resize(static_cast<std::size_t>(n));
      to = text;
      return true;
    }
    text.resize(text.size() * 2);
  }
}

// Follows the target's symbolic links to the file they name, as text editors
// do: that file is replaced and the links stay. A link to a name where
// nothing is yet makes the file there.
std::optional<SaveProblem> follow(const fs::path& target, Destination& destination) {
  fs::path current = target;
  for (int links = 0;; ++links) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0) {
      const int error = errno;
      if (error == EACCES) return saveProblem(SaveRefusal::NoPermission);
      if (error != ENOENT) return problemOf(error);
      destination = {current, std::nullopt};  // a missing folder is found when it is opened
      return std::nullopt;
    }
    if (!S_ISLNK(st.st_mode)) {
      destination = {current, st};
      return std::nullopt;
    }
    fs::path to;
    if (links == kMaxLinks) return saveProblem(SaveRefusal::LinkLoop);
    if (!readLinkText(current, to)) return problemOf(errno);
    current = to.is_absolute() ? to : current.parent_path() / to;
  }
}

std::optional<SaveRefusal> refusalToReplace(const fs::path& file, const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return SaveRefusal::Folder;
  if (!S_ISREG(st.st_mode)) return SaveRefusal::Device;
  // A file nobody may write is read-only on purpose, also to root, whom the
  // system would let write it.
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return SaveRefusal::ReadOnly;
  if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EPERM)) {
    return SaveRefusal::NoPermission;
  }
  return std::nullopt;
}

Descriptor openFolder(const fs::path& folder) {
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
#ifdef O_PATH
  // A folder one may make files in but not list.
  if (!fd && errno == EACCES) fd = Descriptor(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
#endif
  return fd;
}

ReplacedFile factsOf(const struct stat& st) {
  using namespace std::chrono;
  return {identityOf(st), static_cast<std::uint64_t>(st.st_size),
          sys_time<nanoseconds>(seconds(st.st_mtim.tv_sec) + nanoseconds(st.st_mtim.tv_nsec))};
}

// The file now at `name` in the folder, as a handle opened on it (on the name
// itself, not what a symbolic link there leads to, as a rename replaces the
// name) says; none when nothing has that name, or the system's error.
struct FileNamed {
  std::optional<ReplacedFile> file;
  int error = 0;
};

FileNamed fileNamed(int folder, const fs::path& name) {
  struct stat st {};
#ifdef O_PATH
  const Descriptor fd(::openat(folder, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
  const bool told = fd && ::fstat(fd.get(), &st) == 0;
#else
  const bool told = ::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
#endif
  if (told) return {factsOf(st)};
  if (errno == ENOENT) return {};
  return {std::nullopt, errno};
}

// Whether a file with a save's temporary name is what a save ended midway
// left: a regular file of this user's, with no other name, of a mode a save
// gives it (its owner may read and write it, and nobody run it), and
// unchanged for long enough that no save can still be writing it.
bool isLeftoverOfASave(const struct stat& st) {
  using namespace std::chrono;
  const sys_time<nanoseconds> changed(seconds(st.st_mtim.tv_sec) + nanoseconds(st.st_mtim.tv_nsec));
  return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_nlink == 1 && (st.st_mode & 0600) == 0600 &&
         (st.st_mode & 07111) == 0 && system_clock::now() - changed >= platform::kLeftoverAge;
}

// Removes the temporary files that saves ended midway left in the folder. A
// save in progress holds a lock on its temporary file; one that was ended
// holds none, since the system drops a process's locks when it ends. Any
// other file is left as it is, whoever made it.
void removeLeftovers(int folder) {
  Descriptor listing(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!listing) return;
  DIR* const entries = ::fdopendir(listing.get());
  if (!entries) return;
  listing.release();  // closedir() closes it
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(entries)) {
    if (platform::isSaveTemporaryName(entry->d_name)) names.emplace_back(entry->d_name);
  }
  ::closedir(entries);
  for (const std::string& name : names) {
    const Descriptor file(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    struct stat named {};
    if (!file || ::fstat(file.get(), &st) != 0 || !isLeftoverOfASave(st)) continue;
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) continue;  // a save in progress
    if (::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_ino == st.st_ino &&
        named.st_dev == st.st_dev) {
      ::unlinkat(folder, name.c_str(), 0);
    }
  }
}

// Makes the temporary file in the folder, locked as a save's in progress:
// without a name where the system offers that (`name` left empty), so that
// it goes with the process; otherwise under a name of its own.
Descriptor createTemporary(int folder, mode_t mode, std::string& name, int& error) {
  name.clear();
#ifdef O_TMPFILE
  Descriptor unnamed(::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
  if (unnamed) {
    ::flock(unnamed.get(), LOCK_EX);
    return unnamed;
  }
  error = errno;
  // The file systems that cannot make a file without a name say so thus.
  if (error != EOPNOTSUPP && error != EISDIR && error != EINVAL) return Descriptor();
#endif
  for (int attempt = 0; attempt < 10; ++attempt) {
    name = platform::saveTemporaryName();
    Descriptor named(
        ::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, mode));
    if (!named) {
      error = errno;
      if (error == EEXIST) continue;
      break;
    }
    ::flock(named.get(), LOCK_EX);
    // Another save may have taken it for a leftover before it was locked.
    struct stat st {};
    struct stat now {};
    if (::fstat(named.get(), &st) == 0 && ::fstatat(folder, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
        now.st_ino == st.st_ino && now.st_dev == st.st_dev) {
      return named;
    }
  }
  name.clear();
  if (error == 0 || error == EEXIST) error = EEXIST;
  return Descriptor();
}

class PosixReplacement final : public platform::FileReplacement {
 public:
  // `where` names the folder and tells whether a file is replaced, for the
  // messages of what fails later.
  PosixReplacement(Descriptor folder, const Destination& destination, Descriptor temporary, std::string temporaryName,
                   SaveProblem where, const ReplaceCheck& check)
      : FileReplacement(check),
        folder_(std::move(folder)),
        name_(destination.file.filename()),
        existing_(destination.existing),
        temporary_(std::move(temporary)),
        temporaryName_(std::move(temporaryName)) {
    problem_ = std::move(where);
  }
  ~PosixReplacement() override {
    if (!temporaryName_.empty()) ::unlinkat(folder_.get(), temporaryName_.c_str(), 0);
  }
  PosixReplacement(const PosixReplacement&) = delete;
  PosixReplacement& operator=(const PosixReplacement&) = delete;

  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(temporary_.get(), bytes.data(), bytes.size());
      if (n < 0) {
        if (errno == EINTR) continue;
        return failed(saveProblem(SaveRefusal::WriteFailed, std::strerror(errno)));
      }
      bytes.remove_prefix(static_cast<std::size_t>(n));
      written_ += static_cast<std::uint64_t>(n);
    }
    return true;
  }

  bool commit() override {
    if (existing_ && existing_->st_nlink > 1) return writeInPlace();
    if (existing_) keepOwnerAndMode();
    if (::fsync(temporary_.get()) != 0) return failed(saveProblem(SaveRefusal::WriteFailed, std::strerror(errno)));
    if (temporaryName_.empty() && !nameTheTemporary()) return false;
    if (!approveWhatIsReplaced()) return false;
    if (::renameat(folder_.get(), temporaryName_.c_str(), folder_.get(), name_.c_str()) != 0) {
      return failed(problemOf(errno));
    }
    temporaryName_.clear();  // it is the file now
    ::fsync(folder_.get());  // and its name on the disk too, where the folder lets itself be synced
    return true;
  }

 private:
  bool failed(SaveProblem problem) {
    const SaveProblem where = problem_;
    problem_ = std::move(problem);
    problem_.folder = where.folder;
    problem_.fileExists = where.fileExists;
    return false;
  }

  // Hands the check the file the rename is about to replace, whatever it is
  // by now.
  bool approveWhatIsReplaced() {
    const FileNamed now = fileNamed(folder_.get(), name_);
    if (now.error != 0) return failed(problemOf(now.error));
    approve(now.file);
    return true;
  }

  void keepOwnerAndMode() {
    const struct stat& st = *existing_;
    // The owner first, as changing it clears the set-user-ID bit that the
    // mode then sets again. Only root may give a file to another user; a
    // user may still give it the group, where they belong to it.
    if (::fchown(temporary_.get(), st.st_uid, st.st_gid) != 0) {
      [[maybe_unused]] const int ignored = ::fchown(temporary_.get(), static_cast<uid_t>(-1), st.st_gid);
    }
    ::fchmod(temporary_.get(), st.st_mode & 07777);
  }

  // Links the unnamed temporary file into the folder, so that it can take
  // the target's name in one step.
  bool nameTheTemporary() {
    const std::string self = "/proc/self/fd/" + std::to_string(temporary_.get());
    for (int attempt = 0; attempt < 10; ++attempt) {
      const std::string name = platform::saveTemporaryName();
      int result = ::linkat(AT_FDCWD, self.c_str(), folder_.get(), name.c_str(), AT_SYMLINK_FOLLOW);
#ifdef AT_EMPTY_PATH
      if (result != 0 && errno == ENOENT)
        result = ::linkat(temporary_.get(), "", folder_.get(), name.c_str(), AT_EMPTY_PATH);
#endif
      if (result == 0) {
        temporaryName_ = name;
        return true;
      }
      if (errno != EEXIST) return failed(problemOf(errno));
    }
    return failed(problemOf(EEXIST));
  }

  // A file with other names: the new content, whole in the temporary file,
  // is copied over the file's own bytes, so every name shows it.
  bool writeInPlace() {
    if (::fsync(temporary_.get()) != 0) return failed(saveProblem(SaveRefusal::WriteFailed, std::strerror(errno)));
    const Descriptor target(
        ::openat(folder_.get(), name_.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!target) {
      const int error = errno;
      return failed(error == EACCES || error == EPERM ? saveProblem(SaveRefusal::NoPermission) : problemOf(error));
    }
    struct stat now {};
    if (::fstat(target.get(), &now) != 0 || now.st_dev != existing_->st_dev || now.st_ino != existing_->st_ino) {
      return failed(saveProblem(
          SaveRefusal::Other,
          texts::text(SPEECH_TEXT("file", "another program replaced it while the new content was written"))));
    }
    approve(factsOf(now));
    const auto size = static_cast<off_t>(written_);
#ifdef FALLOC_FL_KEEP_SIZE
    // Room for what the file grows by, first: a full disk then stops the
    // save before the file is touched.
    if (size > now.st_size && ::fallocate(target.get(), FALLOC_FL_KEEP_SIZE, now.st_size, size - now.st_size) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
      return failed(saveProblem(SaveRefusal::WriteFailed, std::strerror(errno)));
    }
#endif
    std::vector<char> block(std::size_t{1} << 20);
    for (off_t at = 0; at < size;) {
      const ssize_t got = ::pread(temporary_.get(), block.data(), block.size(), at);
      if (got <= 0) return failed(saveProblem(SaveRefusal::WriteFailed, std::strerror(got < 0 ? errno : EIO)));
      for (ssize_t done = 0; done < got;) {
        const ssize_t put =
            ::pwrite(target.get(), block.data() + done, static_cast<std::size_t>(got - done), at + done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return failed(saveProblem(SaveRefusal::WriteFailed, std::strerror(put < 0 ? errno : EIO)));
        done += put;
      }
      at += got;
    }
    if (::ftruncate(target.get(), size) != 0 || ::fsync(target.get()) != 0) {
      return failed(saveProblem(SaveRefusal::WriteFailed, std::strerror(errno)));
    }
    return true;
  }

  Descriptor folder_;
  fs::path name_;
  std::optional<struct stat> existing_;
  Descriptor temporary_;
  std::string temporaryName_;  // empty while the temporary file has no name
  std::uint64_t written_ = 0;
};

}  // namespace

platform::ReplacementStart platform::startReplacement(const fs::path& target, const ReplaceCheck& check) {
  ReplacementStart start;
  Destination destination;
  const std::optional<fs::path>& resolution = saveTargetResolution();
  if (const auto problem = follow(resolution ? *resolution : target, destination)) {
    start.problem = *problem;
    return start;
  }
  const fs::path folderPath = destination.file.has_parent_path() ? destination.file.parent_path() : fs::path(".");
  // The folder as messages name it: absolute, without "." or a last slash.
  std::error_code ignored;
  fs::path shownFolder = fs::absolute(folderPath, ignored).lexically_normal();
  if (!shownFolder.has_filename() && shownFolder.has_relative_path()) shownFolder = shownFolder.parent_path();
  SaveProblem where;
  where.folder = shownFolder;
  where.fileExists = destination.existing.has_value();
  const auto fail = [&](SaveProblem problem) {
    problem.folder = where.folder;
    problem.fileExists = where.fileExists;
    start.problem = std::move(problem);
    return std::move(start);
  };
  if (destination.existing) {
    if (const auto refusal = refusalToReplace(destination.file, *destination.existing))
      return fail(saveProblem(*refusal));
  }
  Descriptor folder = openFolder(folderPath);
  if (!folder) return fail(problemOf(errno));
  const FileNamed present = fileNamed(folder.get(), destination.file.filename());
  if (present.error != 0) return fail(problemOf(present.error));
  if (check) check(present.file);
  removeLeftovers(folder.get());
  std::string temporaryName;
  int error = 0;
  // Private while it is written when it is to take another file's mode.
  Descriptor temporary = createTemporary(folder.get(), destination.existing ? 0600 : 0666, temporaryName, error);
  if (!temporary) return fail(problemOf(error));
  auto replacement = std::make_unique<PosixReplacement>(std::move(folder), destination, std::move(temporary),
                                                        std::move(temporaryName), where, check);
  start.replacement = std::move(replacement);
  return start;
}

bool platform::sameName(const std::filesystem::path& a, const std::filesystem::path& b) { return a == b; }

std::vector<std::filesystem::path> commandLineArguments(int argc, char** argv) {
  return std::vector<std::filesystem::path>(argv + std::min(argc, 1), argv + argc);
}

bool slashQuestionMarkAsksForUsage() { return false; }

void prepareStandardOutput() {}

void prepareStandardInput() {}

bool standardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) == 1; }

bool standardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

std::optional<FileIdentity> standardInputIdentity() {
  struct stat st {};
  if (::fstat(STDIN_FILENO, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return identityOf(st);
}

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

std::optional<std::uint64_t> addressSpaceLeft() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
  // What is mapped now: the first field of /proc/self/statm, in pages.
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (!statm) return std::nullopt;
  unsigned long long pages = 0;
  const bool read = std::fscanf(statm, "%llu", &pages) == 1;
  std::fclose(statm);
  if (!read) return std::nullopt;
  const std::uint64_t mapped = pages * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
  const auto allowed = static_cast<std::uint64_t>(limit.rlim_cur);
  return allowed > mapped ? allowed - mapped : 0;
}

void shareMemoryPoolsUnderALimit() {
#if defined(__GLIBC__) && defined(M_ARENA_MAX)
  if (addressSpaceLeft()) ::mallopt(M_ARENA_MAX, 1);
#endif
}

void LargeBlockDeleter::operator()(std::uint8_t* block) const noexcept { std::free(block); }

bool writeUtf8(std::FILE* stream, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

unsigned platform::systemCodePage() {
  return codePageForLocale(effectiveLocale(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG")));
}

CodePageSource platform::codePageSource(unsigned codePage) {
  const auto find = [](unsigned number) {
    const auto& pages = generated::kCodePages;
    return std::find_if(pages.begin(), pages.end(), [&](const generated::CodePage& p) { return p.number == number; });
  };
  auto page = find(codePage);
  if (page == generated::kCodePages.end()) page = find(1252);
  CodePageSource source;
  std::copy(page->single, page->single + 256, source.single.begin());
  for (int byte = 0; byte < 256; ++byte) source.leadBytes[byte] = (page->leadBytes[byte / 64] >> (byte % 64)) & 1;
  source.pairs.assign(page->pairs, page->pairs + 256 * source.leadBytes.count());
  for (std::size_t i = 0; i < page->preferredCount; ++i) {
    source.preferred.emplace_back(static_cast<char16_t>(page->preferred[i] >> 16),
                                  static_cast<std::uint16_t>(page->preferred[i] & 0xFFFF));
  }
  return source;
}

std::optional<ReplacedFile> platform::fileFacts(const fs::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return factsOf(st);
}

}  // namespace runtime
