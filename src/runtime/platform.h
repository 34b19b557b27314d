// What the runtime needs from the operating system. platform_posix.cpp and
// platform_win32.cpp each hold only the system calls and the mapping of the
// system's errors to the runtime's; the checks and the messages that follow
// from them are written once, above this seam.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/byte_source.h"
#include "runtime/code_page.h"

namespace runtime {

// The program's arguments after its name. On Windows they are taken from the
// wide command line, so that any path can be given.
std::vector<std::filesystem::path> commandLineArguments(int argc, char** argv);

// Prepares standard output for UTF-8 bytes: on Windows, binary mode, so that
// "\n" is written as it is.
void prepareStandardOutput();

// Writes UTF-8 text to `stream` (stdout or stderr). A Windows console gets it
// as Unicode whatever its code page; files and pipes get the UTF-8 bytes.
// Returns false when the write failed.
bool writeUtf8(std::FILE* stream, std::string_view text);

// Memory for a large block of data (megabytes). With `hugePages`, in pages
// the system maps in few steps where it offers them: fewer page faults, but
// the first byte written costs a whole such page. Raises std::bad_alloc.
struct LargeBlockDeleter {
  void operator()(std::uint8_t* block) const noexcept;
};
using LargeBlock = std::unique_ptr<std::uint8_t[], LargeBlockDeleter>;
LargeBlock allocateLargeBlock(std::size_t size, bool hugePages);

// How much more address space the process may map before the system
// refuses it, when the system sets it a limit (ulimit -v, prlimit --as);
// none when there is no such limit.
std::optional<std::uint64_t> addressSpaceLeft();

// Where the address space is limited, makes the allocator share one pool
// of memory among the threads, instead of reserving a large range of
// addresses for each thread's own, which would take much of what the limit
// leaves. Nothing where there is no limit or no such pool.
void shareMemoryPoolsUnderALimit();

namespace platform {

// The number of the system's default code page. On Windows the ANSI code
// page (GetACP), when the tables can convert it: one or two bytes a
// character, printable ASCII as it is; 65001 when the system runs on UTF-8;
// 1252 otherwise, which no Windows version sets up. Elsewhere, the code page
// of the locale's language (codePageForLocale).
unsigned systemCodePage();

// What the conversion of a code page gives for each byte and byte pair: on
// Windows, the system's own conversion; elsewhere the tables made at build
// time, and Windows-1252's for a code page without them.
CodePageSource codePageSource(unsigned codePage);

// Why the system did not open a file.
enum class OpenRefusal {
  FileNotFound,
  FolderNotFound,  // a folder on the way to the file does not exist
  NotAFolder,      // a part of the path that should be a folder is a file
  Folder,          // the path names a folder
  Device,          // a device, pipe or socket: not a regular file
  NoPermission,
  InUse,  // another program holds the file without sharing it
  NameTooLong,
  InvalidName,
  TooManyOpenFiles,
  Other,  // see systemText
};

struct OpenOutcome {
  std::unique_ptr<ByteSource> source;  // set when the file was opened
  OpenRefusal refusal = OpenRefusal::Other;
  std::string systemText;  // the system's words, for Other
};

// Opens `path` read-only, shared with other programs, and only if it is a
// regular file; a refused open is told in the outcome, never raised. The
// path is not empty and holds no zero character.
OpenOutcome openRegularFile(const std::filesystem::path& path);

// A file made for writing that did not exist before. Its calls return false
// on failure and leave the system's words for it in systemText().
class NewFile {
 public:
  virtual ~NewFile() = default;
  virtual bool write(std::string_view bytes) = 0;
  // Writes what is buffered to the disk and closes the file.
  virtual bool finish() = 0;
  const std::string& systemText() const { return systemText_; }

 protected:
  std::string systemText_;
};

// Creates `path` for writing; fails if something is there already. Returns
// nullptr on failure, with the system's words in `systemText`.
std::unique_ptr<NewFile> createNewFile(const std::filesystem::path& path, std::string& systemText);

// The identity of the file `path` names, following symbolic links; none when
// nothing is there or the system cannot tell.
std::optional<FileIdentity> identifyFile(const std::filesystem::path& path);

// Whether two absolute, normalised paths are the same name, as the system
// compares names (ignoring case on Windows).
bool sameName(const std::filesystem::path& a, const std::filesystem::path& b);

// Puts the file `from` in the place of `to`, replacing what is there in one
// step. Returns false on failure, with the system's words in `systemText`.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to, std::string& systemText);

}  // namespace platform
}  // namespace runtime
