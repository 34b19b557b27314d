// Opening files, the command line, the console and the ANSI code page
// through the Windows API. This is the one file that includes <windows.h>
// (which, among much else, defines a MAKEWORD macro).
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>

#include "runtime/byte_source.h"
#include "runtime/errors.h"
#include "runtime/platform.h"
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
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text ? text : L"", length);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.')) {
    message.pop_back();
  }
  return message.empty() ? "Windows error " + std::to_string(error) : narrow(message);
}

class WindowsFileSource final : public ByteSource {
 public:
  WindowsFileSource(HANDLE handle, std::uint64_t size) : handle_(handle), size_(size) {}
  ~WindowsFileSource() override { CloseHandle(handle_); }
  WindowsFileSource(const WindowsFileSource&) = delete;
  WindowsFileSource& operator=(const WindowsFileSource&) = delete;

  std::uint64_t size() const override { return size_; }

  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(out.size(), 1u << 30));
    DWORD got = 0;
    if (!ReadFile(handle_, out.data(), wanted, &got, &at)) {
      const DWORD error = GetLastError();
      if (error == ERROR_HANDLE_EOF) return 0;
      throw RuntimeError(ErrorNumber::DeviceIOError,
                         "reading at byte offset " + std::to_string(offset) + " failed: " + systemMessage(error));
    }
    return got;
  }

 private:
  HANDLE handle_;
  std::uint64_t size_;
};

[[noreturn]] void raiseOpenError(DWORD error, const std::wstring& path) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND: throw RuntimeError(ErrorNumber::FileNotFound, "no such file");
    case ERROR_PATH_NOT_FOUND: throw RuntimeError(ErrorNumber::PathNotFound, "a folder in the path does not exist");
    case ERROR_ACCESS_DENIED: {
      const DWORD attributes = GetFileAttributesW(path.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        throw RuntimeError(ErrorNumber::PathFileAccessError, "this is a folder, not a file");
      }
      throw RuntimeError(ErrorNumber::PermissionDenied, "no permission to read the file");
    }
    case ERROR_SHARING_VIOLATION:
      throw RuntimeError(ErrorNumber::PermissionDenied, "another program holds the file locked");
    case ERROR_FILENAME_EXCED_RANGE: throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "the path is too long");
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME: throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "the path is not valid");
    case ERROR_TOO_MANY_OPEN_FILES: throw RuntimeError(ErrorNumber::TooManyFiles, systemMessage(error));
    default: throw RuntimeError(ErrorNumber::PathFileAccessError, systemMessage(error));
  }
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
    }
  }
  return page;
}

}  // namespace

std::unique_ptr<ByteSource> openFileReadOnly(const std::string& utf8Path) {
  if (utf8Path.empty()) throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "the path is empty");
  if (utf8Path.find('\0') != std::string::npos) {
    throw RuntimeError(ErrorNumber::BadFileNameOrNumber, "the path contains a zero character");
  }
  const std::wstring path = widen(utf8Path);
  // Read-only, and others may go on reading, writing or renaming the file.
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) raiseOpenError(GetLastError(), path);
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    throw RuntimeError(ErrorNumber::PathFileAccessError, "this is a device, pipe or socket, not a regular file");
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle, &size)) {
    const DWORD error = GetLastError();
    CloseHandle(handle);
    throw RuntimeError(ErrorNumber::DeviceIOError, systemMessage(error));
  }
  return std::make_unique<WindowsFileSource>(handle, static_cast<std::uint64_t>(size.QuadPart));
}

std::vector<std::string> commandLineArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(narrow(wide[i]));
  LocalFree(wide);
  return arguments;
}

void prepareStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

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

char* writeSystemAnsiText(char* out, std::span<const std::uint8_t> bytes) {
  static const AnsiCodePage page = loadAnsiCodePage();
  if (page.singleByte) return writeThroughTable(out, bytes, page.table);
  if (bytes.empty()) return out;
  // A double-byte code page: the whole block at once, so that byte pairs stay
  // together. n bytes give at most n UTF-16 units, each at most 3 UTF-8 bytes.
  const auto* in = reinterpret_cast<const char*>(bytes.data());
  const int units = MultiByteToWideChar(CP_ACP, 0, in, static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, in, static_cast<int>(bytes.size()), wide.data(), units);
  const int written = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out, static_cast<int>(3 * bytes.size() + 1),
                                          nullptr, nullptr);
  return out + written;
}

}  // namespace runtime
