// Comparing two files' entries: matched as a sequence in file order, as a
// text diff matches lines, an entry matching an entry of the same ID and the
// same text bytes (entries without text included, as they are in the file).
// The result is a list of runs: entries that are the same, removed from the
// old file, added in the new one, or changed (the ID stayed and the text did
// not: a removed and an added entry with the same ID paired where they
// stand together, in one place between two runs of the same).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "comparing/entries.h"
#include "comparing/sequence_diff.h"

namespace comparing {

enum class Change : std::uint8_t { Same, Removed, Added, Changed };

// A run of entries with one change, by their numbers in file order (0 for
// each file's first). Same and Changed runs pair `count` entries of each
// file, in order; a Removed run has `count` old entries and stands before
// the new entry newStart; an Added run has `count` new entries and stands
// before the old entry oldStart.
struct Run {
  Change change;
  std::size_t oldStart;
  std::size_t newStart;
  std::size_t count;

  std::size_t oldCount() const { return change == Change::Added ? 0 : count; }
  std::size_t newCount() const { return change == Change::Removed ? 0 : count; }
  friend bool operator==(const Run&, const Run&) = default;
};

struct Comparison {
  // Every entry of both files in exactly one run, in file order; two
  // neighbouring runs never have the same change.
  std::vector<Run> runs;
  // Whether the matching found the fewest removed and added entries there
  // can be: false when a search reached its bound (see sequence_diff.h) and
  // settled for a match that may be longer than need be.
  bool fewest = true;

  // Whether the two files hold the same entries in the same order.
  bool same() const;
  struct Counts {
    std::size_t removed = 0, added = 0, changed = 0;  // entries
  };
  Counts counts() const;
};

// The differences of a comparison one by one, as a list of them shows them:
// each entry of its removed, added and changed runs, in file order, found
// by its number among them without a list of every one.
class Differences {
 public:
  explicit Differences(const Comparison& comparison);

  struct Difference {
    Change change;         // Removed, Added or Changed
    std::size_t oldEntry;  // the old file's entry; for Added, the one it stands before
    std::size_t newEntry;  // the new file's entry; for Removed, the one it stands before
  };
  std::size_t size() const { return ends_.empty() ? 0 : ends_.back(); }
  // The difference `index` (below size()).
  Difference operator[](std::size_t index) const;
  // The number of the first difference whose new entry is `newEntry` or
  // after it: size() when there is none.
  std::size_t firstAtOrAfter(std::size_t newEntry) const;

 private:
  std::vector<Run> runs_;          // the runs that are not the same
  std::vector<std::size_t> ends_;  // the differences up to the end of each
};

// What a window sees of a compare that runs on another thread, and how it
// stops it: shared by that thread and the window's.
class CompareControl {
 public:
  enum class Stage : std::uint8_t { Reading, Matching };
  struct Progress {
    Stage stage = Stage::Reading;
    std::uint64_t done = 0;   // reading: bytes read of both files; matching: entries placed
    std::uint64_t total = 0;  // of how many (reading: both files' sizes when opened)
  };

  // Asks the compare to stop soon; it then ends without a result.
  void stop() { stop_.store(true, std::memory_order_relaxed); }
  bool stopAsked() const { return stop_.load(std::memory_order_relaxed); }
  Progress progress() const;

  // What the compare tells as it goes. Reading: each file (0 old, 1 new)
  // its size and how far it is read.
  void tellSize(int file, std::uint64_t bytes) { size_[file].store(bytes, std::memory_order_relaxed); }
  void tellRead(int file, std::uint64_t bytes) { read_[file].store(bytes, std::memory_order_relaxed); }
  void tellMatching(std::uint64_t done, std::uint64_t total);

 private:
  std::atomic<bool> stop_{false};
  std::atomic<Stage> stage_{Stage::Reading};
  std::atomic<std::uint64_t> size_[2] = {0, 0};
  std::atomic<std::uint64_t> read_[2] = {0, 0};
  std::atomic<std::uint64_t> matched_{0};
  std::atomic<std::uint64_t> toMatch_{0};
};

// Raised when the control asked the compare to stop.
struct CompareStopped {};

// The most entries two files may hold together to be compared.
constexpr std::uint64_t kMostEntriesCompared = 0xFFFFFFFEu;

// Compares the entries of two files. With a `control`, tells it how far the
// matching has come, and stops when it asks (raising CompareStopped). Raises
// std::bad_alloc, and std::length_error when the files hold more than
// kMostEntriesCompared entries together.
Comparison compareEntries(const Entries& oldEntries, const Entries& newEntries, CompareControl* control = nullptr,
                          const DiffLimits& limits = {});

}  // namespace comparing
