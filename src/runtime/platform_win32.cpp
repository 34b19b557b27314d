// Opening files, replacing them whole, the command line, the console and
// the ANSI code page through the Windows API. This is the one file of the
// runtime that includes <windows.h> (which, among much else, defines a
// MAKEWORD macro).
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// After <windows.h>, which they build on.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "runtime/errors.h"
#include "runtime/platform.h"
#include "runtime/text.h"
#include "texts/texts.h"

namespace runtime {
namespace {

std::wstring widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

std::string narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::string systemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text ? text : L"", length);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.')) {
    message.pop_back();
  }
  return message.empty() ? "Windows error " + std::to_string(error) : narrow(message);
}

// A time of the system's, which counts 100 ns from 1601.
using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>;
Ticks ticksOf(const FILETIME& time) { return Ticks(std::int64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime); }

// What an open handle says of the file a save is about to replace.
std::optional<ReplacedFile> factsOf(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle, &info)) return std::nullopt;
  using namespace std::chrono;
  constexpr seconds kUnixEpoch{11'644'473'600};  // after the system's
  return ReplacedFile{
      FileIdentity{info.dwVolumeSerialNumber, std::uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow},
      std::uint64_t{info.nFileSizeHigh} << 32 | info.nFileSizeLow,
      sys_time<nanoseconds>(duration_cast<nanoseconds>(ticksOf(info.ftLastWriteTime) - kUnixEpoch))};
}

// The file an open handle reads: its volume's serial number and its index.
std::optional<FileIdentity> identityOf(HANDLE handle) {
  const std::optional<ReplacedFile> file = factsOf(handle);
  if (!file) return std::nullopt;
  return file->identity;
}

class WindowsFileSource final : public ByteSource {
 public:
  WindowsFileSource(HANDLE handle, std::uint64_t size) : handle_(handle), size_(size), identity_(identityOf(handle)) {}
  ~WindowsFileSource() override { CloseHandle(handle_); }
  WindowsFileSource(const WindowsFileSource&) = delete;
  WindowsFileSource& operator=(const WindowsFileSource&) = delete;

  std::uint64_t size() const override { return size_; }
  std::optional<FileIdentity> identity() const override { return identity_; }
  std::optional<std::uint64_t> currentSize() const override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size)) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(out.size(), 1u << 30));
    DWORD got = 0;
    if (!ReadFile(handle_, out.data(), wanted, &got, &at)) {
      const DWORD error = GetLastError();
      if (error == ERROR_HANDLE_EOF) return 0;
      raiseReadError(offset, systemMessage(error));
    }
    return got;
  }

 private:
  HANDLE handle_;
  std::uint64_t size_;
  std::optional<FileIdentity> identity_;
};

bool startsWith(const std::wstring& text, std::wstring_view prefix) { return text.rfind(prefix, 0) == 0; }

