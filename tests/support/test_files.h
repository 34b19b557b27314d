// Files the tests make for themselves, in a folder removed afterwards, and
// the small fakes the Get action is run against.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/encoding.h"
#include "runtime/text.h"
#include "speechfile/get_action.h"

namespace testing_support {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` to a file `name` in the folder and returns its path.
  std::string write(const std::string& name, const Bytes& bytes) const;

 private:
  std::filesystem::path path_;
};

Bytes readAll(const std::string& path);

// One speech record: big-endian ID and length, then the text bytes.
Bytes record(std::uint16_t id, std::string_view text);
// A record whose length field says `length` whatever the text holds.
Bytes record(std::uint16_t id, std::uint16_t length, std::string_view text);
Bytes concat(std::initializer_list<Bytes> parts);

// A file "long.mul" in `dir` of 100 entries with text ("entry 0" to
// "entry 99"), then 1 GiB of entries without (a sparse file: each four zero
// bytes are an entry of ID 0 and no text), which takes seconds to read.
// Returns its path (UTF-8); `textsEnd` is where the texts end.
std::string makeLongFile(const TempDir& dir, std::uint64_t* textsEnd = nullptr);

// Whether the tests run under the address sanitizer, which needs more
// address space than the tests' limits on it leave.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

// A path given as UTF-8, on Windows too.
std::filesystem::path pathFromUtf8(std::string_view utf8);

// The list lines of one Get, as text, and the entries without text.
class RecordingList final : public speechfile::LineList {
 public:
  void clear() override {
    lines.clear();
    offsets.clear();
    emptyOffsets.clear();
    ++clears;
  }
  void addItem(const speechfile::Entry& entry) override;
  void skipEmpty(const speechfile::Entry& entry) override { emptyOffsets.push_back(entry.offset); }

  std::vector<std::string> lines;
  std::vector<std::uint64_t> offsets;       // of the records behind the lines
  std::vector<std::uint64_t> emptyOffsets;  // of the records without text
  int clears = 0;
};

// The list line of an entry, as one string.
std::string listLine(std::int16_t id, std::span<const std::uint8_t> text);
// Bytes converted from an encoding (the system's default unless given), as
// one string: exactly, or with undefined bytes as signs.
std::string ansiText(std::span<const std::uint8_t> bytes,
                     runtime::Encoding encoding = runtime::Encoding::systemDefault(),
                     runtime::UndefinedBytes undefined = runtime::UndefinedBytes::AsWindowsGives);
// Bytes converted from Windows-1252, as one string.
std::string windows1252Text(std::span<const std::uint8_t> bytes);

}  // namespace testing_support
