// Find all: every row of the main list whose shown line holds a text, by
// the rules of Find next (find_line.h), kept as row numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/encoding.h"
#include "ui/common/find_line.h"
#include "ui/common/line_store.h"
#include "ui/common/results_list.h"

namespace ui {

class FoundLines final : public ResultsList {
 public:
  // Over the rows of `lines`, shown in `encoding`; both outlive the list.
  FoundLines(const LineStore& lines, const runtime::Encoding& encoding) : lines_(lines), encoding_(encoding) {}

  // Looks for every row that holds the request's text, in file order. Raises
  // std::bad_alloc, the list then being empty.
  void findAll(const FindRequest& request);
  // No rows, and nothing sought: the rows they stood for are gone.
  void clear();
  bool sought() const { return sought_; }

  std::size_t size() const override { return rows_.size(); }
  std::string row(std::size_t index) const override;
  std::optional<std::size_t> mainRow(std::size_t index) const override { return rows_[index]; }
  std::string countText() const override;

 private:
  const LineStore& lines_;
  const runtime::Encoding& encoding_;
  std::string text_;
  bool sought_ = false;
  std::vector<std::uint32_t> rows_;  // rows are below LineStore::kMaxRows
};

}  // namespace ui
