#include "listing/export_formats.h"

#include <algorithm>
#include <cctype>

#include "listing/list_line.h"
#include "listing/shown_text.h"
#include "runtime/text.h"

namespace listing {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr char kUpperHexDigits[] = "0123456789ABCDEF";

std::string_view exactText(const speechfile::Entry& entry, runtime::Encoding encoding, std::string& scratch) {
  scratch.resize(runtime::maxAnsiTextSize(entry.text.size()));
  char* const end =
      runtime::writeAnsiText(scratch.data(), entry.text, encoding, runtime::UndefinedBytes::AsWindowsGives);
  return {scratch.data(), static_cast<std::size_t>(end - scratch.data())};
}

std::string_view shownLine(const speechfile::Entry& entry, runtime::Encoding encoding, std::string& scratch) {
  scratch.resize(listing::maxListLineSize(0) + maxShownAnsiTextSize(entry.text.size()));
  char* const end = listing::writeListLineWith(scratch.data(), entry.id,
                                               [&](char* at) { return writeShownAnsiText(at, entry.text, encoding); });
  return {scratch.data(), static_cast<std::size_t>(end - scratch.data())};
}

void appendCsvField(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

// The bytes in upper-case hexadecimal, two digits each.
void appendHexBytes(std::string& out, std::span<const std::uint8_t> bytes) {
  const std::size_t at = out.size();
  out.resize(at + 2 * bytes.size());
  char* to = out.data() + at;
  for (const std::uint8_t b : bytes) {
    *to++ = kUpperHexDigits[b >> 4];
    *to++ = kUpperHexDigits[b & 0xF];
  }
}

void appendEscape(std::string& out, unsigned code) {
  out += "\\u00";
  out += kHexDigits[code >> 4];
  out += kHexDigits[code & 0xF];
}

// Whether the text holds U+2028 or U+2029 (E2 80 A8 or E2 80 A9) at `i`.
bool isLineOrParagraphSeparator(std::string_view text, std::size_t i) {
  return text.size() - i >= 3 && text[i] == '\xE2' && text[i + 1] == '\x80' &&
         (text[i + 2] == '\xA8' || text[i + 2] == '\xA9');
}

// JSON's escapes for quote, backslash and U+0000 to U+001F, and \u escapes
// for U+007F to U+009F as well, which JSON allows: a terminal that shows the
// output then meets no control character at all. U+2028 and U+2029 are
// escaped too: readers that take them for line ends would split a line.
void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto b = static_cast<unsigned char>(c);
    if (b == 0x7F) {
      appendEscape(out, b);
      continue;
    }
    if (isLineOrParagraphSeparator(text, i)) {
      out += text[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
      i += 2;
      continue;
    }
    if (b == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      appendEscape(out, static_cast<unsigned char>(text[++i]));
      continue;
    }
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (b < 0x20)
          appendEscape(out, b);
        else
          out += c;
    }
  }
  out += '"';
}

}  // namespace

std::optional<ExportFormat> exportFormatNamed(std::string_view name) {
  if (name == "lines") return ExportFormat::Lines;
  if (name == "csv") return ExportFormat::Csv;
  if (name == "json") return ExportFormat::Json;
  return std::nullopt;
}

ExportFormat exportFormatForFileName(std::string_view fileName) {
  const auto dot = fileName.find_last_of('.');
  if (dot == std::string_view::npos) return ExportFormat::Lines;
  std::string extension(fileName.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "csv") return ExportFormat::Csv;
  if (extension == "json" || extension == "jsonl") return ExportFormat::Json;
  return ExportFormat::Lines;
}

std::string exportHeader(ExportFormat format) {
  return format == ExportFormat::Csv ? "offset,id,id_hex,length,text\r\n" : "";
}

void appendEntry(std::string& out, ExportFormat format, const speechfile::Entry& entry, runtime::Encoding encoding) {
  std::string scratch;
  if (format == ExportFormat::Lines) {
    out += shownLine(entry, encoding, scratch);
    out += '\n';
    return;
  }
  const std::string offset = std::to_string(entry.offset);
  const std::string id = std::to_string(static_cast<std::uint16_t>(entry.id));
  const std::string idHex = runtime::hexText(entry.id);
  const std::string length = std::to_string(entry.text.size());
  const std::string_view text = exactText(entry, encoding, scratch);
  if (format == ExportFormat::Csv) {
    out += offset + ',' + id + ',' + idHex + ',' + length + ',';
    appendCsvField(out, text);
    out += "\r\n";
  } else {
    out +=
        "{\"offset\":" + offset + ",\"id\":" + id + ",\"id_hex\":\"" + idHex + "\",\"length\":" + length + ",\"text\":";
    appendJsonString(out, text);
    if (!runtime::convertsBack(entry.text, encoding)) {
      out += ",\"" + std::string(kBytesKey) + "\":\"";
      appendHexBytes(out, entry.text);
      out += '"';
    }
    out += "}\n";
  }
}

}  // namespace listing
