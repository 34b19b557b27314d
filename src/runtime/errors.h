// The runtime's errors: a number, the runtime's standard text for it, and an
// optional detail that says what exactly went wrong.
#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// The error numbers the runtime raises. The values are the classic ones, so a
// user who knows them recognises them.
enum class ErrorNumber : int {
  Overflow = 6,
  OutOfMemory = 7,
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

// The runtime's standard text for an error number ("Overflow", ...).
const char* standardText(ErrorNumber number);

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(ErrorNumber number, std::string detail = {});

  ErrorNumber number() const { return number_; }
  // What went wrong beyond the standard text; may be empty. what() gives the
  // whole message: "Overflow (runtime error 6): <detail>".
  const std::string& detail() const { return detail_; }

 private:
  ErrorNumber number_;
  std::string detail_;
};

// Raises the runtime's overflow error; does not return.
[[noreturn]] void raiseOverflow(std::string detail = {});

}  // namespace runtime
