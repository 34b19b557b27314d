// Making a speech file from a list: the rows of a csv file or of JSON Lines,
// as speechlist writes them and as people's tools save them, each made an
// entry with its text encoded back into the speech file's encoding.
//
//   csv         RFC 4180, with a header row that names the columns, in any
//               order: text, and id (0 to 65535) or id_hex (1 to 4
//               hexadecimal digits); the others (offset, length, ...) are
//               read past. What spreadsheets write is read as well: a UTF-8
//               byte-order mark, CRLF or LF, every field quoted or none, and
//               ';' or a tab as the separator where the header shows it.
//   JSON Lines  one object a line with the same keys, in any order, and
//               others read past; from speechlist, also "bytes": a text's
//               bytes in hexadecimal, used as long as the text is still what
//               they convert to.
//
// Rows are made entries in their order; an empty text is an entry without
// text. Whatever is wrong with the input is raised as a PackError that names
// its line (and row, column or key), before the entry of that row is
// written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "runtime/byte_source.h"
#include "runtime/encoding.h"
#include "speechfile/record_writer.h"

namespace packing {

enum class InputFormat { Csv, JsonLines };

// "csv", "json" (JSON Lines).
std::optional<InputFormat> inputFormatNamed(std::string_view name);
// The format a file name's extension asks for: ".csv", and ".json",
// ".jsonl" or ".ndjson" (any case); none for another.
std::optional<InputFormat> inputFormatForFileName(const std::filesystem::path& name);

// What is wrong with the input, in plain words and naming where:
// "line 13, row 12: '\u0436' (U+0436) has no bytes in Western European (1252)".
class PackError : public std::runtime_error {
 public:
  PackError(std::uint64_t line, const std::string& message);
  std::uint64_t line() const { return line_; }  // 0 where no line is concerned (an empty input)

 private:
  std::uint64_t line_;
};

// One row of the input made an entry: its ID and its text's bytes in the
// encoding, valid during the call that is handed it.
struct PackedEntry {
  std::uint64_t line;  // where its row starts in the input
  std::uint16_t id;
  std::span<const std::uint8_t> text;  // at most 32,767 bytes
};

// Reads every row of `input` and hands its entry to `take`, in the format
// given or, where none is, in the format the input's first character shows
// ('{' for JSON Lines, csv otherwise). Texts are encoded in `encoding`.
// Raises PackError for the first row that cannot be made an entry (and for
// an empty input), with the entries before it handed over; what `input` and
// `take` raise goes through. Returns the number of entries.
std::uint64_t readEntries(runtime::ByteSource& input, std::optional<InputFormat> format, runtime::Encoding encoding,
                          const std::function<void(const PackedEntry&)>& take);

// The same, appending each entry to `writer`.
std::uint64_t pack(runtime::ByteSource& input, std::optional<InputFormat> format, runtime::Encoding encoding,
                   speechfile::RecordWriter& writer);

}  // namespace packing
