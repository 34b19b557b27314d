#include "ui/common/differences.h"

#include <system_error>
#include <utility>

#include "listing/list_line.h"
#include "listing/shown_text.h"
#include "runtime/errors.h"
#include "runtime/platform.h"
#include "texts/texts.h"

namespace ui {
namespace {

std::string shownName(const std::filesystem::path& file) {
  return listing::shownText(runtime::pathText(file.filename()));
}

}  // namespace

DifferenceList::DifferenceList(comparing::ComparedFiles files, std::filesystem::path oldFile, const LineStore& lines,
                               const runtime::Encoding& encoding)
    : files_(std::move(files)),
      differences_(files_.comparison),
      oldFile_(std::move(oldFile)),
      lines_(lines),
      encoding_(encoding) {}

std::string DifferenceList::entryLine(const comparing::FileEntries& entries, std::size_t entry) const {
  std::string scratch;
  const speechfile::Entry e = entries.entry(entry);
  return listing::shownText(listing::formatListLine(scratch, e.id, e.text, encoding_));
}

std::string DifferenceList::row(std::size_t index) const {
  const comparing::Differences::Difference d = differences_[index];
  switch (d.change) {
    case comparing::Change::Removed:
      return texts::text(SPEECH_TEXT("differences", "Removed: %1"), {entryLine(files_.oldEntries, d.oldEntry)});
    case comparing::Change::Added:
      return texts::text(SPEECH_TEXT("differences", "Added: %1"), {entryLine(files_.newEntries, d.newEntry)});
    default:
      return texts::text(SPEECH_TEXT("differences", "Changed: %1 \u2192 %2"),
                         {entryLine(files_.oldEntries, d.oldEntry), entryLine(files_.newEntries, d.newEntry)});
  }
}

std::optional<std::size_t> DifferenceList::rowAtOrAfter(std::size_t entry) const {
  const model::SpeechModel& model = lines_.entries();
  std::size_t low = 0, high = model.rowCount();
  if (high == 0) return std::nullopt;
  // Rows stand in the order of their entries.
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (model.entryOfRow(middle) < entry) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low < model.rowCount() ? low : model.rowCount() - 1;
}

std::optional<std::size_t> DifferenceList::mainRow(std::size_t index) const {
  // A removed entry selects the row it stood before; an entry without
  // text, which is no row, the row after it.
  return rowAtOrAfter(differences_[index].newEntry);
}

std::string DifferenceList::countText() const {
  const std::string name = shownName(oldFile_);
  if (files_.comparison.same()) {
    return texts::text(SPEECH_TEXT("differences", "Compared with %1: the files hold the same entries."), {name});
  }
  const comparing::Comparison::Counts counts = files_.comparison.counts();
  std::string text = texts::text(SPEECH_TEXT("differences", "Compared with %1: %2 removed, %3 added, %4 changed."),
                                 {name, texts::Argument::count(counts.removed), texts::Argument::count(counts.added),
                                  texts::Argument::count(counts.changed)});
  if (!files_.comparison.fewest) {
    text += ' ';
    text += texts::text(SPEECH_TEXT("differences",
                                    "The files differ in many places close together, so these may be more "
                                    "than the fewest differences there are."));
  }
  return text;
}

DifferenceList::Step DifferenceList::step(FindDirection direction, std::optional<std::size_t> current,
                                          std::optional<std::size_t> mainRow) const {
  const std::size_t count = size();
  const bool next = direction == FindDirection::Next;
  const auto none = [next] {
    return Step{std::nullopt, next
                                  ? texts::text(SPEECH_TEXT("differences", "There is no difference after this one."))
                                  : texts::text(SPEECH_TEXT("differences", "There is no difference before this one."))};
  };
  if (count == 0) return {std::nullopt, texts::text(SPEECH_TEXT("differences", "The files hold the same entries."))};
  std::size_t at;  // the difference to go to, or count for none
  if (current && *current < count && (!mainRow || this->mainRow(*current) == mainRow)) {
    at = next ? *current + 1 : (*current == 0 ? count : *current - 1);
  } else if (!mainRow || *mainRow >= lines_.rowCount()) {
    at = next ? 0 : count - 1;
  } else {
    const std::size_t entry = lines_.entries().entryOfRow(*mainRow);
    if (next) {
      at = differences_.firstAtOrAfter(entry + 1);
    } else {
      // Entries removed just before the row's entry stand before it; a
      // change or addition of that entry is the row itself.
      std::size_t after = differences_.firstAtOrAfter(entry);
      while (after < count && differences_[after].newEntry == entry &&
             differences_[after].change == comparing::Change::Removed)
        ++after;
      at = after == 0 ? count : after - 1;
    }
  }
  if (at >= count) return none();
  return {at, {}};
}

// ---- The compare's thread

CompareTask::CompareTask(const std::filesystem::path& oldFile, const std::filesystem::path& newFile) {
  try {
    running_ = std::async(std::launch::async,
                          [this, oldFile, newFile] { return comparing::compareFiles(oldFile, newFile, &control_); });
  } catch (const std::system_error&) {
    // No thread to be had: the compare runs here, and has ended when it returns.
    std::promise<comparing::CompareOutcome> ran;
    ran.set_value(comparing::compareFiles(oldFile, newFile, &control_));
    running_ = ran.get_future();
  }
}

CompareTask::~CompareTask() {
  if (!running_.valid()) return;
  control_.stop();
  running_.wait();
}

bool CompareTask::wait(std::chrono::milliseconds timeout) const {
  return !running_.valid() || running_.wait_for(timeout) == std::future_status::ready;
}

comparing::CompareOutcome CompareTask::end() {
  if (!running_.valid()) return {};
  return running_.get();
}

CompareProgressText compareProgressText(const comparing::CompareControl::Progress& progress,
                                        const std::filesystem::path& oldFile, int steps) {
  const std::string name = shownName(oldFile);
  std::optional<int> step;
  if (progress.total > 0 && progress.done <= progress.total)
    step = static_cast<int>(progress.done * static_cast<std::uint64_t>(steps) / progress.total);
  if (progress.stage == comparing::CompareControl::Stage::Matching) {
    return {texts::text(SPEECH_TEXT("differences", "Comparing with %1: matching the entries"), {name}), step};
  }
  constexpr std::uint64_t kMB = 1000 * 1000;
  return {texts::text(SPEECH_TEXT("differences", "Comparing with %1: reading both files, %2 of %3 MB"),
                      {name, runtime::groupedNumber(progress.done / kMB),
                       runtime::groupedNumber((progress.total + kMB - 1) / kMB)}),
          step};
}

}  // namespace ui
