// Reads a speech file one record at a time, in file order: each record's
// byte offset, ID and text bytes, those without text too. What stops the
// reading is told as the Get action tells it, with the same words and the
// offset of the record where it stopped.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "runtime/arrays.h"
#include "runtime/errors.h"
#include "runtime/file_table.h"

namespace speechfile {

struct Record {
  std::uint64_t offset;                // byte offset of the record's first byte
  std::uint16_t id;                    // the ID's 16-bit pattern
  std::span<const std::uint8_t> text;  // valid until the next call of next()
};

// A record that cannot be read: the runtime's error, in plain words, and the
// byte offset of the record's first byte.
class RecordError : public runtime::RuntimeError {
 public:
  RecordError(std::uint64_t offset, const runtime::RuntimeError& cause)
      : runtime::RuntimeError(cause), offset_(offset) {}
  std::uint64_t offset() const { return offset_; }

 private:
  std::uint64_t offset_;
};

class RecordReader {
 public:
  // Reads `file` from where it stands; it must outlive the reader.
  explicit RecordReader(runtime::BufferedFile& file) : file_(file) {}

  // The next record, or none at the end of the file. Raises RecordError for
  // a record that cannot be read (a length field of 0x8000 or more, a file
  // that ends inside the record, a failed read, a file that became shorter),
  // after which the reader is not to be used again.
  std::optional<Record> next();

 private:
  runtime::BufferedFile& file_;
  runtime::ByteArray text_;
};

}  // namespace speechfile
