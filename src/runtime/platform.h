// What the runtime needs from the operating system. platform_posix.cpp and
// platform_win32.cpp each hold only the system calls and the mapping of the
// system's errors to the runtime's; the checks and the messages that follow
// from them are written once, above this seam.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/byte_source.h"
#include "runtime/code_page.h"
#include "runtime/file_save.h"

namespace runtime {

// The program's arguments after its name. On Windows they are taken from the
// wide command line, so that any path can be given.
std::vector<std::filesystem::path> commandLineArguments(int argc, char** argv);

// Whether "/?" asks a program for its usage, as on Windows; elsewhere it is
// a path.
bool slashQuestionMarkAsksForUsage();

// Prepares standard output for UTF-8 bytes: on Windows, binary mode, so that
// "\n" is written as it is.
void prepareStandardOutput();

// Prepares standard input for bytes: on Windows, binary mode, so that a CR
// reaches the program as it is.
void prepareStandardInput();

// Whether standard output is a terminal (a console on Windows).
bool standardOutputIsTerminal();
// Whether standard error is a terminal (a console on Windows).
bool standardErrorIsTerminal();

// The identity of the file standard input reads, where it reads one.
std::optional<FileIdentity> standardInputIdentity();

// Writes UTF-8 text to `stream` (stdout or stderr). A Windows console gets it
// as Unicode whatever its code page; files and pipes get the UTF-8 bytes.
// Returns false when the write failed, with errno saying why: EPIPE for a
// pipe whose reader went away, on Windows as elsewhere.
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

// Why a file cannot be saved at a path.
enum class SaveRefusal {
  Folder,             // the path names a folder
  Device,             // a device, pipe or socket: not a regular file
  ReadOnly,           // the file is marked read-only: nobody is to write it
  NoPermission,       // the file's permissions do not let this user write it
  FolderNotWritable,  // the folder does not let this user make a file in it
  FolderNotFound,     // the folder the file is to be in does not exist
  NotAFolder,         // a part of the path that should be a folder is a file
  NameTooLong,
  NameNotKept,  // a name the system would not keep as it stands; see systemText
  LinkLoop,     // symbolic links that lead round in a circle, or too many
  BrokenLink,   // a link to a file that cannot be found
  InUse,        // another program holds the file without sharing it
  WriteFailed,  // writing the new content failed; see systemText
  Other,        // see systemText
};

struct SaveProblem {
  SaveRefusal refusal = SaveRefusal::Other;
  std::string systemText;        // the system's words, for WriteFailed and Other; why, for NameNotKept
  std::filesystem::path folder;  // the folder the file is in, for the messages that name it
  bool fileExists = false;       // whether there was a file to replace
};

// A save problem of the given kind, with the system's words where it has them.
inline SaveProblem saveProblem(SaveRefusal refusal, std::string systemText = {}) {
  SaveProblem problem;
  problem.refusal = refusal;
  problem.systemText = std::move(systemText);
  return problem;
}

// Replacing a file whole: the new content goes into a temporary file in the
// target's folder, which then takes the target's place in one step, so the
// target is whole or as it was. A symbolic link at the target is followed,
// and the file it names is replaced. The replaced file keeps its mode (its
// attributes and security on Windows) and, where the system allows, its
// owner and group. A file with more than one name (hard links) is written
// in place once the whole new content is in the temporary file, so that
// every name shows the new content. The check the save was started with
// sees the file about to be replaced, from a handle on it, before the
// temporary file is made and again right before the commit replaces it.
//
// The temporary file has no name where the system offers that (Linux), so
// nothing is left if the program is ended midway; elsewhere a later save to
// the same folder removes what an ended save left.
class FileReplacement {
 public:
  // Without commit(), the target stays as it was and the temporary file goes.
  virtual ~FileReplacement() = default;
  // Appends to the new content; false on failure, with problem() saying why.
  virtual bool write(std::string_view bytes) = 0;
  // Puts the new content in the target's place; false on failure, with
  // problem() saying why, and the target as it was. What the check raises
  // goes through, the target as it was.
  virtual bool commit() = 0;
  const SaveProblem& problem() const { return problem_; }

 protected:
  explicit FileReplacement(ReplaceCheck check) : check_(std::move(check)) {}
  // Hands the check the file about to be replaced; raises when it refuses.
  void approve(const std::optional<ReplacedFile>& replaced) const {
    if (check_) check_(replaced);
  }

  SaveProblem problem_;

 private:
  ReplaceCheck check_;
};

struct ReplacementStart {
  std::unique_ptr<FileReplacement> replacement;  // set when the file can be written
  SaveProblem problem;                           // why not, otherwise
};

// The name of a save's temporary file: ".speechviewer-saving-" and 16
// random hexadecimal digits, this program's mark and short enough to fit
// wherever a name fits.
std::string saveTemporaryName();
bool isSaveTemporaryName(std::string_view name);

// A file of a save's making, left in the folder by a save that was ended
// midway, is removed by a later save only when it is at least this old:
// a save still in progress holds its file (locked or open without
// sharing), and is never that slow.
inline constexpr std::chrono::hours kLeftoverAge{1};

// What the system says now of the file at `path`, its symbolic links
// followed: none when no file is there or the system cannot tell. For a
// file that was read, to tell later whether it has changed since.
std::optional<ReplacedFile> fileFacts(const std::filesystem::path& path);

// Checks that `target` can be replaced, hands `check` the file there (see
// FileReplacement), and makes the temporary file. The path is not empty,
// names a file and holds no zero character. What `check` raises goes through.
ReplacementStart startReplacement(const std::filesystem::path& target, const ReplaceCheck& check);

// A seam for tests: while one lives, the system's resolution of every
// save's target (its links followed, its final name looked up) comes out as
// `file` instead, as on a system whose lookup names another file than the
// one given.
class SaveTargetsResolvedTo {
 public:
  explicit SaveTargetsResolvedTo(std::filesystem::path file);
  ~SaveTargetsResolvedTo();
  SaveTargetsResolvedTo(const SaveTargetsResolvedTo&) = delete;
  SaveTargetsResolvedTo& operator=(const SaveTargetsResolvedTo&) = delete;
};
// The file the seam above resolves every target to, while it lives.
const std::optional<std::filesystem::path>& saveTargetResolution();

// Whether two absolute, normalised paths are the same name, as the system
// compares names (ignoring case on Windows).
bool sameName(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace platform
}  // namespace runtime
