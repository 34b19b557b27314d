// The rows of the input, as the csv and the JSON Lines readers give them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "packing/line_reader.h"
#include "packing/packing.h"

namespace packing {

struct Row {
  std::uint64_t line = 0;    // where the row starts
  std::uint64_t number = 0;  // of the row, from 1 (a csv header not counted)
  std::uint16_t id = 0;
  std::string_view text;                  // UTF-8 as the input gives it
  std::optional<std::string_view> bytes;  // json's "bytes", as given
};

// "line 5, row 4": where a row's messages say it is.
std::string placeOf(const Row& row);

// An ID as decimal digits (0 to 65535) or as hexadecimal ones (0 to FFFF,
// any case); none for anything else.
std::optional<std::uint16_t> decimalId(std::string_view digits);
std::optional<std::uint16_t> hexadecimalId(std::string_view digits);

// The first byte of `text` that is not valid UTF-8, if any.
std::optional<std::size_t> invalidUtf8At(std::string_view text);

class CsvRows {
 public:
  // Reads the header from `lines`. Raises PackError when a column it needs
  // is missing or a column is named twice.
  explicit CsvRows(LineReader& lines);
  // The next row; false after the last. Raises PackError for a row that
  // cannot be read.
  bool next(Row& row);

 private:
  // Splits the current line (and the lines a quoted field takes in) into
  // fields_; false for a line without a field.
  void readFields();
  std::string_view field(std::size_t column) const { return fields_[column]; }

  LineReader& lines_;
  char separator_ = ',';
  std::size_t columns_ = 0;
  std::optional<std::size_t> text_, id_, idHex_;
  std::vector<std::string> fields_;
  std::uint64_t rows_ = 0;
};

class JsonRows {
 public:
  explicit JsonRows(LineReader& lines) : lines_(lines) {}
  bool next(Row& row);

 private:
  LineReader& lines_;
  std::uint64_t rows_ = 0;
};

}  // namespace packing
