// Finding a line: a text matched anywhere in a row's shown line, so that
// "2A" finds an ID and "bank" a text; the search goes on from the row after
// (or before) the current one and comes round past the end.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/encoding.h"
#include "ui/common/line_store.h"

namespace ui {

enum class FindDirection { Next, Previous };

struct FindRequest {
  std::string text;  // UTF-8
  bool matchCase = false;
  FindDirection direction = FindDirection::Next;
};

// The first row after `from` (before it, for Previous) whose shown line, its
// text read in `encoding`, holds the text, coming round past the last (first) row and ending with `from`
// itself; from the first (last) row when there is no current row. None when
// no row matches or the text is empty.
std::optional<std::size_t> findLine(const LineStore& lines, const FindRequest& request, std::optional<std::size_t> from,
                                    runtime::Encoding encoding = runtime::Encoding::systemDefault());

// Letters without case: the lower-case form of the Latin, Greek and Cyrillic
// letters the ANSI code pages hold; every other character as it is.
char32_t foldCase(char32_t c);
// A UTF-8 text with each character folded.
std::string foldCase(std::string_view utf8);

}  // namespace ui
