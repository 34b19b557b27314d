// A list of results beside the main list, as both windows show it: a line
// that counts them, and rows that each stand for a row of the main list.
// Find all's lines and the Differences window's differences are both one.
// A window draws only the rows in view, so a list of any length is cheap.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace ui {

class ResultsList {
 public:
  virtual ~ResultsList() = default;

  virtual std::size_t size() const = 0;
  // The row `index` (below size()) in its shown form: no control character acts.
  virtual std::string row(std::size_t index) const = 0;
  // The main list's row that choosing it selects; none when the main list
  // has no row for it.
  virtual std::optional<std::size_t> mainRow(std::size_t index) const = 0;
  // How many there are, in a sentence ("3 lines hold "bank".").
  virtual std::string countText() const = 0;
};

}  // namespace ui
