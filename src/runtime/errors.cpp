#include "runtime/errors.h"

namespace runtime {

const char* standardText(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::Overflow: return "Overflow";
    case ErrorNumber::OutOfMemory: return "Out of memory";
    case ErrorNumber::SubscriptOutOfRange: return "Subscript out of range";
    case ErrorNumber::BadFileNameOrNumber: return "Bad file name or number";
    case ErrorNumber::FileNotFound: return "File not found";
    case ErrorNumber::FileAlreadyOpen: return "File already open";
    case ErrorNumber::DeviceIOError: return "Device I/O error";
    case ErrorNumber::InputPastEndOfFile: return "Input past end of file";
    case ErrorNumber::TooManyFiles: return "Too many files";
    case ErrorNumber::PermissionDenied: return "Permission denied";
    case ErrorNumber::PathFileAccessError: return "Path/File access error";
    case ErrorNumber::PathNotFound: return "Path not found";
  }
  return "Unknown error";
}

namespace {
std::string compose(ErrorNumber number, const std::string& detail) {
  std::string text = standardText(number);
  text += " (runtime error " + std::to_string(static_cast<int>(number)) + ")";
  if (!detail.empty()) text += ": " + detail;
  return text;
}
}  // namespace

RuntimeError::RuntimeError(ErrorNumber number, std::string detail)
    : std::runtime_error(compose(number, detail)), number_(number), detail_(std::move(detail)) {}

void raiseOverflow(std::string detail) { throw RuntimeError(ErrorNumber::Overflow, std::move(detail)); }

}  // namespace runtime
