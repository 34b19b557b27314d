#include "ui/common/find_line.h"

#include <span>

#include "listing/shown_text.h"
#include "runtime/utf8.h"
#include "speechfile/record.h"

namespace ui {
namespace {

// Decodes the character at `at` and moves past it; a byte that is not
// valid UTF-8 stands for itself, so that it matches only itself.
char32_t decode(std::string_view utf8, std::size_t& at) {
  const runtime::Utf8Character c = runtime::decodeUtf8(utf8, at);
  at += c.length;
  return c.valid ? c.value : 0x110000 + c.value;
}

void encode(std::string& out, char32_t c) {
  if (c >= 0x110000)
    out += static_cast<char>(c - 0x110000);  // an invalid byte, as it was
  else
    runtime::appendUtf8(out, c);
}

// Folds into `out`, which is reused from row to row.
void foldInto(std::string& out, std::string_view utf8) {
  out.clear();
  for (std::size_t at = 0; at < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[at]);
    if (b < 0x80) {
      out += static_cast<char>(b >= 'A' && b <= 'Z' ? b + 32 : b);
      ++at;
    } else {
      encode(out, foldCase(decode(utf8, at)));
    }
  }
}

// Whether the folded needle starts at `at` in the line, folding the line's
// characters as they are compared rather than folding the whole line first.
bool foldedMatchAt(std::string_view line, std::size_t at, std::string_view needle) {
  for (std::size_t n = 0; n < needle.size();) {
    if (at >= line.size()) return false;
    const auto b = static_cast<unsigned char>(line[at]);
    if (b < 0x80) {
      if (static_cast<unsigned char>(needle[n]) != (b >= 'A' && b <= 'Z' ? b + 32 : b)) return false;
      ++at;
      ++n;
    } else if (foldCase(decode(line, at)) != decode(needle, n)) {
      return false;
    }
  }
  return true;
}

// Whether the line holds the folded needle anywhere. Folding never turns a
// character into ASCII or out of it, so an ASCII first character is looked
// for by its byte in either case, and any other at the start of each
// character that is not ASCII.
bool holdsFolded(std::string_view line, std::string_view needle) {
  const auto first = static_cast<unsigned char>(needle.front());
  if (first >= 0x80) {
    for (std::size_t at = 0; at < line.size(); ++at) {
      if ((static_cast<unsigned char>(line[at]) & 0xC0) == 0xC0 && foldedMatchAt(line, at, needle)) return true;
    }
    return false;
  }
  const char cases[2] = {static_cast<char>(first),
                         static_cast<char>(first >= 'a' && first <= 'z' ? first - 32 : first)};
  for (const char c : std::span(cases, cases[0] == cases[1] ? 1 : 2)) {
    for (std::size_t at = line.find(c); at != std::string_view::npos; at = line.find(c, at + 1)) {
      if (foldedMatchAt(line, at, needle)) return true;
    }
  }
  return false;
}

enum class ShownForm { Alike, Differs, NeverMatches };

// Whether a text matches a line's shown form where it does not match the
// line as formed, or the other way round. The shown form changes nothing but
// control characters, so this is only for a text that holds one (no shown
// line does), a sign that stands for one (U+2400 to U+2421, "‹", "›"), or
// one or two hexadecimal digits, which the sign of U+0080 to U+009F holds.
// Any other text matches both alike, and lines need not be shown to match.
ShownForm shownFormFor(std::string_view text) {
  bool hexDigits = text.size() <= 2;
  bool signs = false;
  for (std::size_t at = 0; at < text.size();) {
    const char32_t c = decode(text, at);
    if (listing::isControlCharacter(c)) return ShownForm::NeverMatches;
    signs = signs || (c >= 0x2400 && c <= 0x2421) || c == 0x2039 || c == 0x203A;
    hexDigits = hexDigits && ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'));
  }
  return signs || hexDigits ? ShownForm::Differs : ShownForm::Alike;
}

}  // namespace

char32_t foldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 32;  // Latin-1
  if (c == 0x178) return 0xFF;                   // Ÿ
  if (c >= 0x100 && c <= 0x137) return c | 1;    // Latin Extended-A, in pairs
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  if (c >= 0x14A && c <= 0x177) return c | 1;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;  // Greek
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 37;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 63;
  if (c >= 0x410 && c <= 0x42F) return c + 32;  // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  if (c >= 0x490 && c <= 0x4BF) return c | 1;
  return c;
}

std::string foldCase(std::string_view utf8) {
  std::string out;
  foldInto(out, utf8);
  return out;
}

std::optional<std::size_t> findLine(const LineStore& lines, const FindRequest& request, std::optional<std::size_t> from,
                                    runtime::Encoding encoding) {
  const std::size_t rows = lines.rowCount();
  if (request.text.empty() || rows == 0) return std::nullopt;
  const ShownForm shownForm = shownFormFor(request.text);
  if (shownForm == ShownForm::NeverMatches) return std::nullopt;
  const std::string needle = request.matchCase ? request.text : foldCase(request.text);
  LineStore::Scratch scratch;
  std::string line;
  const auto matches = [&](const LineStore::Row& row) {
    std::string_view text = speechfile::formatListLine(scratch.line, row.id, row.text, encoding);
    if (shownForm == ShownForm::Differs && listing::changesWhenShown(text)) {
      line = listing::shownText(text);
      text = line;
    }
    return request.matchCase ? text.find(needle) != std::string_view::npos : holdsFolded(text, needle);
  };
  // Walks the rows in [first, end) in file order; `last` keeps going to find
  // the last match instead of the first.
  std::optional<std::size_t> found;
  const auto scan = [&](std::size_t first, std::size_t end, bool last) {
    lines.forEachRow(first, scratch, [&](std::size_t index, const LineStore::Row& row) {
      if (index >= end) return false;
      if (matches(row)) found = index;
      return last || !found;
    });
    return found;
  };
  if (request.direction == FindDirection::Next) {
    const std::size_t start = from ? (*from + 1) % rows : 0;
    if (scan(start, rows, false)) return found;
    return scan(0, start, false);
  }
  const std::size_t end = from ? *from : rows;
  if (scan(0, end, true)) return found;
  return scan(end, rows, true);
}

}  // namespace ui
