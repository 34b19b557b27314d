// Finding a line: a text matched anywhere in a row's shown line, so that
// "2A" finds an ID and "bank" a text; the search goes on from the row after
// (or before) the current one and comes round past the end.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/encoding.h"
#include "ui/common/line_store.h"

namespace ui {

enum class FindDirection { Next, Previous };

struct FindRequest {
  std::string text;  // UTF-8
  bool matchCase = false;
  FindDirection direction = FindDirection::Next;
};

// Whether a row's shown line, its text read in an encoding, holds a text:
// byte for byte with Match case; otherwise character for character, each
// folded (foldCase), with the dotted and dotless i paired as in Turkish too
// (i matches I and İ, I matches i and ı; ı never matches i or İ, nor İ I).
// One character matches one, so a match is always whole characters of the
// line: ß matches ẞ, never "ss". One matcher serves a whole search: it keeps
// the buffers lines are formed in.
class LineMatcher {
 public:
  LineMatcher(const FindRequest& request, runtime::Encoding encoding);

  // False for every row when the text is empty or can match no shown line.
  bool canMatch() const { return canMatch_; }
  // Whether the row's shown line holds the text.
  bool matches(const LineStore::Row& row);

  // A character of the text as it is compared: folded, and the one other
  // character it also matches (none: kNoCharacter).
  struct Letter {
    char32_t folded;
    char32_t alsoMatches;
  };
  static constexpr char32_t kNoCharacter = ~char32_t{0};

 private:
  FindRequest request_;
  runtime::Encoding encoding_;
  bool canMatch_;
  bool showsLines_;               // whether the text could match a line's shown form alone
  std::vector<Letter> letters_;   // without Match case
  std::vector<char> asciiFirst_;  // the first bytes a line's match starts with, for an ASCII first letter
  std::string line_, shown_;
};

// The first row after `from` (before it, for Previous) whose shown line, its
// text read in `encoding`, holds the text (as LineMatcher compares them),
// coming round past the last (first) row and ending with `from` itself; from
// the first (last) row when there is no current row. None when no row
// matches or the text is empty.
std::optional<std::size_t> findLine(const LineStore& lines, const FindRequest& request, std::optional<std::size_t> from,
                                    runtime::Encoding encoding = runtime::Encoding::systemDefault());

// Letters without case: Unicode's simple case folding, each character to the
// one it folds to (scripts/make-case-folding.py makes the table from
// CaseFolding.txt); every other character as it is.
char32_t foldCase(char32_t c);
// A UTF-8 text with each character folded.
std::string foldCase(std::string_view utf8);

}  // namespace ui
