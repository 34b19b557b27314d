#include "ui/common/find_line.h"

#include "speechfile/record.h"
#include "ui/common/shown_text.h"

namespace ui {
namespace {

// Decodes the character at `at` of valid UTF-8 and moves past it.
char32_t decode(std::string_view utf8, std::size_t& at) {
  const auto b = static_cast<unsigned char>(utf8[at]);
  const int length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
  char32_t c = length == 1 ? b : length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
  for (int k = 1; k < length && at + static_cast<std::size_t>(k) < utf8.size(); ++k) {
    c = (c << 6) | (static_cast<unsigned char>(utf8[at + static_cast<std::size_t>(k)]) & 0x3F);
  }
  at += static_cast<std::size_t>(length);
  return c;
}

void encode(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
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

}  // namespace

char32_t foldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 32;                       // Latin-1
  if (c == 0x178) return 0xFF;                                          // Ÿ
  if (c >= 0x100 && c <= 0x137) return c | 1;                           // Latin Extended-A, in pairs
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  if (c >= 0x14A && c <= 0x177) return c | 1;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;            // Greek
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 37;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 63;
  if (c >= 0x410 && c <= 0x42F) return c + 32;                          // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  if (c >= 0x490 && c <= 0x4BF) return c | 1;
  return c;
}

std::string foldCase(std::string_view utf8) {
  std::string out;
  foldInto(out, utf8);
  return out;
}

std::optional<std::size_t> findLine(const LineStore& lines, const FindRequest& request,
                                    std::optional<std::size_t> from) {
  const std::size_t rows = lines.rowCount();
  if (request.text.empty() || rows == 0) return std::nullopt;
  const std::string needle = request.matchCase ? request.text : foldCase(request.text);
  LineStore::Scratch scratch;
  std::string line, folded;
  const auto matches = [&](const LineStore::Row& row) {
    std::string_view text = speechfile::formatListLine(scratch.line, row.id, row.text);
    if (holdsControlCharacter(text)) {
      line = shownText(text);
      text = line;
    }
    if (!request.matchCase) {
      foldInto(folded, text);
      text = folded;
    }
    return text.find(needle) != std::string_view::npos;
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
