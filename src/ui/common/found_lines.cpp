#include "ui/common/found_lines.h"

#include "listing/shown_text.h"
#include "texts/texts.h"

namespace ui {

void FoundLines::findAll(const FindRequest& request) {
  clear();
  if (request.text.empty()) return;  // nothing sought
  text_ = request.text;
  sought_ = true;
  LineMatcher matcher(request, encoding_);
  if (!matcher.canMatch()) return;
  try {
    LineStore::Scratch scratch;
    lines_.forEachRow(0, scratch, [&](std::size_t index, const LineStore::Row& row) {
      if (matcher.matches(row)) rows_.push_back(static_cast<std::uint32_t>(index));
      return true;
    });
  } catch (...) {
    rows_ = {};
    throw;
  }
}

void FoundLines::clear() {
  rows_ = {};
  text_.clear();
  sought_ = false;
}

std::string FoundLines::row(std::size_t index) const {
  LineStore::Scratch scratch;
  return listing::shownText(lines_.line(rows_[index], scratch, encoding_));
}

std::string FoundLines::countText() const {
  if (!sought_) return {};
  const std::string text = listing::shownText(text_);
  if (rows_.empty()) return texts::text(SPEECH_TEXT("find", "No line holds \"%1\"."), {text});
  return texts::text(SPEECH_TEXT_N("find", "%n lines hold \"%1\".", "%n line holds \"%1\"."), rows_.size(), {text});
}

}  // namespace ui
