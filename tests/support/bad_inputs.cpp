#include "support/bad_inputs.h"

#ifdef _WIN32
#include "ui/win32/windows_api.h"
#else
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <fstream>

namespace testing_support {

namespace fs = std::filesystem;

std::vector<BadInput> makeBadInputs(const TempDir& dir) {
  const std::string folder = dir.path().string();
  const std::string good = dir.write("speech.mul", concat({record(1, "one"), record(2, "")}));
  const std::string longest(32767, 'w');
  const std::string longTexts =
      dir.write("longest.mul", concat({record(1, longest), record(2, longest), record(3, longest)}));
  const std::string accentedName = dir.write(
      "sp\xC3\xA9"
      "ech \xC3\xBCnic\xC3\xB8"
      "de.mul",
      record(0x2A, "hail"));

  // A text that would retitle the terminal, clear it and break its line if
  // it reached the terminal as it stands.
  const std::string hostile = dir.write("hostile.mul", record(0x1B, "a\x1B]0;owned\x07\x1B[2Jb\nc\rd\x7F\x81"));
  const std::string hostileShown = "ID: 1B Text: a\u241B]0;owned\u2407\u241B[2Jb\u240Ac\u240Dd\u2421\u203981\u203A";

  std::vector<BadInput> cases = {
      {"empty path", "", {}, "The path is empty. (Bad file name or number, runtime error 52)"},
      {"path of blanks", "   ", {}, "There is no file with this name. (File not found, runtime error 53)"},
      {"trailing blank", good + " ", {}, "There is no file with this name. (File not found, runtime error 53)"},
      {"folder", folder, {}, "This is a folder, not a file. (Path/File access error, runtime error 75)"},
      {"missing folder",
       folder + "/no such folder/speech.mul",
       {},
       "The folder \"" + folder + "/no such folder\" does not exist. (Path not found, runtime error 76)"},
      {"very long path",
       folder + "/" + std::string(5000, 'a'),
       {},
       "The path is too long. (Bad file name or number, runtime error 52)"},
      {"non-ASCII letters", accentedName, {"ID: 2A Text: hail"}, ""},
      {"texts of 32,767 bytes",
       longTexts,
       {"ID: 1 Text: " + longest, "ID: 2 Text: " + longest, "ID: 3 Text: " + longest},
       ""},
      {"control characters in a text", hostile, {hostileShown}, ""},
      {"plain file", good, {"ID: 1 Text: one"}, ""},
  };
#ifndef _WIN32
  // What only POSIX systems have: devices and FIFOs in the file system,
  // control characters in names, and permissions that stop root too.
  const std::string fifo = folder + "/fifo";
  ::mkfifo(fifo.c_str(), 0600);
  cases.push_back({"/dev/zero", "/dev/zero", {}, "This is a device, pipe or socket, not a file."});
  cases.push_back({"FIFO", fifo, {}, "This is a device, pipe or socket, not a file."});
  // A Unix socket's name stays in the folder after its socket is closed.
  const std::string socketPath = folder + "/socket";
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
  if (const int unixSocket = ::socket(AF_UNIX, SOCK_STREAM, 0); unixSocket >= 0) {
    if (::bind(unixSocket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
      cases.push_back({"Unix socket", socketPath, {}, "This is a device, pipe or socket, not a file."});
    }
    ::close(unixSocket);
  }
  // Files the system makes up as they are read, which give no size or a
  // wrong one, are read to their end. A process's status begins "Name:",
  // an entry whose text would be 0x6D65 bytes long; the list of CPUs ("0-1")
  // ends within its first entry.
  cases.push_back({"/proc/self/status, of size 0",
                   "/proc/self/status",
                   {},
                   "The entry at byte 0 is cut short: its text is 28005 bytes long, but the file ends after "});
  if (fs::exists("/sys/devices/system/cpu/online")) {
    cases.push_back(
        {"a /sys file, of size 4096", "/sys/devices/system/cpu/online", {}, "The entry at byte 0 is cut short"});
  }
  cases.push_back({"path with control characters",
                   folder + "/a\x1B[2Jb\nc.mul",
                   {},
                   "/a\u241B[2Jb\u240Ac.mul\": There is no file with this name."});
  if (::geteuid() != 0) {
    const std::string locked = dir.write("locked.mul", record(1, "x"));
    fs::permissions(locked, fs::perms::none);
    cases.push_back({"no read permission",
                     locked,
                     {},
                     "You do not have permission to read this file. (Permission denied, runtime error 70)"});
  }
#endif
  return cases;
}

#ifdef _WIN32
WindowsBadInputs::WindowsBadInputs(const TempDir& dir) : held_(INVALID_HANDLE_VALUE) {
  const auto wide = [](const std::string& utf8) { return pathFromUtf8(utf8).wstring(); };
  const std::string folder = dir.path().string();
  const std::string device = "This is a device, pipe or socket, not a file. (Path/File access error, runtime error 75)";
  for (const char* name : {"CON", "NUL", "COM1", "\\\\.\\pipe\\x"}) cases_.push_back({name, name, {}, device});

  std::string deep = folder;
  for (int level = 0; level < 5; ++level) {
    deep += "\\" + std::string(50, static_cast<char>('a' + level));
    CreateDirectoryW(wide(deep).c_str(), nullptr);
  }
  const std::string longPath = deep + "\\speech.mul";
  const Bytes one = record(1, "one");
  {
    const HANDLE file =
        CreateFileW((L"\\\\?\\" + wide(longPath)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, one.data(), static_cast<DWORD>(one.size()), &written, nullptr);
    CloseHandle(file);
  }
  cases_.push_back({"path of " + std::to_string(longPath.size()) + " characters", longPath, {"ID: 1 Text: one"}, ""});

  // U+0175 and U+1F600 are in none of the ANSI code pages.
  cases_.push_back(
      {"letters outside the ANSI code page", dir.write("\xC5\xB5 \xF0\x9F\x98\x80.mul", one), {"ID: 1 Text: one"}, ""});

  const std::string inUse = dir.write("in use.mul", one);
  held_ = CreateFileW(wide(inUse).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  cases_.push_back({"file held open without sharing",
                    inUse,
                    {},
                    "The file is in use: another program has it open and does not let others read it."});

  cases_.push_back({"path with control characters",
                    folder + "\\a\x1B[2Jb\nc.mul",
                    {},
                    "\\a\u241B[2Jb\u240Ac.mul\": The path is not a valid file name."});
}

WindowsBadInputs::~WindowsBadInputs() {
  if (held_ != INVALID_HANDLE_VALUE) CloseHandle(held_);
}
#endif

BadInput makeSparseOver4GiB(const TempDir& dir) {
  const std::string path = (dir.path() / "sparse.mul").string();
  const std::uint64_t tail = (std::uint64_t{1} << 32) + 4;  // a multiple of 4: zero records fill up to it
  {
    std::ofstream out(path, std::ios::binary);
    const Bytes end = concat({record(0x1234, "end"), record(9, 0x8000, "")});
    out.seekp(static_cast<std::streamoff>(tail));
    out.write(reinterpret_cast<const char*>(end.data()), static_cast<std::streamsize>(end.size()));
  }
  return {"sparse file over 4 GiB",
          path,
          {"ID: 1234 Text: end"},
          "The entry at byte 4294967307 gives a text length of 0x8000"};
}

#ifdef _WIN32
namespace {

// Calls visit(path, data) for every file and folder under `dir`, by the
// system's own listing, which takes every name the file system holds.
template <typename Visit>
void forEachUnder(const std::wstring& dir, Visit visit) {
  WIN32_FIND_DATAW data;
  const HANDLE listing = FindFirstFileW((dir + L"\\*").c_str(), &data);
  if (listing == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = dir + L"\\" + name;
    visit(path, data);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) forEachUnder(path, visit);
  } while (FindNextFileW(listing, &data));
  FindClose(listing);
}

}  // namespace

std::map<std::string, std::string> snapshot(const fs::path& dir) {
  std::map<std::string, std::string> entries;
  forEachUnder(L"\\\\?\\" + fs::absolute(dir).make_preferred().wstring(), [&entries](const std::wstring& path,
                                                                                     const WIN32_FIND_DATAW& data) {
    const std::u8string name = fs::path(path).u8string();
    const auto size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    const auto time = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
    entries[std::string(name.begin(), name.end())] = std::to_string(size) + "@" + std::to_string(time);
  });
  return entries;
}

// A file is open somewhere when it cannot be opened without sharing.
bool holdsOpenFileUnder(const fs::path& dir) {
  bool held = false;
  forEachUnder(L"\\\\?\\" + fs::absolute(dir).make_preferred().wstring(),
               [&held](const std::wstring& path, const WIN32_FIND_DATAW& data) {
                 if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return;
                 const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
                 if (file != INVALID_HANDLE_VALUE)
                   CloseHandle(file);
                 else if (GetLastError() == ERROR_SHARING_VIOLATION)
                   held = true;
               });
  return held;
}
#else
std::map<std::string, std::string> snapshot(const fs::path& dir) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    struct stat st {};
    ::lstat(entry.path().c_str(), &st);
    entries[entry.path().string()] =
        std::to_string(st.st_size) + "@" + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
  }
  return entries;
}

bool holdsOpenFileUnder(const fs::path& dir) {
  const std::string prefix = dir.string() + "/";
  for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    const std::string target = fs::read_symlink(fd.path(), error).string();
    if (!error && (target.rfind(prefix, 0) == 0 || target == dir.string())) return true;
  }
  return false;
}
#endif

bool slowTestsEnabled() { return std::getenv("SPEECH_SLOW_TESTS") != nullptr; }

}  // namespace testing_support
