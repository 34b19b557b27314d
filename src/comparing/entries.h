// The entries a compare reads: every entry of a file, with text and
// without, in file order, and the store the compare reads a file into.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "speechfile/get_action.h"

namespace comparing {

// What the compare needs of a file's entries: how many there are, and each
// one by its number in file order (0 for the first). The entry's text stays
// valid as long as the entries do.
class Entries {
 public:
  virtual ~Entries() = default;
  virtual std::size_t size() const = 0;
  virtual speechfile::Entry entry(std::size_t index) const = 0;
};

// Every entry of one file, kept as the file lays the records out (the ID
// and length fields, then the text), so that a file of N entries takes its
// own size in bytes and eight bytes an entry.
class FileEntries final : public Entries {
 public:
  std::size_t size() const override { return starts_.size(); }
  speechfile::Entry entry(std::size_t index) const override;

  // Makes room for a file of `bytes` bytes, as big as the file said it was
  // when it was opened; a file read past that size grows the store as it
  // goes. Raises std::bad_alloc.
  void expect(std::uint64_t bytes);
  // Appends the entry, which must start where the last one ended (at 0 for
  // the first). Raises std::bad_alloc, keeping what was appended before.
  void append(const speechfile::Entry& entry);
  // Where the entries appended so far end: the bytes of the file they hold.
  std::uint64_t byteSize() const { return size_; }

 private:
  void makeRoom(std::size_t bytes);

  std::unique_ptr<std::uint8_t[]> records_;  // written as entries come, never before
  std::size_t size_ = 0, capacity_ = 0;
  std::vector<std::uint64_t> starts_;  // where each entry's record starts: its offset
};

}  // namespace comparing
