#include "runtime/errors.h"

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

#include "runtime/utf8.h"
#include "texts/texts.h"

namespace runtime {

namespace {

// The runtime's own name of each error; kept apart from the text so that
// errorName stays the English one for callers that compare it.
texts::Source standardSource(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::Overflow: return SPEECH_TEXT("runtime", "Overflow");
    case ErrorNumber::OutOfMemory: return SPEECH_TEXT("runtime", "Out of memory");
    case ErrorNumber::UserInterrupt: return SPEECH_TEXT("runtime", "User interrupt occurred");
    case ErrorNumber::SubscriptOutOfRange: return SPEECH_TEXT("runtime", "Subscript out of range");
    case ErrorNumber::BadFileNameOrNumber: return SPEECH_TEXT("runtime", "Bad file name or number");
    case ErrorNumber::FileNotFound: return SPEECH_TEXT("runtime", "File not found");
    case ErrorNumber::FileAlreadyOpen: return SPEECH_TEXT("runtime", "File already open");
    case ErrorNumber::DeviceIOError: return SPEECH_TEXT("runtime", "Device I/O error");
    case ErrorNumber::InputPastEndOfFile: return SPEECH_TEXT("runtime", "Input past end of file");
    case ErrorNumber::TooManyFiles: return SPEECH_TEXT("runtime", "Too many files");
    case ErrorNumber::PermissionDenied: return SPEECH_TEXT("runtime", "Permission denied");
    case ErrorNumber::PathFileAccessError: return SPEECH_TEXT("runtime", "Path/File access error");
    case ErrorNumber::PathNotFound: return SPEECH_TEXT("runtime", "Path not found");
  }
  return SPEECH_TEXT("runtime", "Unknown error");
}

}  // namespace

const char* standardText(ErrorNumber number) { return standardSource(number).english; }

std::string errorText(ErrorNumber number, const std::string& description) {
  const std::string name = texts::text(standardSource(number));
  const std::string code = std::to_string(static_cast<int>(number));
  if (description.empty()) return texts::text(SPEECH_TEXT("runtime", "%1 (runtime error %2)"), {name, code});
  // %1 is what went wrong, %2 the runtime's name of the error, %3 its number.
  return texts::text(SPEECH_TEXT("runtime", "%1 (%2, runtime error %3)"), {description, name, code});
}

RuntimeError::RuntimeError(ErrorNumber number, std::string description)
    : std::runtime_error(errorText(number, description)), number_(number), description_(std::move(description)) {}

void raiseOverflow(std::string description) { throw RuntimeError(ErrorNumber::Overflow, std::move(description)); }

std::string pathText(const std::filesystem::path& path) {
  using Unit = std::filesystem::path::value_type;
  const auto& native = path.native();
  if constexpr (sizeof(Unit) == 1) {
    return std::string(native.begin(), native.end());
  } else {
    const auto unit = [&](std::size_t i) -> char32_t { return static_cast<std::make_unsigned_t<Unit>>(native[i]); };
    const auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    std::string text;
    for (std::size_t i = 0; i < native.size(); ++i) {
      char32_t c = unit(i);
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < native.size() && isLow(unit(i + 1))) {
        c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
        ++i;
      } else if (c >= 0xD800 && c <= 0xDFFF) {
        c = kReplacementCharacter;
      }
      appendUtf8(text, c);
    }
    return text;
  }
}

namespace {

// Where each character of a piece of UTF-8 begins, and how many it shows
// as: 1, or 4 for a byte that is not UTF-8 ("‹FF›").
struct ShownCharacter {
  std::size_t at;
  std::size_t width;
};

std::vector<ShownCharacter> shownCharacters(std::string_view text) {
  std::vector<ShownCharacter> characters;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character c = decodeUtf8(text, at);
    characters.push_back({at, c.valid ? std::size_t{1} : std::size_t{4}});
    at += c.length;
  }
  return characters;
}

// How many of `characters`, taken in order, fit in `room`.
template <typename Iterator>
std::size_t countFitting(Iterator first, Iterator last, std::size_t room) {
  std::size_t count = 0;
  for (std::size_t width = 0; first != last && width + first->width <= room; ++first, ++count) width += first->width;
  return count;
}

}  // namespace

std::string quotedPath(const std::filesystem::path& path) {
  const std::string text = pathText(path);
  const std::vector<ShownCharacter> characters = shownCharacters(text);
  std::size_t width = 0;
  for (const ShownCharacter& c : characters) width += c.width;
  if (width <= kLongestPathInMessage) return "\"" + text + "\"";
  // The end names the file, so it keeps more; the ellipsis takes one.
  constexpr std::size_t kStartRoom = (kLongestPathInMessage - 1) * 2 / 5;
  constexpr std::size_t kEndRoom = kLongestPathInMessage - 1 - kStartRoom;
  const std::size_t start = countFitting(characters.begin(), characters.end(), kStartRoom);
  const std::size_t end = countFitting(characters.rbegin(), characters.rend(), kEndRoom);
  const std::size_t startEnds = characters[start].at;
  const std::size_t endBegins = characters[characters.size() - end].at;
  const std::string shortened = "\"" + text.substr(0, startEnds) + "\u2026" + text.substr(endBegins) + "\"";
  // %1 is the shortened path in quotes, %2 the length of the whole path.
  return texts::text(SPEECH_TEXT("runtime", "%1 (shortened from %2 characters)"),
                     {shortened, texts::Argument::count(width)});
}

std::string groupedNumber(std::uint64_t value) {
  std::string digits = std::to_string(value);
  for (auto at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, ',');
  return digits;
}

}  // namespace runtime
