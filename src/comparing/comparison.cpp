#include "comparing/comparison.h"

#include "comparing/both_at_once.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string_view>

namespace comparing {
namespace {

// Entries walked between two looks at the control.
constexpr std::size_t kLookEvery = 1 << 16;

// Orders entries by ID, then text length, then text bytes: 0 when they are
// the same entry.
int compareEntry(const speechfile::Entry& a, const speechfile::Entry& b) {
  if (a.id != b.id) return a.id < b.id ? -1 : 1;
  if (a.text.size() != b.text.size()) return a.text.size() < b.text.size() ? -1 : 1;
  if (a.text.empty()) return 0;
  return std::memcmp(a.text.data(), b.text.data(), a.text.size());
}

bool sameEntry(const Entries& a, std::size_t i, const Entries& b, std::size_t j) {
  return compareEntry(a.entry(i), b.entry(j)) == 0;
}

std::uint64_t hashOf(const speechfile::Entry& entry) {
  const std::string_view text(reinterpret_cast<const char*>(entry.text.data()), entry.text.size());
  return std::hash<std::string_view>{}(text)*0x9E3779B97F4A7C15u + static_cast<std::uint16_t>(entry.id);
}

// An entry of one file's part to be matched, ordered by its hash first, so
// that equal entries stand together and most comparisons read no text.
struct Keyed {
  std::uint64_t hash;
  std::uint32_t index;  // in the part
};

// The entries [from, from + count) of a file, each with its hash, sorted.
struct SortedPart {
  const Entries& entries;
  std::size_t from;
  std::vector<Keyed> keyed;

  speechfile::Entry entry(const Keyed& k) const { return entries.entry(from + k.index); }
};

int compareKeyed(const SortedPart& p, const Keyed& a, const SortedPart& q, const Keyed& b) {
  if (a.hash != b.hash) return a.hash < b.hash ? -1 : 1;
  return compareEntry(p.entry(a), q.entry(b));
}

void sortPart(SortedPart& part, std::size_t count) {
  part.keyed.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    part.keyed[i] = {hashOf(part.entries.entry(part.from + i)), static_cast<std::uint32_t>(i)};
  }
  // A sort rather than a hash table: a file made to give many entries one
  // hash costs a factor of log n, never n.
  std::sort(part.keyed.begin(), part.keyed.end(),
            [&](const Keyed& a, const Keyed& b) { return compareKeyed(part, a, part, b) < 0; });
}

// Gives each entry of the two parts the number of its kind: two entries
// have the same number when they are the same entry.
struct Kinds {
  std::vector<std::uint32_t> ofOld, ofNew;
};

Kinds numberKinds(const Entries& oldEntries, std::size_t oldFrom, std::size_t oldCount, const Entries& newEntries,
                  std::size_t newFrom, std::size_t newCount) {
  SortedPart oldPart{oldEntries, oldFrom, {}}, newPart{newEntries, newFrom, {}};
  runBothAtOnce([&] { sortPart(oldPart, oldCount); }, [&] { sortPart(newPart, newCount); });

  Kinds kinds;
  kinds.ofOld.resize(oldCount);
  kinds.ofNew.resize(newCount);
  std::uint32_t next = 0;
  std::size_t i = 0, j = 0;
  const auto& a = oldPart.keyed;
  const auto& b = newPart.keyed;
  while (i < a.size() || j < b.size()) {
    const bool fromOld = j == b.size() || (i < a.size() && compareKeyed(oldPart, a[i], newPart, b[j]) <= 0);
    const SortedPart& part = fromOld ? oldPart : newPart;
    const Keyed first = fromOld ? a[i] : b[j];
    while (i < a.size() && compareKeyed(part, first, oldPart, a[i]) == 0) kinds.ofOld[a[i++].index] = next;
    while (j < b.size() && compareKeyed(part, first, newPart, b[j]) == 0) kinds.ofNew[b[j++].index] = next;
    ++next;
  }
  return kinds;
}

// Builds the runs one entry (or run) at a time, joining neighbours of one
// change.
class RunList {
 public:
  explicit RunList(std::vector<Run>& runs) : runs_(runs) {}
  void add(Change change, std::size_t oldStart, std::size_t newStart, std::size_t count) {
    if (count == 0) return;
    if (!runs_.empty()) {
      Run& last = runs_.back();
      if (last.change == change && last.oldStart + last.oldCount() == oldStart &&
          last.newStart + last.newCount() == newStart) {
        last.count += count;
        return;
      }
    }
    runs_.push_back({change, oldStart, newStart, count});
  }

