#include "comparing/sequence_diff.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace comparing {
namespace {

using Index = std::ptrdiff_t;

// What a diagonal holds before a path has reached it: below any x for the
// search from the start, above any for the search from the end.
constexpr Index kNotReachedForward = std::numeric_limits<Index>::min() / 4;
constexpr Index kNotReachedBackward = std::numeric_limits<Index>::max() / 4;

// Work between two reports of progress (and chances to stop).
constexpr std::uint64_t kReportEvery = std::uint64_t{1} << 16;

struct Box {
  Index xoff, xlim, yoff, ylim;  // first[xoff, xlim) against second[yoff, ylim)
};

struct Point {
  Index x, y;
};

std::uint64_t budgetFor(std::uint64_t elements, const DiffLimits& limits) {
  constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
  if (limits.workPerElement != 0 && elements > (kMost - limits.workFloor) / limits.workPerElement) return kMost;
  return limits.workFloor + elements * limits.workPerElement;
}

// The search over two sequences from which everything set aside before has
// been taken out. Marks what it does not find common in `removed` and
// `added`, one for each element.
class Search {
 public:
  Search(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b, const DiffLimits& limits,
         const DiffProgress& progress, std::uint64_t placedBefore, std::uint64_t total)
      : a_(a),
        b_(b),
        cost_(std::max<std::size_t>(1, std::min<std::size_t>(limits.searchCost, a.size() + b.size()))),
        budget_(budgetFor(a.size() + b.size(), limits)),
        progress_(progress),
        placed_(placedBefore),
        total_(total),
        forward_(2 * cost_ + 5),
        backward_(2 * cost_ + 5) {}

  // Returns whether every part was searched to its end (no limit reached).
  bool run(std::uint8_t* removed, std::uint8_t* added) {
    removed_ = removed;
    added_ = added;
    std::vector<Box> pending{{0, static_cast<Index>(a_.size()), 0, static_cast<Index>(b_.size())}};
    while (!pending.empty()) {
      Box box = pending.back();
      pending.pop_back();
      setAsideCommonEnds(box);
      if (box.xoff == box.xlim || box.yoff == box.ylim || work_ > budget_) {
        markRemovedAndAdded(box);
        continue;
      }
      const Point middle = split(box);
      if ((middle.x == box.xoff && middle.y == box.yoff) || (middle.x == box.xlim && middle.y == box.ylim)) {
        // A split must make the box smaller; give it up rather than go round.
        markRemovedAndAdded(box);
        continue;
      }
      // The part before the split is done first: parts are done in order.
      pending.push_back({middle.x, box.xlim, middle.y, box.ylim});
      pending.push_back({box.xoff, middle.x, box.yoff, middle.y});
    }
    return fewest_;
  }

 private:
  Index& forward(Index diagonal) { return forward_[static_cast<std::size_t>(diagonal - forwardMid_)]; }
  Index& backward(Index diagonal) { return backward_[static_cast<std::size_t>(diagonal - backwardMid_)]; }

  void didWork(std::uint64_t steps) {
    work_ += steps;
    if (work_ < nextReport_) return;
    nextReport_ = work_ + kReportEvery;
    if (progress_) progress_(placed_, total_);
  }

  void place(std::uint64_t elements) { placed_ += elements; }

  static std::uint64_t sizeOf(const Box& box) {
    return static_cast<std::uint64_t>((box.xlim - box.xoff) + (box.ylim - box.yoff));
  }

  void setAsideCommonEnds(Box& box) {
    const std::uint64_t before = sizeOf(box);
    while (box.xoff < box.xlim && box.yoff < box.ylim && a_[box.xoff] == b_[box.yoff]) ++box.xoff, ++box.yoff;
    while (box.xoff < box.xlim && box.yoff < box.ylim && a_[box.xlim - 1] == b_[box.ylim - 1]) --box.xlim, --box.ylim;
    place(before - sizeOf(box));
  }

  void markRemovedAndAdded(const Box& box) {
    if (box.xoff < box.xlim && box.yoff < box.ylim) fewest_ = false;  // given up on: nothing common looked for
    std::fill(removed_ + box.xoff, removed_ + box.xlim, std::uint8_t{1});
    std::fill(added_ + box.yoff, added_ + box.ylim, std::uint8_t{1});
    place(sizeOf(box));
    didWork(1);
  }

