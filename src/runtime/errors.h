// The runtime's errors: a number, the runtime's standard name for it, and a
// description in plain words of what went wrong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace runtime {

// The error numbers the runtime raises. The values are the classic ones, so a
// user who knows them recognises them.
enum class ErrorNumber : int {
  Overflow = 6,
  OutOfMemory = 7,
  UserInterrupt = 18,
  SubscriptOutOfRange = 9,
  BadFileNameOrNumber = 52,
  FileNotFound = 53,
  FileAlreadyOpen = 55,
  DeviceIOError = 57,
  InputPastEndOfFile = 62,
  TooManyFiles = 67,
  PermissionDenied = 70,
  PathFileAccessError = 75,
  PathNotFound = 76,
};

// The runtime's standard name for an error number ("Overflow", ...).
const char* standardText(ErrorNumber number);

class RuntimeError : public std::runtime_error {
 public:
  // `description` is one or more sentences in plain words ("There is no file
  // with this name."); it may be empty.
  explicit RuntimeError(ErrorNumber number, std::string description = {});

  ErrorNumber number() const { return number_; }
  const std::string& description() const { return description_; }
  // what() is the description followed by the runtime's name and number:
  // "There is no file with this name. (File not found, runtime error 53)".

 private:
  ErrorNumber number_;
  std::string description_;
};

// "<description> (<standard name>, runtime error <number>)", or only the
// parenthesis' content when the description is empty.
std::string errorText(ErrorNumber number, const std::string& description);

// Raises the runtime's overflow error; does not return.
[[noreturn]] void raiseOverflow(std::string description = {});

// A path as UTF-8 text: on POSIX its bytes as they are (valid UTF-8 or
// not), on Windows its UTF-16 name converted, with a lone surrogate as
// U+FFFD. Never fails.
std::string pathText(const std::filesystem::path& path);

// A path as messages name it: its text in double quotes. A path of more
// than kLongestPathInMessage characters keeps its start and its end around
// an ellipsis, and says that it was shortened:
//   "/home/u/aaaa…aaaa/speech.mul" (shortened from 30,000 characters)
// A message box is as wide as its longest word, and a path is one word.
// A byte that is not UTF-8 counts as the four characters it shows as.
std::string quotedPath(const std::filesystem::path& path);
constexpr std::size_t kLongestPathInMessage = 100;

// A count with thousands separators: 32767 -> "32,767".
std::string groupedNumber(std::uint64_t value);

}  // namespace runtime
