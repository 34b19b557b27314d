// Comparing two speech files: both read with the Get, at once where there
// are two cores, then their entries compared (comparison.h).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "comparing/comparison.h"
#include "comparing/entries.h"

namespace comparing {

struct ComparedFiles {
  FileEntries oldEntries;
  FileEntries newEntries;
  Comparison comparison;
};

struct CompareOutcome {
  std::optional<ComparedFiles> compared;  // when both files were read to their end and compared
  // Otherwise why not: the Get's message for each file that could not be
  // read to its end (the old file's first), naming the file, as speechlist
  // gives it; or why the compare could not be made.
  std::vector<std::string> failures;
  bool stopped = false;  // or: the control asked the compare to stop
};

// Reads both files and compares them. With a `control`, tells it how far
// the reading and the matching have come, and stops when it asks. Never
// raises: running out of memory is one of the failures.
CompareOutcome compareFiles(const std::filesystem::path& oldPath, const std::filesystem::path& newPath,
                            CompareControl* control = nullptr, const DiffLimits& limits = {});

}  // namespace comparing
