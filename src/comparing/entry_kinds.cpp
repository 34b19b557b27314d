#include "comparing/entry_kinds.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <string_view>

#include "comparing/both_at_once.h"

namespace comparing {
namespace {

// Orders entries by ID, then text length, then text bytes: 0 when they are
// the same entry.
int compareEntry(const speechfile::Entry& a, const speechfile::Entry& b) {
  if (a.id != b.id) return a.id < b.id ? -1 : 1;
  if (a.text.size() != b.text.size()) return a.text.size() < b.text.size() ? -1 : 1;
  if (a.text.empty()) return 0;
  return std::memcmp(a.text.data(), b.text.data(), a.text.size());
}

// The text's hash with the ID mixed in, every bit of both reaching the top
// bits, which place it in the table: entries of one text, such as those
// without text, spread like any others.
std::uint64_t hashOf(const speechfile::Entry& entry) {
  const std::string_view text(reinterpret_cast<const char*>(entry.text.data()), entry.text.size());
  std::uint64_t x = std::hash<std::string_view>{}(text) ^ (static_cast<std::uint16_t>(entry.id) * 0x9E3779B97F4A7C15u);
  x ^= x >> 33;
  x *= 0xFF51AFD7ED558CCDu;
  x ^= x >> 33;
  x *= 0xC4CEB9FE1A85EC53u;
  return x ^ (x >> 33);
}

std::vector<std::uint64_t> hashesOf(const EntryRange& range) {
  std::vector<std::uint64_t> hashes(range.count);
  for (std::size_t i = 0; i < range.count; ++i) hashes[i] = hashOf(range.entries.entry(range.from + i));
  return hashes;
}

// Both parts' hashes, each on a core of its own where there are two.
struct Hashes {
  std::vector<std::uint64_t> ofOld, ofNew;
};

Hashes hashesOfBoth(const EntryRange& old, const EntryRange& young) {
  Hashes hashes;
  runBothAtOnce([&] { hashes.ofOld = hashesOf(old); }, [&] { hashes.ofNew = hashesOf(young); });
  return hashes;
}

// ---- By hash: an open-addressing table of the hashes, whose slot numbers
// are the kinds.

// Probes a table may make for each entry on average before it is crowded.
constexpr std::uint64_t kProbesPerEntry = 16;
// Entries looked ahead, so that their slots are on their way from memory.
constexpr std::size_t kLookAhead = 16;

class HashTable {
 public:
  explicit HashTable(std::size_t entries)
      : bits_(std::max(4, static_cast<int>(std::bit_width(std::max<std::size_t>(entries, 1))) + 1)),
        slots_(std::size_t{1} << bits_, kEmpty) {}

  void prefetch(std::uint64_t hash) const { __builtin_prefetch(&slots_[home(hash)]); }

  // The slot of `hash`, taken for it if it had none.
  std::uint32_t slotOf(std::uint64_t hash) {
    if (hash == kEmpty) hash = 1;  // one more hash equal by chance
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = home(hash);; at = (at + 1) & mask) {
      ++probes_;
      if (slots_[at] == hash) return static_cast<std::uint32_t>(at);
      if (slots_[at] == kEmpty) {
        slots_[at] = hash;
        return static_cast<std::uint32_t>(at);
      }
    }
  }
  std::uint64_t probes() const { return probes_; }

 private:
  static constexpr std::uint64_t kEmpty = 0;
  std::size_t home(std::uint64_t hash) const { return static_cast<std::size_t>(hash >> (64 - bits_)); }

  int bits_;  // at least one more than the entries need, so that at most half the slots are taken
  std::vector<std::uint64_t> slots_;
  std::uint64_t probes_ = 0;
};

// ---- By bytes: both parts sorted, then merged.

struct Keyed {
  std::uint64_t hash;
  std::uint32_t index;  // in the part
};

struct SortedPart {
  const EntryRange& range;
  std::vector<Keyed> keyed;

  speechfile::Entry entry(const Keyed& k) const { return range.entries.entry(range.from + k.index); }
};

int compareKeyed(const SortedPart& p, const Keyed& a, const SortedPart& q, const Keyed& b) {
  if (a.hash != b.hash) return a.hash < b.hash ? -1 : 1;
  return compareEntry(p.entry(a), q.entry(b));
}

void sortPart(SortedPart& part, const std::vector<std::uint64_t>& hashes) {
  part.keyed.resize(hashes.size());
  for (std::size_t i = 0; i < hashes.size(); ++i) part.keyed[i] = {hashes[i], static_cast<std::uint32_t>(i)};
  std::sort(part.keyed.begin(), part.keyed.end(),
            [&](const Keyed& x, const Keyed& y) { return compareKeyed(part, x, part, y) < 0; });
}

}  // namespace

bool sameEntry(const speechfile::Entry& a, const speechfile::Entry& b) { return compareEntry(a, b) == 0; }

std::optional<Kinds> kindsByHash(const EntryRange& old, const EntryRange& young) {
  // Slot numbers must stay below 2^32.
  if (old.count + young.count >= std::size_t{1} << 31) return std::nullopt;
  const Hashes hashes = hashesOfBoth(old, young);
  HashTable table(old.count + young.count);
  const std::uint64_t mostProbes = kProbesPerEntry * (old.count + young.count + 1);
  Kinds kinds;
  for (const auto& [part, numbers] : {std::pair{&hashes.ofOld, &kinds.ofOld}, std::pair{&hashes.ofNew, &kinds.ofNew}}) {
    numbers->resize(part->size());
    for (std::size_t i = 0; i < part->size(); ++i) {
      if (i + kLookAhead < part->size()) table.prefetch((*part)[i + kLookAhead]);
      (*numbers)[i] = table.slotOf((*part)[i]);
      if (table.probes() > mostProbes) return std::nullopt;
    }
  }
  return kinds;
}

Kinds kindsByBytes(const EntryRange& old, const EntryRange& young) {
  const Hashes hashes = hashesOfBoth(old, young);
  SortedPart oldPart{old, {}}, newPart{young, {}};
  runBothAtOnce([&] { sortPart(oldPart, hashes.ofOld); }, [&] { sortPart(newPart, hashes.ofNew); });

  Kinds kinds;
  kinds.ofOld.resize(old.count);
  kinds.ofNew.resize(young.count);
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

}  // namespace comparing