  // One more difference for the search from the start: every diagonal it
  // covers goes one edit further, then along its snake. Returns the point
  // where it met the search from the end, if it did.
  std::optional<Point> stepForward(const Box& box, bool odd) {
    if (fmin_ > dmin_)
      forward(--fmin_ - 1) = kNotReachedForward;
    else
      ++fmin_;
    if (fmax_ < dmax_)
      forward(++fmax_ + 1) = kNotReachedForward;
    else
      --fmax_;
    std::uint64_t steps = 0;
    for (Index d = fmax_; d >= fmin_; d -= 2) {
      const Index fromBelow = forward(d - 1), fromAbove = forward(d + 1);
      Index x = kNotReachedForward;
      if (fromBelow != kNotReachedForward && fromBelow < box.xlim) x = fromBelow + 1;                     // one removed
      if (fromAbove != kNotReachedForward && fromAbove - (d + 1) < box.ylim) x = std::max(x, fromAbove);  // one added
      // The snake this diagonal followed before needs no following again.
      x = std::max(x, forward(d));
      ++steps;
      if (x == kNotReachedForward) continue;
      Index y = x - d;
      const Index from = x;
      while (x < box.xlim && y < box.ylim && a_[x] == b_[y]) ++x, ++y;
      steps += static_cast<std::uint64_t>(x - from);
      forward(d) = x;
      if (odd && bmin_ <= d && d <= bmax_ && backward(d) <= x) {
        didWork(steps);
        return Point{x, y};
      }
    }
    didWork(steps);
    return std::nullopt;
  }

  // The same for the search from the end.
  std::optional<Point> stepBackward(const Box& box, bool odd) {
    if (bmin_ > dmin_)
      backward(--bmin_ - 1) = kNotReachedBackward;
    else
      ++bmin_;
    if (bmax_ < dmax_)
      backward(++bmax_ + 1) = kNotReachedBackward;
    else
      --bmax_;
    std::uint64_t steps = 0;
    for (Index d = bmax_; d >= bmin_; d -= 2) {
      const Index fromBelow = backward(d - 1), fromAbove = backward(d + 1);
      Index x = kNotReachedBackward;
      if (fromBelow != kNotReachedBackward && fromBelow - d >= box.yoff) x = fromBelow;              // one added
      if (fromAbove != kNotReachedBackward && fromAbove > box.xoff) x = std::min(x, fromAbove - 1);  // one removed
      x = std::min(x, backward(d));
      ++steps;
      if (x == kNotReachedBackward) continue;
      Index y = x - d;
      const Index from = x;
      while (x > box.xoff && y > box.yoff && a_[x - 1] == b_[y - 1]) --x, --y;
      steps += static_cast<std::uint64_t>(from - x);
      backward(d) = x;
      if (!odd && fmin_ <= d && d <= fmax_ && x <= forward(d)) {
        didWork(steps);
        return Point{x, y};
      }
    }
    didWork(steps);
    return std::nullopt;
  }

  // Where the search that got furthest stands: the point with the most
  // elements of both sequences behind it (from its own end).
  Point furthestPoint(const Box& box) {
    Point best{box.xoff, box.yoff};
    Index bestAhead = -1;
    for (Index d = fmax_; d >= fmin_; d -= 2) {
      const Index x = forward(d);
      if (x == kNotReachedForward) continue;
      const Index ahead = (x - box.xoff) + (x - d - box.yoff);
      if (ahead > bestAhead) bestAhead = ahead, best = {x, x - d};
    }
    for (Index d = bmax_; d >= bmin_; d -= 2) {
      const Index x = backward(d);
      if (x == kNotReachedBackward) continue;
      const Index ahead = (box.xlim - x) + (box.ylim - (x - d));
      if (ahead > bestAhead) bestAhead = ahead, best = {x, x - d};
    }
    return best;
  }

