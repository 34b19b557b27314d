#include "ui/common/line_store.h"

#include <new>

#include "listing/list_line.h"
#include "listing/memory_reserve.h"
#include "runtime/errors.h"
#include "texts/texts.h"

namespace ui {

LineStore::LineStore() : entries_(listing::memory_reserve::roomForLines()) { listing::memory_reserve::keep(); }

void LineStore::clear() {
  // The entries' memory goes first, so that the new store's reserve and
  // room are measured without it.
  entries_.clear();
  const bool weighUtf8 = weighUtf8_;
  *this = LineStore();
  weighUtf8_ = weighUtf8;
}

template <typename Store>
void LineStore::storeOrRelease(Store store) {
  try {
    store();
  } catch (const std::bad_alloc&) {
    listing::memory_reserve::release();
    throw;
  }
}

void LineStore::addItem(const speechfile::Entry& entry) {
  if (rowCount() >= kMaxRows) {
    throw runtime::RuntimeError(runtime::ErrorNumber::OutOfMemory,
                                texts::text(SPEECH_TEXT("window", "The list cannot hold more than %1 lines."),
                                            {texts::Argument::count(kMaxRows)}));
  }
  storeOrRelease([&] { entries_.addItem(entry); });
  if (weighUtf8_) utf8_.see(entry.text);
}

void LineStore::skipEmpty(const speechfile::Entry& entry) {
  storeOrRelease([&] { entries_.skipEmpty(entry); });
}

void LineStore::opened(const speechfile::OpenedFile& file) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(file.path, error);
  source_ = Source{error ? file.path : absolute.lexically_normal(), file.identity, std::nullopt};
  // Asked of the name right after the open: kept only when it names the
  // file opened, so that a file replaced meanwhile counts as changed.
  std::optional<runtime::ReplacedFile> facts = runtime::platform::fileFacts(file.path);
  if (facts && file.identity && facts->identity == *file.identity) source_->facts = facts;
}

std::string_view LineStore::line(std::size_t index, Scratch& scratch, runtime::Encoding encoding) const {
  const Row r = row(index, scratch);
  return listing::formatListLine(scratch.line, r.id, r.text, encoding);
}

}  // namespace ui