// The full path of `typed`, or empty when the system cannot make one.
std::wstring fullPath(const std::wstring& typed) {
  const DWORD size = GetFullPathNameW(typed.c_str(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(typed.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return {};
  full.resize(length);
  return full;
}

// The blanks and dots at the end of the path's last part, which the system
// would drop from a name; none when the last part is all blanks and dots
// ("." or "..").
std::wstring_view trailingBlanksAndDots(const std::wstring& typed) {
  const std::size_t partStart = typed.find_last_of(L"\\/") + 1;  // 0 when there is no separator
  const std::size_t kept = typed.find_last_not_of(L" .");
  if (kept == std::wstring::npos || kept < partStart) return {};
  return std::wstring_view(typed).substr(kept + 1);
}

// The path in the "\\?\" form, which the system takes exactly as it stands.
std::wstring inExactForm(const std::wstring& full) {
  if (startsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

// Whether the path's last part is blanks alone, a name the system would
// drop whole (naming the folder instead).
bool lastPartIsBlanks(const std::wstring& typed) {
  const std::size_t partStart = typed.find_last_of(L"\\/") + 1;
  return partStart < typed.size() && typed.find_first_not_of(L' ', partStart) == std::wstring::npos;
}

// Why Windows would not keep a name of the path as it stands, in plain
// words; empty when it would. Windows drops a dot or a space at the end of
// a name (so "speech.mul." names "speech.mul"), takes what follows a ':'
// after the drive's for a stream inside a file, and allows neither the
// control characters nor any of <>"|?* in a name.
std::string nameWindowsWouldNotKeep(const std::wstring& typed) {
  // The "\\?\" and UNC prefixes, a UNC path's server and share, and a
  // drive's colon are not names.
  const bool exact = startsWith(typed, L"\\\\?\\");
  const bool unc = exact ? startsWith(typed, L"\\\\?\\UNC\\") : startsWith(typed, L"\\\\");
  std::size_t start = unc ? (exact ? 8 : 2) : (exact ? 4 : 0);
  const auto nextPart = [&](std::size_t from) {
    const std::size_t separator = typed.find_first_of(L"\\/", from);
    return separator == std::wstring::npos ? typed.size() : separator + 1;
  };
  if (unc) {
    start = nextPart(nextPart(start));
  } else if (typed.size() >= start + 2 && typed[start + 1] == L':' &&
             ((typed[start] >= L'A' && typed[start] <= L'Z') || (typed[start] >= L'a' && typed[start] <= L'z'))) {
    start += 2;
  }
  for (std::size_t partStart = start; partStart <= typed.size();) {
    const std::size_t separator = typed.find_first_of(L"\\/", partStart);
    const std::size_t partEnd = separator == std::wstring::npos ? typed.size() : separator;
    const std::wstring_view part = std::wstring_view(typed).substr(partStart, partEnd - partStart);
    // Each reason names the part of the path as %1.
    const std::string shown = narrow(part);
    for (const wchar_t c : part) {
      if (c < 0x20) {
        return texts::text(
            SPEECH_TEXT("file", "\"%1\" holds a control character, which Windows does not allow in a name"), {shown});
      }
      if (c == L':') {
        return texts::text(SPEECH_TEXT("file", "the \":\" in \"%1\" would name a stream inside a file, not a file"),
                           {shown});
      }
      if (std::wstring_view(L"<>\"|?*").find(c) != std::wstring_view::npos) {
        return texts::text(
            SPEECH_TEXT("file", "\"%1\" holds the character \"%2\", which Windows does not allow in a name"),
            {shown, narrow(std::wstring(1, c))});
      }
    }
    if (part != L"." && part != L".." && !part.empty() && (part.back() == L'.' || part.back() == L' ')) {
      return texts::text(part.back() == L'.'
                             ? SPEECH_TEXT("file", "\"%1\" ends in a dot, which Windows drops from a name")
                             : SPEECH_TEXT("file", "\"%1\" ends in a space, which Windows drops from a name"),
                         {shown});
    }
    partStart = partEnd + 1;
  }
  return {};
}

// How the file is named to CreateFileW: the full path in the "\\?\" form,
// which the system takes exactly as it stands (no blank or dot dropped from a
// name) and past 260 characters. A path in that form already stays as it is.
// Sets `device` for a device name (CON, NUL, COM1, "\\.\pipe\x", ...).
std::wstring exactPath(const std::wstring& typed, bool& device) {
  device = startsWith(typed, L"\\\\.\\");
  if (device || startsWith(typed, L"\\\\?\\")) return typed;
  if (lastPartIsBlanks(typed)) {
    const std::size_t partStart = typed.find_last_of(L"\\/") + 1;
    std::wstring folder = fullPath(partStart ? typed.substr(0, partStart) : L".");
    if (folder.empty()) return typed;
    if (!folder.ends_with(L'\\')) folder += L'\\';
    return inExactForm(folder + typed.substr(partStart));
  }
  std::wstring full = fullPath(typed);
  if (full.empty()) return typed;
  if (startsWith(full, L"\\\\.\\")) {
    device = true;
    return full;
  }
  const std::wstring_view tail = trailingBlanksAndDots(typed);
  if (!tail.empty() && !full.ends_with(tail)) full += tail;
  return inExactForm(full);
}

// Whether a part of the path is longer than any file system takes (255).
bool hasOverlongPart(std::wstring_view path) {
  std::size_t partStart = 0;
  for (std::size_t at = 0; at <= path.size(); ++at) {
    if (at == path.size() || path[at] == L'\\' || path[at] == L'/') {
      if (at - partStart > 255) return true;
      partStart = at + 1;
    }
  }
  return false;
}

platform::OpenOutcome refused(DWORD error, const std::wstring& path) {
  using platform::OpenRefusal;
  platform::OpenOutcome outcome;
  // Some systems report such a name as missing or invalid; it is too long.
  if ((error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME) &&
      hasOverlongPart(path)) {
    outcome.refusal = OpenRefusal::NameTooLong;
    return outcome;
  }
  switch (error) {
    case ERROR_FILE_NOT_FOUND: outcome.refusal = OpenRefusal::FileNotFound; break;
    case ERROR_PATH_NOT_FOUND: outcome.refusal = OpenRefusal::FolderNotFound; break;
    case ERROR_ACCESS_DENIED: {
      const DWORD attributes = GetFileAttributesW(path.c_str());
      const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
      outcome.refusal = folder ? OpenRefusal::Folder : OpenRefusal::NoPermission;
      break;
    }
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: outcome.refusal = OpenRefusal::InUse; break;
    case ERROR_FILENAME_EXCED_RANGE: outcome.refusal = OpenRefusal::NameTooLong; break;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY: outcome.refusal = OpenRefusal::InvalidName; break;
    case ERROR_TOO_MANY_OPEN_FILES: outcome.refusal = OpenRefusal::TooManyOpenFiles; break;
    default: outcome.systemText = systemMessage(error); break;
  }
  return outcome;
}

platform::OpenOutcome device() {
  platform::OpenOutcome outcome;
  outcome.refusal = platform::OpenRefusal::Device;
  return outcome;
}

// The C library's error number for a failed write. A pipe whose reader
// went away is a broken pipe, as on POSIX systems, however Windows puts it.
int writeErrorNumber(DWORD error) {
  switch (error) {
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:  // the pipe is being closed
    case ERROR_PIPE_NOT_CONNECTED: return EPIPE;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_INVALID_HANDLE: return EBADF;
    default: return EIO;
  }
}

// Whether the tables can convert a code page as the system does: one or two
// bytes a character, printable ASCII as it is, and no lead byte below 0x80
// (the tables copy runs of ASCII without looking them up).
bool tablesCanConvert(UINT codePage) {
  CPINFO info{};
  if (!GetCPInfo(codePage, &info) || info.MaxCharSize > 2) return false;
  for (int byte = 0x20; byte < 0x7F; ++byte) {
    const char in = static_cast<char>(byte);
    wchar_t unit = 0;
    if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(byte)) ||
        MultiByteToWideChar(codePage, 0, &in, 1, &unit, 1) != 1 || unit != byte) {
      return false;
    }
  }
  return true;
}

}  // namespace

platform::OpenOutcome platform::openRegularFile(const std::filesystem::path& path) {
  bool isDevice = false;
  const std::wstring name = exactPath(path.native(), isDevice);
  // A device is refused before it is opened: opening one can wait, or
  // connect to a pipe's server.
  if (isDevice) return device();
  // Read-only, and others may go on reading, writing or renaming the file.
  const HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return refused(GetLastError(), name);
  LARGE_INTEGER size{};
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    return device();
  }
  if (!GetFileSizeEx(handle, &size)) {
    const DWORD error = GetLastError();
    CloseHandle(handle);
    return refused(error, name);
  }
  OpenOutcome outcome;
  outcome.source = std::make_unique<WindowsFileSource>(handle, static_cast<std::uint64_t>(size.QuadPart));
  return outcome;
}

namespace {

using platform::SaveProblem;
using platform::saveProblem;
using platform::SaveRefusal;

// A handle, closed when it goes.
class Handle {
 public:
  explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) noexcept : handle_(handle) {}
  ~Handle() { reset(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  void reset() noexcept {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

// The system's error in making, naming or opening a file as a save problem.
SaveProblem problemOf(DWORD error) {
  switch (error) {
    case ERROR_PATH_NOT_FOUND: return saveProblem(SaveRefusal::FolderNotFound);
    case ERROR_ACCESS_DENIED: return saveProblem(SaveRefusal::FolderNotWritable);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
    case ERROR_UNABLE_TO_REMOVE_REPLACED: return saveProblem(SaveRefusal::InUse);
    case ERROR_FILENAME_EXCED_RANGE: return saveProblem(SaveRefusal::NameTooLong);
    case ERROR_CANT_RESOLVE_FILENAME: return saveProblem(SaveRefusal::LinkLoop);
    default: return saveProblem(SaveRefusal::Other, systemMessage(error));
  }
}

// A path as messages show it: without the "\\?\" that makes the system take
// it exactly as it stands.
std::filesystem::path shownPath(const std::wstring& path) {
  if (startsWith(path, L"\\\\?\\UNC\\")) return L"\\\\" + path.substr(8);
  if (startsWith(path, L"\\\\?\\")) return path.substr(4);
  return path;
}

std::wstring folderOf(const std::wstring& file) { return file.substr(0, file.find_last_of(L"\\/")); }

// The file a symbolic link leads to, in the "\\?\" form; empty when the
// link leads nowhere, with the system's error in `error`.
std::wstring finalPathOf(const std::wstring& link, DWORD& error) {
  const Handle file(CreateFileW(link.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) {
    error = GetLastError();
    return {};
  }
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(file.get(), path.data(), static_cast<DWORD>(path.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) {
      error = GetLastError();
      return {};
    }
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length + 1);
  }
}

// Whether the file has more names than one (hard links).
bool hasOtherNames(const std::wstring& file) {
  const Handle handle(CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  return handle && GetFileInformationByHandle(handle.get(), &info) && info.nNumberOfLinks > 1;
}

// The file now at `file`, as a handle opened on it says; none when nothing
// is there, or the system's error.
struct FileNamed {
  std::optional<ReplacedFile> file;
  DWORD error = 0;
};

FileNamed fileNamed(const std::wstring& file) {
  const Handle handle(CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!handle) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
    return {std::nullopt, error};
  }
  if (auto facts = factsOf(handle.get())) return {std::move(facts)};
  return {std::nullopt, GetLastError()};
}

// Whether a file with a save's temporary name is what a save ended midway
// left: a plain file (not a folder, a link, nor read-only, hidden or a
// system file) with no other name, unchanged for long enough that no save
// can still be writing it.
bool isLeftoverOfASave(const BY_HANDLE_FILE_INFORMATION& info) {
  constexpr DWORD kNoSaveMakes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_READONLY |
                                 FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return !(info.dwFileAttributes & kNoSaveMakes) && info.nNumberOfLinks == 1 &&
         ticksOf(now) - ticksOf(info.ftLastWriteTime) >= platform::kLeftoverAge;
}

// Removes the temporary files that saves ended midway left in the folder. A
// save in progress holds its file open without sharing it, so it cannot be
// opened here; what is opened is checked and removed by that very handle.
// Any other file is left as it is, whoever made it.
void removeLeftovers(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  const HANDLE listing = FindFirstFileW((folder + L"\\.speechviewer-saving-*").c_str(), &data);
  if (listing == INVALID_HANDLE_VALUE) return;
  std::vector<std::wstring> names;
  do {
    if (platform::isSaveTemporaryName(narrow(data.cFileName))) names.emplace_back(data.cFileName);
  } while (FindNextFileW(listing, &data));
  FindClose(listing);
  for (const std::wstring& name : names) {
    const Handle file(CreateFileW((folder + L"\\" + name).c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file || !GetFileInformationByHandle(file.get(), &info) || !isLeftoverOfASave(info)) continue;
    FILE_DISPOSITION_INFO removal{TRUE};
    SetFileInformationByHandle(file.get(), FileDispositionInfo, &removal, sizeof removal);
  }
}

class WindowsReplacement final : public platform::FileReplacement {
 public:
  WindowsReplacement(std::wstring file, DWORD attributes, bool inPlace, HANDLE temporary, std::wstring temporaryPath,
                     SaveProblem where, const ReplaceCheck& check)
      : FileReplacement(check),
        file_(std::move(file)),
        exists_(attributes != INVALID_FILE_ATTRIBUTES),
        attributes_(attributes),
        inPlace_(inPlace),
        temporary_(temporary),
        temporaryPath_(std::move(temporaryPath)) {
    problem_ = std::move(where);
  }
  ~WindowsReplacement() override {
    temporary_.reset();
    if (!temporaryPath_.empty()) DeleteFileW(temporaryPath_.c_str());
  }
  WindowsReplacement(const WindowsReplacement&) = delete;
  WindowsReplacement& operator=(const WindowsReplacement&) = delete;

  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD written = 0;
      if (!WriteFile(temporary_.get(), bytes.data(), chunk, &written, nullptr)) return failedWrite();
      bytes.remove_prefix(written);
    }
    return true;
  }

  bool commit() override {
    if (!FlushFileBuffers(temporary_.get())) return failedWrite();
    if (inPlace_) return writeInPlace();
    temporary_.reset();
    if (!approveWhatIsReplaced()) return false;
    if (!exists_) {
      if (!MoveFileExW(temporaryPath_.c_str(), file_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return failed(problemOf(GetLastError()));
      }
      temporaryPath_.clear();  // it is the file now
      return true;
    }
    // The replaced file keeps its attributes, security, creation time and
    // streams; its attributes are given to the new content beforehand too,
    // for the systems whose ReplaceFileW does not keep them.
    SetFileAttributesW(temporaryPath_.c_str(), attributes_ & kKeptAttributes);
    if (ReplaceFileW(file_.c_str(), temporaryPath_.c_str(), nullptr,
                     REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr)) {
      temporaryPath_.clear();
      return true;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
      // The replaced file is gone and the new one kept its temporary name:
      // it takes the file's name now, or stays where the message says.
      if (MoveFileExW(temporaryPath_.c_str(), file_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        temporaryPath_.clear();
        return true;
      }
      const std::string where = narrow(shownPath(temporaryPath_).native());
      temporaryPath_.clear();
      return failed(saveProblem(SaveRefusal::Other, texts::text(SPEECH_TEXT("file", "%1; the new content is in \"%2\""),
                                                                {systemMessage(GetLastError()), where})));
    }
    return failed(error == ERROR_ACCESS_DENIED ? saveProblem(SaveRefusal::NoPermission) : problemOf(error));
  }

 private:
  bool failed(SaveProblem problem) {
    problem.folder = problem_.folder;
    problem.fileExists = problem_.fileExists;
    problem_ = std::move(problem);
    return false;
  }
  bool failedWrite() { return failed(saveProblem(SaveRefusal::WriteFailed, systemMessage(GetLastError()))); }

  // Hands the check the file that the name given to the system's replace
  // leads to now, whatever it is by then.
  bool approveWhatIsReplaced() {
    const FileNamed now = fileNamed(file_);
    if (now.error != 0) return failed(problemOf(now.error));
    approve(now.file);
    return true;
  }

  // A file with other names: the new content, whole in the temporary file,
  // is copied over the file's own bytes, so every name shows it.
  bool writeInPlace() {
    const Handle target(CreateFileW(file_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!target) {
      const DWORD error = GetLastError();
      return failed(error == ERROR_ACCESS_DENIED ? saveProblem(SaveRefusal::NoPermission) : problemOf(error));
    }
    const std::optional<ReplacedFile> replaced = factsOf(target.get());
    if (!replaced) return failedWrite();
    approve(replaced);
    const LARGE_INTEGER start{};
    if (!SetFilePointerEx(temporary_.get(), start, nullptr, FILE_BEGIN)) return failedWrite();
    std::vector<char> block(std::size_t{1} << 20);
    for (;;) {
      DWORD got = 0;
      if (!ReadFile(temporary_.get(), block.data(), static_cast<DWORD>(block.size()), &got, nullptr)) {
        return failedWrite();
      }
      if (got == 0) break;
      for (DWORD done = 0; done < got;) {
        DWORD put = 0;
        if (!WriteFile(target.get(), block.data() + done, got - done, &put, nullptr)) return failedWrite();
        done += put;
      }
    }
    if (!SetEndOfFile(target.get()) || !FlushFileBuffers(target.get())) return failedWrite();
    return true;
  }

  // The attributes a file can be given, of those the replaced file had.
  static constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                           FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE;

  std::wstring file_;
  bool exists_;
  DWORD attributes_;
  bool inPlace_;
  Handle temporary_;
  std::wstring temporaryPath_;  // removed when the replacement goes, unless it became the file
};

}  // namespace

platform::ReplacementStart platform::startReplacement(const std::filesystem::path& target, const ReplaceCheck& check) {
  ReplacementStart start;
  bool isDevice = false;
  std::wstring file = exactPath(target.native(), isDevice);
  SaveProblem where;
  where.folder = shownPath(folderOf(file));
  const auto fail = [&](SaveProblem problem) {
    problem.folder = where.folder;
    problem.fileExists = where.fileExists;
    start.problem = std::move(problem);
    return std::move(start);
  };
  if (isDevice) return fail(saveProblem(SaveRefusal::Device));
  if (std::string why = nameWindowsWouldNotKeep(target.native()); !why.empty()) {
    return fail(saveProblem(SaveRefusal::NameNotKept, std::move(why)));
  }
  if (hasOverlongPart(file)) return fail(saveProblem(SaveRefusal::NameTooLong));
  DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) return fail(problemOf(error));
  } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    // The file the name leads to, through any symbolic link: that file is
    // replaced, and the link stays.
    DWORD error = 0;
    const std::wstring final = finalPathOf(file, error);
    const bool link = attributes & FILE_ATTRIBUTE_REPARSE_POINT;
    if (final.empty() && link) {
      if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        return fail(saveProblem(SaveRefusal::BrokenLink));
      }
      return fail(problemOf(error));
    }
    if (!final.empty()) file = final;  // a file system that cannot tell has no links either
    where.folder = shownPath(folderOf(file));
    attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return fail(saveProblem(SaveRefusal::BrokenLink));
  }
  if (const std::optional<std::filesystem::path>& resolution = saveTargetResolution()) {
    file = exactPath(resolution->native(), isDevice);
    where.folder = shownPath(folderOf(file));
    attributes = GetFileAttributesW(file.c_str());
  }
  where.fileExists = attributes != INVALID_FILE_ATTRIBUTES;
  bool inPlace = false;
  if (where.fileExists) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return fail(saveProblem(SaveRefusal::Folder));
    if (attributes & FILE_ATTRIBUTE_READONLY) return fail(saveProblem(SaveRefusal::ReadOnly));
    inPlace = hasOtherNames(file);
  }
  const FileNamed present = fileNamed(file);
  if (present.error != 0) return fail(problemOf(present.error));
  if (check) check(present.file);
  const std::wstring folder = folderOf(file);
  removeLeftovers(folder);
  for (int attempt = 0; attempt < 10; ++attempt) {
    std::wstring temporaryPath = folder + L"\\" + widen(saveTemporaryName());
    // Not shared while it is written: a save in progress is thus told from
    // what an ended one left.
    const HANDLE temporary = CreateFileW(temporaryPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (temporary != INVALID_HANDLE_VALUE) {
      start.replacement = std::make_unique<WindowsReplacement>(std::move(file), attributes, inPlace, temporary,
                                                               std::move(temporaryPath), where, check);
      return start;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return fail(problemOf(error));
  }
  return fail(problemOf(ERROR_FILE_EXISTS));
}

bool platform::sameName(const std::filesystem::path& a, const std::filesystem::path& b) {
  const std::wstring& x = a.native();
  const std::wstring& y = b.native();
  return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(), static_cast<int>(y.size()), TRUE) ==
         CSTR_EQUAL;
}

std::vector<std::filesystem::path> commandLineArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::filesystem::path> arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(std::wstring(wide[i]));
  LocalFree(wide);
  return arguments;
}

bool slashQuestionMarkAsksForUsage() { return true; }

void prepareStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

void prepareStandardInput() { _setmode(_fileno(stdin), _O_BINARY); }

bool standardOutputIsTerminal() { return GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_CHAR; }

bool standardErrorIsTerminal() { return GetFileType(GetStdHandle(STD_ERROR_HANDLE)) == FILE_TYPE_CHAR; }

std::optional<FileIdentity> standardInputIdentity() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  if (input == INVALID_HANDLE_VALUE || GetFileType(input) != FILE_TYPE_DISK) return std::nullopt;
  return identityOf(input);
}

