#include "runtime/errors.h"

#include <cstdint>

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

std::string errorText(ErrorNumber number, const std::string& description) {
  std::string name = standardText(number);
  name += (description.empty() ? " (runtime error " : ", runtime error ") + std::to_string(static_cast<int>(number));
  return description.empty() ? name + ")" : description + " (" + name + ")";
}

RuntimeError::RuntimeError(ErrorNumber number, std::string description)
    : std::runtime_error(errorText(number, description)), number_(number), description_(std::move(description)) {}

void raiseOverflow(std::string description) { throw RuntimeError(ErrorNumber::Overflow, std::move(description)); }

std::string quotedPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return "\"" + std::string(utf8.begin(), utf8.end()) + "\"";
}

std::string groupedNumber(std::uint64_t value) {
  std::string digits = std::to_string(value);
  for (auto at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, ',');
  return digits;
}

}  // namespace runtime
