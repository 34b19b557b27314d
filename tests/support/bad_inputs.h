// The paths and files a user can meet that are not a plain, readable speech
// file, with what the viewer must do for each. The window's tests and
// speechlist's tests run the same table.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace testing_support {

struct BadInput {
  std::string name;
  std::string path;                // as typed
  std::vector<std::string> lines;  // the lines listed (before any error), as shown
  std::string errorPart;           // a part of the error message as shown; empty when none
};

// Makes the files of the table in `dir` and returns it. Cases that cannot be
// made here (no read permission, when running as root) are left out.
std::vector<BadInput> makeBadInputs(const TempDir& dir);

#ifdef _WIN32
// What only Windows has: device names, pipes, names past 260 characters,
// letters outside the ANSI code page, control characters in a name, and a
// file held open without sharing, which it holds while it lives.
class WindowsBadInputs {
 public:
  explicit WindowsBadInputs(const TempDir& dir);
  ~WindowsBadInputs();
  WindowsBadInputs(const WindowsBadInputs&) = delete;
  WindowsBadInputs& operator=(const WindowsBadInputs&) = delete;

  const std::vector<BadInput>& cases() const { return cases_; }

 private:
  std::vector<BadInput> cases_;
  void* held_;  // the handle of the file held open
};
#endif

// A sparse file of over 4 GiB (zero bytes: records of ID 0 and length 0)
// with a record "end" past the 4 GiB mark and then a record with a bad
// length at byte offset 4294967307.
BadInput makeSparseOver4GiB(const TempDir& dir);

// Size and modification time of every file and folder under `dir`: equal
// before and after a Get means nothing was created, changed or removed.
std::map<std::string, std::string> snapshot(const std::filesystem::path& dir);

// Whether this process still has a file under `dir` open.
bool holdsOpenFileUnder(const std::filesystem::path& dir);

// Slow cases run only where SPEECH_SLOW_TESTS is set.
bool slowTestsEnabled();

}  // namespace testing_support