  // Myers' middle snake of a box that holds no common start or end and
  // neither of whose sides is empty; past the search's cost, the furthest
  // point either search reached.
  Point split(const Box& box) {
    dmin_ = box.xoff - box.ylim;
    dmax_ = box.xlim - box.yoff;
    forwardMid_ = box.xoff - box.yoff - static_cast<Index>(cost_) - 2;
    backwardMid_ = box.xlim - box.ylim - static_cast<Index>(cost_) - 2;
    const Index fmid = box.xoff - box.yoff, bmid = box.xlim - box.ylim;
    const bool odd = ((fmid - bmid) & 1) != 0;
    std::fill(forward_.begin(), forward_.end(), kNotReachedForward);
    std::fill(backward_.begin(), backward_.end(), kNotReachedBackward);
    fmin_ = fmax_ = fmid;
    bmin_ = bmax_ = bmid;
    forward(fmid) = box.xoff;
    backward(bmid) = box.xlim;
    for (std::size_t c = 1;; ++c) {
      if (const auto met = stepForward(box, odd)) return *met;
      if (const auto met = stepBackward(box, odd)) return *met;
      if (c >= cost_ || work_ > budget_) {
        fewest_ = false;
        return furthestPoint(box);
      }
    }
  }

  const std::span<const std::uint32_t> a_, b_;
  const std::size_t cost_;
  const std::uint64_t budget_;
  const DiffProgress& progress_;
  std::uint64_t placed_, total_;
  std::uint64_t work_ = 0, nextReport_ = kReportEvery;
  bool fewest_ = true;
  std::uint8_t* removed_ = nullptr;
  std::uint8_t* added_ = nullptr;

  // The furthest x each search has reached on each diagonal of the box it
  // splits, from the diagonal forwardMid_ (backwardMid_) on.
  std::vector<Index> forward_, backward_;
  Index forwardMid_ = 0, backwardMid_ = 0;
  Index dmin_ = 0, dmax_ = 0, fmin_ = 0, fmax_ = 0, bmin_ = 0, bmax_ = 0;
};

}  // namespace

SequenceDiff SequenceDiffer::diff(std::span<const std::uint32_t> first, std::span<const std::uint32_t> second,
                                  const DiffProgress& progress) {
  SequenceDiff result;
  result.removed.assign(first.size(), 0);
  result.added.assign(second.size(), 0);
  const std::uint64_t total = first.size() + second.size();

  // The common start and end.
  std::size_t start = 0;
  while (start < first.size() && start < second.size() && first[start] == second[start]) ++start;
  std::size_t firstEnd = first.size(), secondEnd = second.size();
  while (firstEnd > start && secondEnd > start && first[firstEnd - 1] == second[secondEnd - 1]) --firstEnd, --secondEnd;
  const auto firstMiddle = first.subspan(start, firstEnd - start);
  const auto secondMiddle = second.subspan(start, secondEnd - start);

  // Elements whose number the other sequence lacks are removed or added
  // whatever else is: they go, and the search looks at the rest.
  std::uint32_t largest = 0;
  for (const std::uint32_t value : firstMiddle) largest = std::max(largest, value);
  for (const std::uint32_t value : secondMiddle) largest = std::max(largest, value);
  if (occurs_.size() <= largest) occurs_.resize(std::size_t{largest} + 1);
  for (const std::uint32_t value : firstMiddle) occurs_[value] |= 1;
  for (const std::uint32_t value : secondMiddle) occurs_[value] |= 2;
  std::vector<std::uint32_t> a, b;
  std::vector<std::uint32_t> aAt, bAt;  // where each kept element stands in its whole sequence
  for (std::size_t i = 0; i < firstMiddle.size(); ++i) {
    if (occurs_[firstMiddle[i]] & 2) {
      a.push_back(firstMiddle[i]);
      aAt.push_back(static_cast<std::uint32_t>(start + i));
    } else {
      result.removed[start + i] = 1;
    }
  }
  for (std::size_t i = 0; i < secondMiddle.size(); ++i) {
    if (occurs_[secondMiddle[i]] & 1) {
      b.push_back(secondMiddle[i]);
      bAt.push_back(static_cast<std::uint32_t>(start + i));
    } else {
      result.added[start + i] = 1;
    }
  }
  for (const std::uint32_t value : firstMiddle) occurs_[value] = 0;
  for (const std::uint32_t value : secondMiddle) occurs_[value] = 0;

  std::vector<std::uint8_t> aRemoved(a.size()), bAdded(b.size());
  Search search(a, b, limits_, progress, total - a.size() - b.size(), total);
  result.fewest = search.run(aRemoved.data(), bAdded.data());
  for (std::size_t i = 0; i < a.size(); ++i) result.removed[aAt[i]] = aRemoved[i];
  for (std::size_t i = 0; i < b.size(); ++i) result.added[bAt[i]] = bAdded[i];
  return result;
}

}  // namespace comparing
