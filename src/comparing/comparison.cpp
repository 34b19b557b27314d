#include "comparing/comparison.h"

#include <algorithm>
#include <stdexcept>

#include "comparing/entry_kinds.h"
#include "texts/texts.h"

namespace comparing {
namespace {

// Entries walked between two looks at the control.
constexpr std::size_t kLookEvery = 1 << 16;
// The cost of each search of the pairing by ID (see sequence_diff.h).
constexpr std::size_t kPairingSearchCost = 64;

bool sameEntry(const Entries& a, std::size_t i, const Entries& b, std::size_t j) {
  return comparing::sameEntry(a.entry(i), b.entry(j));
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

// Whether each pair of entries the diff of the parts from `start` on keeps
// in common is one entry: read in file order.
bool keptInCommonAreTheSame(const Entries& oldEntries, const Entries& newEntries, std::size_t start,
                            const SequenceDiff& diff) {
  std::size_t i = 0, j = 0;
  for (;;) {
    while (i < diff.removed.size() && diff.removed[i]) ++i;
    while (j < diff.added.size() && diff.added[j]) ++j;
    if (i == diff.removed.size() || j == diff.added.size()) return true;
    if (!sameEntry(oldEntries, start + i++, newEntries, start + j++)) return false;
  }
}

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

Differences::Differences(const Comparison& comparison) {
  for (const Run& run : comparison.runs) {
    if (run.change == Change::Same) continue;
    runs_.push_back(run);
    ends_.push_back(size() + run.count);
  }
}

Differences::Difference Differences::operator[](std::size_t index) const {
  const std::size_t at = static_cast<std::size_t>(std::upper_bound(ends_.begin(), ends_.end(), index) - ends_.begin());
  const Run& run = runs_[at];
  const std::size_t within = index - (ends_[at] - run.count);
  return {run.change, run.oldStart + (run.oldCount() ? within : 0), run.newStart + (run.newCount() ? within : 0)};
}

std::size_t Differences::firstAtOrAfter(std::size_t newEntry) const {
  // The first run that does not end before the entry.
  const auto run = std::partition_point(runs_.begin(), runs_.end(), [&](const Run& r) {
    return r.newStart + std::max<std::size_t>(r.newCount(), 1) <= newEntry;
  });
  if (run == runs_.end()) return size();
  const std::size_t at = static_cast<std::size_t>(run - runs_.begin());
  const std::size_t first = ends_[at] - run->count;
  if (run->newCount() == 0 || newEntry <= run->newStart) return first;
  return first + (newEntry - run->newStart);
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
    throw std::length_error(texts::text(
        SPEECH_TEXT("comparing", "The files hold more than %1 entries together, more than can be compared."),
        {texts::Argument::count(kMostEntriesCompared)}));
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

  const EntryRange oldPart{oldEntries, start, oldEnd - start}, newPart{newEntries, start, newEnd - start};
  const auto diffKinds = [&](const Kinds& kinds) {
    const std::uint64_t placedBefore = 2 * (start + (oldSize - oldEnd));
    SequenceDiffer differ(limits);
    return differ.diff(kinds.ofOld, kinds.ofNew, [&](std::uint64_t placed, std::uint64_t) {
      if (!control) return;
      if (control->stopAsked()) throw CompareStopped();
      control->tellMatching(placedBefore + placed, total);
    });
  };
  // Told apart by their hashes, the entries the diff keeps in common must be
  // the same entries; only hashes that are equal by chance or made to be can
  // fail that, and the diff is then made again with the entries told apart
  // by their bytes.
  std::optional<SequenceDiff> middle;
  if (const std::optional<Kinds> byHash = kindsByHash(oldPart, newPart)) {
    middle = diffKinds(*byHash);
    if (!keptInCommonAreTheSame(oldEntries, newEntries, start, *middle)) middle.reset();
  }
  if (!middle) middle = diffKinds(kindsByBytes(oldPart, newPart));

  // Pairing by ID looks less far: where the IDs between two runs of the
  // same differ in many places, which entries pair matters little.
  DiffLimits pairingLimits = limits;
  pairingLimits.searchCost = std::min(limits.searchCost, kPairingSearchCost);
  Comparison comparison;
  Pairing pairing(oldEntries, newEntries, comparison.runs, control, pairingLimits, total / 2, total);
  pairing.addSame(0, 0, start);
  std::size_t i = 0, j = 0;
  const std::size_t oldCount = oldEnd - start, newCount = newEnd - start;
  while (i < oldCount || j < newCount) {
    std::size_t same = 0;
    while (i + same < oldCount && j + same < newCount && !middle->removed[i + same] && !middle->added[j + same]) ++same;
    pairing.addSame(start + i, start + j, same);
    i += same, j += same;
    std::size_t removedEnd = i, addedEnd = j;
    while (removedEnd < oldCount && middle->removed[removedEnd]) ++removedEnd;
    while (addedEnd < newCount && middle->added[addedEnd]) ++addedEnd;
    pairing.addBetweenSame(start + i, start + removedEnd, start + j, start + addedEnd);
    i = removedEnd, j = addedEnd;
  }
  pairing.addSame(oldEnd, newEnd, oldSize - oldEnd);
  comparison.fewest = middle->fewest && pairing.fewest();
  if (control) control->tellMatching(total, total);
  return comparison;
}

}  // namespace comparing