LargeBlock allocateLargeBlock(std::size_t size, bool) {
  void* const block = std::malloc(size);
  if (!block) throw std::bad_alloc();
  return LargeBlock(static_cast<std::uint8_t*>(block));
}

// Windows sets a process no limit of its own; a job's limit shows as memory
// that cannot be had, which the windows handle as any running out of memory.
std::optional<std::uint64_t> addressSpaceLeft() { return std::nullopt; }

void shareMemoryPoolsUnderALimit() {}

void LargeBlockDeleter::operator()(std::uint8_t* block) const noexcept { std::free(block); }

bool writeUtf8(std::FILE* stream, std::string_view text) {
  const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
    // A console shows Unicode whatever its code page.
    std::fflush(stream);
    const std::wstring wide = widen(text);
    DWORD written = 0;
    return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
  }
  if (stream != stdout || handle == INVALID_HANDLE_VALUE || handle == nullptr) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
  }
  // Standard output takes the bytes as they are (prepareStandardOutput):
  // what the C library holds for it goes first, then the system writes the
  // text, and a failure is told in errno as on POSIX systems.
  if (std::fflush(stream) != 0) return false;
  while (!text.empty()) {
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, text.data(), chunk, &written, nullptr)) {
      errno = writeErrorNumber(GetLastError());
      return false;
    }
    text.remove_prefix(written);
  }
  return true;
}

