// Writes a speech file one record at a time, in the layout of record.h: the
// ID and the text's length, big-endian, then the text's bytes. The records
// are gathered and handed to the byte writer in large blocks.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "runtime/file_save.h"

namespace speechfile {

class RecordWriter {
 public:
  // Hands what it writes to `write`, which raises what a failed write is.
  explicit RecordWriter(runtime::ByteWriter write);

  // Appends the record of `id` (its 16-bit pattern) with `text`. Raises the
  // runtime's Overflow error, before writing anything, for a text longer
  // than the 32,767 bytes a record can hold.
  void append(std::uint16_t id, std::span<const std::uint8_t> text);

  // Writes what is gathered; to be called once the last record is appended.
  void finish();

  // The bytes appended so far: where the next record starts.
  std::uint64_t size() const { return size_; }

 private:
  runtime::ByteWriter write_;
  std::string pending_;
  std::uint64_t size_ = 0;
};

}  // namespace speechfile
