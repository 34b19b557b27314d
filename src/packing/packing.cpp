#include "packing/packing.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "packing/line_reader.h"
#include "packing/rows.h"
#include "runtime/errors.h"
#include "runtime/text.h"
#include "speechfile/record.h"

namespace packing {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Makes each row's entry: its bytes, and the checks they pass first.
class EntryMaker {
 public:
  EntryMaker(runtime::Encoding encoding, bool csv) : encoding_(encoding), csv_(csv) {}

  // The bytes of the row's text, valid until the next call.
  const std::vector<std::uint8_t>& bytesOf(const Row& row) {
    const std::string place = csv_ ? placeOf(row) : "line " + std::to_string(row.line);
    if (csv_ && row.text.find(kReplacement) != std::string_view::npos) {
      throw PackError(row.line, place +
                                    ": the text holds U+FFFD, which stands for bytes that did not convert, "
                                    "and csv cannot say which; list the file with speechlist --format json, "
                                    "which gives their bytes");
    }
    bytes_.clear();
    if (row.bytes && givenBytesConvertTo(row, place)) return checked(row, place);
    if (row.bytes && row.text.find(kReplacement) != std::string_view::npos) {
      throw PackError(row.line, place +
                                    ": the text was changed but still holds U+FFFD, which stands for the "
                                    "bytes that did not convert; change it there too, or put the text back");
    }
    if (const auto refused = runtime::encodeText(row.text, encoding_, bytes_)) {
      if (!refused->validUtf8) {
        throw PackError(row.line, place +
                                      ": the text holds half of a surrogate pair (a \\uD800 to \\uDFFF "
                                      "escape without its other half), which is no character");
      }
      throw PackError(row.line, place + ": " + runtime::noBytesText(refused->character, encoding_));
    }
    return checked(row, place);
  }

 private:
  // Reads the row's "bytes" into bytes_; true when the text is still what
  // they convert to.
  bool givenBytesConvertTo(const Row& row, const std::string& place) {
    const std::string_view hex = *row.bytes;
    const auto digit = [](char c) {
      return c >= '0' && c <= '9'   ? c - '0'
             : c >= 'a' && c <= 'f' ? c - 'a' + 10
             : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                    : -1;
    };
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
      const int high = digit(hex[i]), low = digit(hex[i + 1]);
      if (high < 0 || low < 0) break;
      bytes_.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    if (bytes_.size() * 2 != hex.size()) {
      throw PackError(row.line, place + ", key 'bytes': give the text's bytes as pairs of hexadecimal digits");
    }
    if (bytes_.size() > static_cast<std::size_t>(speechfile::kMaxTextLength)) return true;  // too long, said below
    converted_.resize(runtime::maxAnsiTextSize(bytes_.size()));
    const char* const end =
        runtime::writeAnsiText(converted_.data(), bytes_, encoding_, runtime::UndefinedBytes::AsWindowsGives);
    if (std::string_view(converted_.data(), static_cast<std::size_t>(end - converted_.data())) == row.text) {
      return true;
    }
    bytes_.clear();
    return false;
  }

  const std::vector<std::uint8_t>& checked(const Row& row, const std::string& place) {
    if (bytes_.size() > static_cast<std::size_t>(speechfile::kMaxTextLength)) {
      throw PackError(row.line, place + ": the text is " + runtime::groupedNumber(bytes_.size()) + " bytes long in " +
                                    encoding_.name() + ", more than the " +
                                    runtime::groupedNumber(speechfile::kMaxTextLength) + " bytes an entry can hold");
    }
    return bytes_;
  }

  const runtime::Encoding encoding_;
  const bool csv_;
  std::vector<std::uint8_t> bytes_;
  std::string converted_;
};

template <typename Rows>
std::uint64_t takeRows(Rows& rows, EntryMaker& maker, const std::function<void(const PackedEntry&)>& take) {
  Row row;
  std::uint64_t entries = 0;
  while (rows.next(row)) {
    take(PackedEntry{row.line, row.id, maker.bytesOf(row)});
    ++entries;
  }
  return entries;
}

}  // namespace

std::optional<InputFormat> inputFormatNamed(std::string_view name) {
  if (name == "csv") return InputFormat::Csv;
  if (name == "json") return InputFormat::JsonLines;
  return std::nullopt;
}

std::optional<InputFormat> inputFormatForFileName(const std::filesystem::path& name) {
  std::string extension = name.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".csv") return InputFormat::Csv;
  if (extension == ".json" || extension == ".jsonl" || extension == ".ndjson") return InputFormat::JsonLines;
  return std::nullopt;
}

std::uint64_t readEntries(runtime::ByteSource& input, std::optional<InputFormat> format, runtime::Encoding encoding,
                          const std::function<void(const PackedEntry&)>& take) {
  LineReader lines(input);
  if (!format) format = lines.firstByte() == '{' ? InputFormat::JsonLines : InputFormat::Csv;
  EntryMaker maker(encoding, *format == InputFormat::Csv);
  if (*format == InputFormat::Csv) {
    CsvRows rows(lines);
    return takeRows(rows, maker, take);
  }
  JsonRows rows(lines);
  return takeRows(rows, maker, take);
}

std::uint64_t pack(runtime::ByteSource& input, std::optional<InputFormat> format, runtime::Encoding encoding,
                   speechfile::RecordWriter& writer) {
  return readEntries(input, format, encoding, [&](const PackedEntry& entry) { writer.append(entry.id, entry.text); });
}

}  // namespace packing