unsigned platform::systemCodePage() {
  const UINT codePage = GetACP();
  if (codePage == CP_UTF8 || tablesCanConvert(codePage)) return codePage;
  return 1252;
}

CodePageSource platform::codePageSource(unsigned codePage) {
  CodePageSource source;
  for (int byte = 0; byte < 256; ++byte) {
    const char in = static_cast<char>(byte);
    wchar_t unit = 0;
    source.leadBytes[byte] = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(byte)) != 0;
    if (!source.leadBytes[byte] && MultiByteToWideChar(codePage, 0, &in, 1, &unit, 1) == 1) {
      source.single[byte] = static_cast<char16_t>(unit);
    }
  }
  // A pair is a character when the system converts it, strictly, to one.
  for (int lead = 0; lead < 256; ++lead) {
    if (!source.leadBytes[lead]) continue;
    for (int trail = 0; trail < 256; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      wchar_t units[2] = {};
      const bool one = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, pair, 2, units, 2) == 1;
      source.pairs.push_back(one ? static_cast<char16_t>(units[0]) : u'\0');
    }
  }
  // The characters that more than one byte or pair converts to, and what
  // the system converts each back to, strictly.
  std::vector<std::uint8_t> seen(0x10000);
  const auto count = [&](char16_t c) {
    if (c != 0 && seen[c] < 2) ++seen[c];
  };
  for (int byte = 0; byte < 256; ++byte) {
    if (!source.leadBytes[byte]) count(source.single[byte]);
  }
  for (const char16_t c : source.pairs) count(c);
  for (unsigned c = 1; c < 0x10000; ++c) {
    if (seen[c] < 2) continue;
    const wchar_t unit = static_cast<wchar_t>(c);
    char bytes[2] = {};
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, &unit, 1, bytes, 2, nullptr, &usedDefault);
    if (usedDefault || n < 1) continue;
    const auto lead = static_cast<std::uint8_t>(bytes[0]), second = static_cast<std::uint8_t>(bytes[1]);
    source.preferred.emplace_back(static_cast<char16_t>(c),
                                  static_cast<std::uint16_t>(n == 1 ? lead : lead << 8 | second));
  }
  return source;
}

std::optional<ReplacedFile> platform::fileFacts(const std::filesystem::path& path) {
  bool isDevice = false;
  const std::wstring name = exactPath(path.native(), isDevice);
  if (isDevice) return std::nullopt;
  return fileNamed(name).file;
}

}  // namespace runtime
