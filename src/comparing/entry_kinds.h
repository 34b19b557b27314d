// The entries of two files' parts, each numbered by its kind for the diff of
// the two sequences: entries of one kind are equal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "comparing/entries.h"

namespace comparing {

// Whether two entries are the same: the same ID and the same text bytes.
bool sameEntry(const speechfile::Entry& a, const speechfile::Entry& b);

// The entries [from, from + count) of a file.
struct EntryRange {
  const Entries& entries;
  std::size_t from;
  std::size_t count;
};

// A kind's number for each entry of each part, in file order; every number
// is below 2^32 - 1.
struct Kinds {
  std::vector<std::uint32_t> ofOld, ofNew;
};

// Numbers the kinds by the entries' 64-bit hashes, through a table: each
// entry is read once, in file order. Entries of one kind are the same
// entry but for hashes that are equal by chance or made to be, which the
// caller checks where it matters. None when so many hashes crowd one part
// of the table that it would cost more than the entries' number: hashes
// made to, which kindsByBytes numbers as fast as any.
std::optional<Kinds> kindsByHash(const EntryRange& old, const EntryRange& young);

// Numbers the kinds exactly, by the entries' bytes where their hashes are
// equal: a sort, so that a file made to give many entries one hash costs a
// factor of log n, never n.
Kinds kindsByBytes(const EntryRange& old, const EntryRange& young);

}  // namespace comparing
