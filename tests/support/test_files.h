// Files the tests make for themselves, in a folder removed afterwards, and
// the small fakes the Get action is run against.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

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

class FixedPath final : public speechfile::PathSource {
 public:
  explicit FixedPath(std::string path) : path_(std::move(path)) {}
  std::string pathText() const override { return path_; }

 private:
  std::string path_;
};

class RecordingList final : public speechfile::LineList {
 public:
  void clear() override {
    lines.clear();
    ++clears;
  }
  void addItem(std::string_view line) override { lines.emplace_back(line); }

  std::vector<std::string> lines;
  int clears = 0;
};

}  // namespace testing_support