 private:
  std::vector<Run>& runs_;
};

// Turns the diff of the parts into runs: between two runs of the same, the
// removed and added entries are paired by ID where they can be (a diff of
// their IDs), a pair whose texts differ being a changed entry.
class Pairing {
 public:
  Pairing(const Entries& oldEntries, const Entries& newEntries, std::vector<Run>& runs, CompareControl* control,
          const DiffLimits& limits, std::uint64_t placedBefore, std::uint64_t total)
      : old_(oldEntries),
        new_(newEntries),
        runs_(runs),
        control_(control),
        differ_(limits),
        placed_(placedBefore),
        total_(total) {}

  void addSame(std::size_t oldStart, std::size_t newStart, std::size_t count) {
    runs_.add(Change::Same, oldStart, newStart, count);
    passed(2 * count);
  }

  // The removed entries [oldStart, oldEnd) and the added [newStart, newEnd),
  // which stand together.
  void addBetweenSame(std::size_t oldStart, std::size_t oldEnd, std::size_t newStart, std::size_t newEnd) {
    const std::size_t oldCount = oldEnd - oldStart, newCount = newEnd - newStart;
    if (oldCount == 0 || newCount == 0) {
      runs_.add(Change::Removed, oldStart, newStart, oldCount);
      runs_.add(Change::Added, oldEnd, newStart, newCount);
      passed(oldCount + newCount);
      return;
    }
    std::vector<std::uint32_t> oldIds(oldCount), newIds(newCount);
    for (std::size_t i = 0; i < oldCount; ++i) oldIds[i] = static_cast<std::uint16_t>(old_.entry(oldStart + i).id);
    for (std::size_t j = 0; j < newCount; ++j) newIds[j] = static_cast<std::uint16_t>(new_.entry(newStart + j).id);
    const std::uint64_t before = placed_;
    const SequenceDiff byId = differ_.diff(oldIds, newIds, [&](std::uint64_t placed, std::uint64_t) {
      placed_ = before + placed;
      look();
    });
    placed_ = before;
    fewest_ = fewest_ && byId.fewest;
    std::size_t i = 0, j = 0;
    while (i < oldCount || j < newCount) {
      if (i < oldCount && j < newCount && !byId.removed[i] && !byId.added[j]) {
        const bool same = sameEntry(old_, oldStart + i, new_, newStart + j);
        runs_.add(same ? Change::Same : Change::Changed, oldStart + i, newStart + j, 1);
        ++i, ++j;
        continue;
      }
      for (; i < oldCount && byId.removed[i]; ++i) runs_.add(Change::Removed, oldStart + i, newStart + j, 1);
      for (; j < newCount && byId.added[j]; ++j) runs_.add(Change::Added, oldStart + i, newStart + j, 1);
    }
    passed(oldCount + newCount);
  }

  bool fewest() const { return fewest_; }

 private:
  void passed(std::uint64_t entries) {
    placed_ += entries;
    sinceLook_ += entries;
    if (sinceLook_ >= kLookEvery) look();
  }

  void look() {
    sinceLook_ = 0;
    if (!control_) return;
    if (control_->stopAsked()) throw CompareStopped();
    control_->tellMatching(placed_, total_);
  }

  const Entries& old_;
  const Entries& new_;
  RunList runs_;
  CompareControl* const control_;
  SequenceDiffer differ_;
  std::uint64_t placed_, total_;
  std::uint64_t sinceLook_ = 0;
  bool fewest_ = true;
};

}  // namespace

