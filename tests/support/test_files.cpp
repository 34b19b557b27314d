#include "support/test_files.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "listing/list_line.h"
#include "runtime/text.h"

namespace testing_support {

TempDir::TempDir() {
  std::random_device random;
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("speech-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const Bytes& bytes) const {
  // Names are UTF-8, also on Windows, where a plain string path would be
  // taken as ANSI.
  const auto file = path_ / std::filesystem::path(std::u8string(name.begin(), name.end()));
#ifdef _WIN32
  std::FILE* out = _wfopen(file.c_str(), L"wb");  // the wide name, whatever the code page
#else
  std::FILE* out = std::fopen(file.c_str(), "wb");
#endif
  const bool written = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (out) std::fclose(out);
  if (!written) throw std::runtime_error("cannot write " + name);
  const std::u8string utf8 = file.u8string();
  return std::string(utf8.begin(), utf8.end());
}

Bytes readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes record(std::uint16_t id, std::uint16_t length, std::string_view text) {
  Bytes bytes = {static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(id & 0xFF),
                 static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length & 0xFF)};
  for (const char c : text) bytes.push_back(static_cast<std::uint8_t>(c));
  return bytes;
}

Bytes record(std::uint16_t id, std::string_view text) {
  return record(id, static_cast<std::uint16_t>(text.size()), text);
}

std::string makeLongFile(const TempDir& dir, std::uint64_t* textsEnd) {
  Bytes texts;
  for (int i = 0; i < 100; ++i) {
    const Bytes r = record(static_cast<std::uint16_t>(i), "entry " + std::to_string(i));
    texts.insert(texts.end(), r.begin(), r.end());
  }
  if (textsEnd) *textsEnd = texts.size();
  const std::string path = dir.write("long.mul", texts);
  std::filesystem::resize_file(pathFromUtf8(path), std::uint64_t{1} << 30);
  return path;
}

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::filesystem::path pathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

void RecordingList::addItem(const speechfile::Entry& entry) {
  lines.push_back(listLine(entry.id, entry.text));
  offsets.push_back(entry.offset);
}

std::string listLine(std::int16_t id, std::span<const std::uint8_t> text) {
  std::string scratch;
  return std::string(listing::formatListLine(scratch, id, text));
}

std::string ansiText(std::span<const std::uint8_t> bytes, runtime::Encoding encoding,
                     runtime::UndefinedBytes undefined) {
  std::string out(runtime::maxAnsiTextSize(bytes.size()), '\0');
  out.resize(static_cast<std::size_t>(runtime::writeAnsiText(out.data(), bytes, encoding, undefined) - out.data()));
  return out;
}

std::string windows1252Text(std::span<const std::uint8_t> bytes) {
  return ansiText(bytes, *runtime::Encoding::fromCodePage(1252));
}

}  // namespace testing_support
