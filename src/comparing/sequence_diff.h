// The difference of two sequences of numbers, as a text diff finds the
// difference of two files' lines: a common subsequence, as long as the
// search finds it, and every element outside it marked as removed (from the
// first sequence) or added (in the second).
//
// The search is Myers' O(ND) one, in linear space: from both ends at once
// towards a middle snake, then each half on its own. Before it, the common
// start and end are set aside, and so is every element whose number does not
// occur in the other sequence at all, which can never be common: two
// sequences that share nothing cost no search. Its cost is bounded two ways,
// so that time stays near linear and memory linear on any input:
//
//   - a search that has followed `searchCost` differences from each end
//     without meeting splits where one of its paths reached furthest (the
//     point with the most elements behind it) and goes on with each part;
//   - once the whole diff has done `workPerElement` steps for each element
//     (and `workFloor` steps more), what is left to search is given as
//     removed and added, after its common start and end are set aside.
//
// Either way the result is still a true difference (the unmarked elements
// are equal in order) but may mark more than the fewest elements; the same
// input always gives the same result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace comparing {

struct DiffLimits {
  std::size_t searchCost = 256;
  std::uint64_t workPerElement = 1024;
  std::uint64_t workFloor = std::uint64_t{1} << 20;
};

// What a diff reports as it goes, now and then: how many of the elements of
// both sequences it has placed, of how many. May raise to stop the diff.
using DiffProgress = std::function<void(std::uint64_t placed, std::uint64_t total)>;

struct SequenceDiff {
  std::vector<std::uint8_t> removed;  // one for each element of the first sequence: 1 when not in the common part
  std::vector<std::uint8_t> added;    // one for each element of the second
  bool fewest = true;                 // false when a limit was reached, so that more may be marked than need be
};

// Diffs sequences, one pair after another, reusing its memory: a diff of
// many small pairs costs no more than their size.
class SequenceDiffer {
 public:
  explicit SequenceDiffer(DiffLimits limits = {}) : limits_(limits) {}

  // Diffs two sequences, telling `progress` how far it has come. Each
  // sequence has fewer than 2^32 elements. Raises std::bad_alloc, and
  // whatever `progress` raises.
  SequenceDiff diff(std::span<const std::uint32_t> first, std::span<const std::uint32_t> second,
                    const DiffProgress& progress = {});

 private:
  DiffLimits limits_;
  // Which sequences each number occurs in: all zero between two diffs.
  std::vector<std::uint8_t> occurs_;
};

}  // namespace comparing