bool Comparison::same() const {
  return std::all_of(runs.begin(), runs.end(), [](const Run& run) { return run.change == Change::Same; });
}

Comparison::Counts Comparison::counts() const {
  Counts counts;
  for (const Run& run : runs) {
    if (run.change == Change::Removed) counts.removed += run.count;
    if (run.change == Change::Added) counts.added += run.count;
    if (run.change == Change::Changed) counts.changed += run.count;
  }
  return counts;
}

CompareControl::Progress CompareControl::progress() const {
  if (stage_.load(std::memory_order_relaxed) == Stage::Matching) {
    return {Stage::Matching, matched_.load(std::memory_order_relaxed), toMatch_.load(std::memory_order_relaxed)};
  }
  return {Stage::Reading, read_[0].load(std::memory_order_relaxed) + read_[1].load(std::memory_order_relaxed),
          size_[0].load(std::memory_order_relaxed) + size_[1].load(std::memory_order_relaxed)};
}

void CompareControl::tellMatching(std::uint64_t done, std::uint64_t total) {
  toMatch_.store(total, std::memory_order_relaxed);
  matched_.store(done, std::memory_order_relaxed);
  stage_.store(Stage::Matching, std::memory_order_relaxed);
}

Comparison compareEntries(const Entries& oldEntries, const Entries& newEntries, CompareControl* control,
                          const DiffLimits& limits) {
  const std::size_t oldSize = oldEntries.size(), newSize = newEntries.size();
  if (std::uint64_t{oldSize} + newSize > kMostEntriesCompared) {
    throw std::length_error("The files hold more than 4,294,967,294 entries together, more than can be compared.");
  }
  // Matching is done twice over, by entry and then by ID: each counts for
  // one half of its progress.
  const std::uint64_t total = 2 * (std::uint64_t{oldSize} + newSize);
  if (control) control->tellMatching(0, total);

  // The common start and end need no more than a look at each entry.
  std::size_t start = 0;
  while (start < oldSize && start < newSize && sameEntry(oldEntries, start, newEntries, start)) ++start;
  std::size_t oldEnd = oldSize, newEnd = newSize;
  while (oldEnd > start && newEnd > start && sameEntry(oldEntries, oldEnd - 1, newEntries, newEnd - 1)) {
    --oldEnd, --newEnd;
  }

  SequenceDiff middle;
  {
    const Kinds kinds = numberKinds(oldEntries, start, oldEnd - start, newEntries, start, newEnd - start);
    const std::uint64_t placedBefore = 2 * (start + (oldSize - oldEnd));
    SequenceDiffer differ(limits);
    middle = differ.diff(kinds.ofOld, kinds.ofNew, [&](std::uint64_t placed, std::uint64_t) {
      if (!control) return;
      if (control->stopAsked()) throw CompareStopped();
      control->tellMatching(placedBefore + placed, total);
    });
  }

  Comparison comparison;
  Pairing pairing(oldEntries, newEntries, comparison.runs, control, limits, total / 2, total);
  pairing.addSame(0, 0, start);
  std::size_t i = 0, j = 0;
  const std::size_t oldCount = oldEnd - start, newCount = newEnd - start;
  while (i < oldCount || j < newCount) {
    std::size_t same = 0;
    while (i + same < oldCount && j + same < newCount && !middle.removed[i + same] && !middle.added[j + same]) ++same;
    pairing.addSame(start + i, start + j, same);
    i += same, j += same;
    std::size_t removedEnd = i, addedEnd = j;
    while (removedEnd < oldCount && middle.removed[removedEnd]) ++removedEnd;
    while (addedEnd < newCount && middle.added[addedEnd]) ++addedEnd;
    pairing.addBetweenSame(start + i, start + removedEnd, start + j, start + addedEnd);
    i = removedEnd, j = addedEnd;
  }
  pairing.addSame(oldEnd, newEnd, oldSize - oldEnd);
  comparison.fewest = middle.fewest && pairing.fewest();
  if (control) control->tellMatching(total, total);
  return comparison;
}

}  // namespace comparing
