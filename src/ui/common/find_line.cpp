#include "ui/common/find_line.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "listing/list_line.h"
#include "listing/shown_text.h"
#include "runtime/utf8.h"
#include "ui/common/case_folding_table.h"

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

// The folding as a table of two levels, made when the program is compiled:
// the characters in blocks of 256, each block that holds a character that
// folds with what to add to each of its characters; every other block is the
// first, which adds nothing.
constexpr char32_t kFoldingEnd = generated::kCaseFolding.back().from + 1;  // the table is in ascending order

consteval std::size_t foldingBlockCount() {
  std::size_t blocks = 1;
  for (std::size_t i = 0; i < generated::kCaseFolding.size(); ++i) {
    if (i == 0 || generated::kCaseFolding[i].from >> 8 != generated::kCaseFolding[i - 1].from >> 8) ++blocks;
  }
  return blocks;
}

struct FoldingTable {
  std::array<std::uint8_t, (kFoldingEnd >> 8) + 1> blockOf{};
  std::array<std::array<std::int32_t, 256>, foldingBlockCount()> offsets{};
};
static_assert(foldingBlockCount() <= 256);

consteval FoldingTable makeFoldingTable() {
  FoldingTable table;
  std::size_t blocks = 1;
  for (const generated::CaseFolding& f : generated::kCaseFolding) {
    std::uint8_t& block = table.blockOf[f.from >> 8];
    if (block == 0) block = static_cast<std::uint8_t>(blocks++);
    table.offsets[block][f.from & 0xFF] = static_cast<std::int32_t>(f.to) - static_cast<std::int32_t>(f.from);
  }
  return table;
}

constexpr FoldingTable kFolding = makeFoldingTable();

char32_t asciiFolded(unsigned char b) { return b >= 'A' && b <= 'Z' ? b + 32 : b; }

// What a character matches beyond its folding. Turkish pairs i with İ and ı
// with I, the other languages i with I (which folding does); a search cannot
// tell the language, so both pairings hold, and "istanbul" finds "İSTANBUL"
// as "id" finds "ID". ı and i, İ and I, ı and İ never match: no language
// takes them for one letter.
char32_t alsoMatches(char32_t c) {
  switch (c) {
    case U'i': return U'\u0130';
    case U'I': return U'\u0131';
    case U'\u0130': return U'i';
    case U'\u0131': return U'I';
    default: return LineMatcher::kNoCharacter;
  }
}

// Whether the text's letters start at `at` in the line, folding the line's
// characters as they are compared rather than folding the whole line first.
bool foldedMatchAt(std::string_view line, std::size_t at, std::span<const LineMatcher::Letter> letters) {
  for (const LineMatcher::Letter& letter : letters) {
    if (at >= line.size()) return false;
    const auto b = static_cast<unsigned char>(line[at]);
    char32_t c = b, folded;
    if (b < 0x80) {
      folded = asciiFolded(b);
      ++at;
    } else {
      c = decode(line, at);
      folded = foldCase(c);
    }
    if (folded != letter.folded && c != letter.alsoMatches) return false;
  }
  return true;
}

// The first byte of each character that matches an ASCII letter: the letter
// in either case, the few characters that fold into ASCII (U+017F long s,
// U+212A Kelvin sign) and the letter's Turkish pair.
std::vector<char> firstBytesMatching(const LineMatcher::Letter& letter) {
  std::vector<char> bytes{static_cast<char>(letter.folded)};
  if (letter.folded >= 'a' && letter.folded <= 'z') bytes.push_back(static_cast<char>(letter.folded - 32));
  std::string utf8;
  for (const generated::CaseFolding& f : generated::kCaseFolding) {
    if (f.from >= 0x80 && f.to == letter.folded) runtime::appendUtf8(utf8, f.from);
  }
  if (letter.alsoMatches != LineMatcher::kNoCharacter) runtime::appendUtf8(utf8, letter.alsoMatches);
  for (std::size_t at = 0; at < utf8.size(); at += runtime::decodeUtf8(utf8, at).length) bytes.push_back(utf8[at]);
  return bytes;
}

// Whether the line holds the text's letters anywhere. An ASCII first letter
// is looked for by the first byte of each character that matches it; any
// other at the start of each character that is not ASCII, and at the one
// ASCII letter it may also match.
bool holdsFolded(std::string_view line, std::span<const LineMatcher::Letter> letters,
                 std::span<const char> asciiFirstBytes) {
  const LineMatcher::Letter& first = letters.front();
  if (first.folded >= 0x80) {
    const char32_t alsoAscii = first.alsoMatches < 0x80 ? first.alsoMatches : LineMatcher::kNoCharacter;
    for (std::size_t at = 0; at < line.size(); ++at) {
      const auto b = static_cast<unsigned char>(line[at]);
      if (((b & 0xC0) == 0xC0 || b == alsoAscii) && foldedMatchAt(line, at, letters)) return true;
    }
    return false;
  }
  for (const char c : asciiFirstBytes) {
    for (std::size_t at = line.find(c); at != std::string_view::npos; at = line.find(c, at + 1)) {
      if (foldedMatchAt(line, at, letters)) return true;
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
  if (c >= kFoldingEnd) return c;
  return static_cast<char32_t>(c + kFolding.offsets[kFolding.blockOf[c >> 8]][c & 0xFF]);
}

std::string foldCase(std::string_view utf8) {
  std::string out;
  for (std::size_t at = 0; at < utf8.size();) encode(out, foldCase(decode(utf8, at)));
  return out;
}

LineMatcher::LineMatcher(const FindRequest& request, runtime::Encoding encoding)
    : request_(request), encoding_(encoding) {
  const ShownForm shownForm = shownFormFor(request.text);
  canMatch_ = !request.text.empty() && shownForm != ShownForm::NeverMatches;
  showsLines_ = shownForm == ShownForm::Differs;
  if (request.matchCase || !canMatch_) return;
  for (std::size_t at = 0; at < request.text.size();) {
    const char32_t c = decode(request.text, at);
    letters_.push_back({foldCase(c), alsoMatches(c)});
  }
  if (letters_.front().folded < 0x80) asciiFirst_ = firstBytesMatching(letters_.front());
}

bool LineMatcher::matches(const LineStore::Row& row) {
  if (!canMatch_) return false;
  std::string_view text = listing::formatListLine(line_, row.id, row.text, encoding_);
  if (showsLines_ && listing::changesWhenShown(text)) {
    shown_ = listing::shownText(text);
    text = shown_;
  }
  return request_.matchCase ? text.find(request_.text) != std::string_view::npos
                            : holdsFolded(text, letters_, asciiFirst_);
}

std::optional<std::size_t> findLine(const LineStore& lines, const FindRequest& request, std::optional<std::size_t> from,
                                    runtime::Encoding encoding) {
  const std::size_t rows = lines.rowCount();
  LineMatcher matcher(request, encoding);
  if (!matcher.canMatch() || rows == 0) return std::nullopt;
  LineStore::Scratch scratch;
  // Walks the rows in [first, end) in file order; `last` keeps going to find
  // the last match instead of the first.
  std::optional<std::size_t> found;
  const auto scan = [&](std::size_t first, std::size_t end, bool last) {
    lines.forEachRow(first, scratch, [&](std::size_t index, const LineStore::Row& row) {
      if (index >= end) return false;
      if (matcher.matches(row)) found = index;
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
