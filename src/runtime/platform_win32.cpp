// Opening files, the command line, the console and the ANSI code page
// through the Windows API. This is the one file of the runtime that includes
// <windows.h> (which, among much else, defines a MAKEWORD macro).
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// After <windows.h>, which they build on.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <new>

#include "runtime/errors.h"
#include "runtime/platform.h"
#include "runtime/text.h"
#include "runtime/utf8_table.h"

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

// The file an open handle reads: its volume's serial number and its index.
std::optional<FileIdentity> identityOf(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle, &info)) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber, std::uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
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

// The ANSI code page as a table when it is a single-byte one (as 1252 and
// 1251 are); double-byte code pages are converted block by block.
struct AnsiCodePage {
  bool singleByte = false;
  Utf8Table table{};
};

AnsiCodePage loadAnsiCodePage() {
  AnsiCodePage page;
  CPINFO info{};
  page.singleByte = GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
  if (page.singleByte) {
    for (int byte = 0; byte < 256; ++byte) {
      const char in = static_cast<char>(byte);
      wchar_t unit = 0;
      MultiByteToWideChar(CP_ACP, 0, &in, 1, &unit, 1);
      page.table[byte] = packUtf8(unit);
      // The table's conversion copies printable ASCII as it is.
      if (byte >= 0x20 && byte < 0x7F && unit != byte) page.singleByte = false;
    }
  }
  return page;
}

const AnsiCodePage& ansiCodePage() {
  static const AnsiCodePage page = loadAnsiCodePage();
  return page;
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

class WindowsNewFile final : public platform::NewFile {
 public:
  explicit WindowsNewFile(HANDLE handle) : handle_(handle) {}
  ~WindowsNewFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  WindowsNewFile(const WindowsNewFile&) = delete;
  WindowsNewFile& operator=(const WindowsNewFile&) = delete;

  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD written = 0;
      if (!WriteFile(handle_, bytes.data(), chunk, &written, nullptr)) {
        systemText_ = systemMessage(GetLastError());
        return false;
      }
      bytes.remove_prefix(written);
    }
    return true;
  }
  bool finish() override {
    const bool flushed = FlushFileBuffers(handle_) != 0;
    const DWORD flushError = GetLastError();
    const bool closed = CloseHandle(handle_) != 0;
    const DWORD closeError = GetLastError();
    handle_ = INVALID_HANDLE_VALUE;
    if (!flushed || !closed) systemText_ = systemMessage(flushed ? closeError : flushError);
    return flushed && closed;
  }

 private:
  HANDLE handle_;
};

std::wstring longPath(const std::filesystem::path& path) {
  bool device = false;
  return exactPath(path.native(), device);
}

}  // namespace

std::unique_ptr<platform::NewFile> platform::createNewFile(const std::filesystem::path& path, std::string& systemText) {
  const HANDLE handle =
      CreateFileW(longPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    systemText = systemMessage(GetLastError());
    return nullptr;
  }
  return std::make_unique<WindowsNewFile>(handle);
}

std::optional<FileIdentity> platform::identifyFile(const std::filesystem::path& path) {
  bool isDevice = false;
  const std::wstring name = exactPath(path.native(), isDevice);
  if (isDevice) return std::nullopt;
  // No access asked for: enough to read the file's identity, and never in
  // the way of another program.
  const HANDLE handle = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  const std::optional<FileIdentity> identity = identityOf(handle);
  CloseHandle(handle);
  return identity;
}

bool platform::sameName(const std::filesystem::path& a, const std::filesystem::path& b) {
  const std::wstring& x = a.native();
  const std::wstring& y = b.native();
  return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(), static_cast<int>(y.size()), TRUE) ==
         CSTR_EQUAL;
}

bool platform::replaceFile(const std::filesystem::path& from, const std::filesystem::path& to,
                           std::string& systemText) {
  if (MoveFileExW(longPath(from).c_str(), longPath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  systemText = systemMessage(GetLastError());
  return false;
}

std::vector<std::filesystem::path> commandLineArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::filesystem::path> arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(std::wstring(wide[i]));
  LocalFree(wide);
  return arguments;
}

void prepareStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

LargeBlock allocateLargeBlock(std::size_t size, bool) {
  void* const block = std::malloc(size);
  if (!block) throw std::bad_alloc();
  return LargeBlock(static_cast<std::uint8_t*>(block));
}

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
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

const Utf8Table* ansiTable() { return ansiCodePage().singleByte ? &ansiCodePage().table : nullptr; }

char* writeAnsiText(char* out, std::span<const std::uint8_t> bytes) {
  const AnsiCodePage& page = ansiCodePage();
  if (page.singleByte) return writeThroughTable(out, bytes, page.table);
  if (bytes.empty()) return out;
  // A double-byte code page: the whole block at once, so that byte pairs stay
  // together. n bytes give at most n UTF-16 units, each at most 3 UTF-8 bytes.
  const auto* in = reinterpret_cast<const char*>(bytes.data());
  const int units = MultiByteToWideChar(CP_ACP, 0, in, static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, in, static_cast<int>(bytes.size()), wide.data(), units);
  const int written = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out,
                                          static_cast<int>(maxAnsiTextSize(bytes.size())), nullptr, nullptr);
  return out + written;
}

}  // namespace runtime
