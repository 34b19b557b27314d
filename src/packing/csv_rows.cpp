#include <algorithm>
#include <cstdio>
#include <cstring>

#include "packing/rows.h"

namespace packing {
namespace {

constexpr std::string_view kSeparators = ",;\t";

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  return lower;
}

// The separator a header shows: the first of ',', ';' and a tab outside
// quotes; ',' when it shows none (a header of one column).
char separatorOf(std::string_view header) {
  bool quoted = false;
  for (const char c : header) {
    if (c == '"') quoted = !quoted;
    if (!quoted && kSeparators.find(c) != std::string_view::npos) return c;
  }
  return ',';
}

std::string inQuotes(std::string_view name) { return "'" + std::string(name) + "'"; }

}  // namespace

CsvRows::CsvRows(LineReader& lines) : lines_(lines) {
  lines_.nextLine();
  separator_ = separatorOf(lines_.line());
  readFields();
  columns_ = fields_.size();
  std::vector<std::string> names;
  for (std::size_t column = 0; column < columns_; ++column) {
    const std::string name = lowerCase(fields_[column]);
    if (invalidUtf8At(name)) throw PackError(1, "line 1: the header is not UTF-8: save the file as UTF-8");
    std::optional<std::size_t>* known = name == "text"     ? &text_
                                        : name == "id"     ? &id_
                                        : name == "id_hex" ? &idHex_
                                                           : nullptr;
    if (known && *known) throw PackError(1, "line 1: the header names the column " + inQuotes(name) + " twice");
    if (known) *known = column;
    names.push_back(inQuotes(fields_[column]));
  }
  std::string named;
  for (const std::string& name : names) named += (named.empty() ? "" : ", ") + name;
  const std::string says = " (it names " + (named.empty() ? std::string("none") : named) + ")";
  if (!text_) throw PackError(1, "line 1: the header has no column 'text'" + says);
  if (!id_ && !idHex_) throw PackError(1, "line 1: the header has no column 'id' or 'id_hex'" + says);
}

void CsvRows::readFields() {
  fields_.clear();
  std::size_t at = 0;  // in the current line, which may grow
  for (;;) {
    std::string& field = fields_.emplace_back();
    std::string_view line = lines_.line();
    if (at < line.size() && line[at] == '"') {
      // A quoted field: up to the quote that is not doubled, over line
      // breaks too.
      const std::uint64_t startLine = lines_.lineNumber();
      std::size_t from = at + 1;
      for (;;) {
        line = lines_.line();
        const std::size_t quote = line.find('"', from);
        if (quote == std::string_view::npos) {
          field.append(line.substr(from));
          field += '\n';
          from = line.size() + 1;
          if (!lines_.takeNextLine()) {
            throw PackError(startLine, "line " + std::to_string(startLine) + ": the quoted field " +
                                           std::to_string(fields_.size()) +
                                           " that starts on this line has no closing quote");
          }
          continue;
        }
        field.append(line.substr(from, quote - from));
        if (quote + 1 < line.size() && line[quote + 1] == '"') {
          field += '"';
          from = quote + 2;
          continue;
        }
        at = quote + 1;
        break;
      }
      const bool lineEnd = at == line.size() || (at + 1 == line.size() && line[at] == '\r');
      if (lineEnd) return;
      if (line[at] != separator_) {
        throw PackError(lines_.lineNumber(), "line " + std::to_string(lines_.lineNumber()) + ": field " +
                                                 std::to_string(fields_.size()) +
                                                 " goes on after its closing quote; a quote inside a quoted field "
                                                 "is written twice (\"\")");
      }
      ++at;
      continue;
    }
    const std::size_t separator = line.find(separator_, at);
    if (separator == std::string_view::npos) {
      std::string_view last = line.substr(at);
      if (last.ends_with('\r')) last.remove_suffix(1);
      field.append(last);
      return;
    }
    field.append(line.substr(at, separator - at));
    at = separator + 1;
  }
}

bool CsvRows::next(Row& row) {
  for (;;) {
    if (!lines_.nextLine()) return false;
    const std::string_view line = lines_.line();
    if (!line.empty() && line != "\r") break;  // a blank line is no row
  }
  row.line = lines_.lineNumber();
  row.number = ++rows_;
  readFields();
  const std::string place = placeOf(row);
  if (fields_.size() != columns_) {
    throw PackError(row.line, place + ": " + std::to_string(fields_.size()) + " fields, but the header names " +
                                  std::to_string(columns_) + " columns");
  }
  for (const std::string& field : fields_) {
    if (const auto at = invalidUtf8At(field)) {
      char hex[3];
      std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(field[*at]));
      throw PackError(row.line, place + ": the byte 0x" + std::string(hex) +
                                    " is not UTF-8; save the file as UTF-8 (in a spreadsheet: CSV UTF-8)");
    }
  }
  std::optional<std::uint16_t> id;
  if (id_) {
    id = decimalId(field(*id_));
    if (!id)
      throw PackError(row.line,
                      place + ", column 'id': '" + std::string(field(*id_)) + "' is not an ID from 0 to 65535");
  }
  if (idHex_) {
    const std::optional<std::uint16_t> hex = hexadecimalId(field(*idHex_));
    if (!hex)
      throw PackError(row.line, place + ", column 'id_hex': '" + std::string(field(*idHex_)) +
                                    "' is not a hexadecimal ID from 0 to FFFF");
    if (id && *id != *hex) {
      throw PackError(row.line, place + ": the column 'id' says " + std::string(field(*id_)) +
                                    " but the column 'id_hex' says " + std::string(field(*idHex_)) +
                                    "; give one of them, or both alike");
    }
    id = hex;
  }
  row.id = *id;
  row.text = field(*text_);
  row.bytes.reset();
  return true;
}

}  // namespace packing
