// Compare with: the listed file compared with another, on a thread of its
// own, and the differences as a results list for the Differences window.
// The listed file is the new one: each difference selects the main list's
// row of its new entry.
#pragma once

#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <string>

#include "comparing/compare_files.h"
#include "runtime/encoding.h"
#include "ui/common/find_line.h"
#include "ui/common/line_store.h"
#include "ui/common/results_list.h"

namespace ui {

// The differences of a compare, one row each: "Removed: ID: 2 Text: hello",
// "Added: ...", "Changed: <old line> → <new line>", in file order.
class DifferenceList final : public ResultsList {
 public:
  // Over the compared files and the main list's `lines` (the new file's,
  // shown in `encoding`), which outlive the list.
  DifferenceList(comparing::ComparedFiles files, std::filesystem::path oldFile, const LineStore& lines,
                 const runtime::Encoding& encoding);

  std::size_t size() const override { return differences_.size(); }
  std::string row(std::size_t index) const override;
  std::optional<std::size_t> mainRow(std::size_t index) const override;
  std::string countText() const override;

  const comparing::Differences& differences() const { return differences_; }

  // F7 and Shift+F7: the difference after (before) the one that is current,
  // while the main list's current row is still its own; otherwise the first
  // after (last before) the main list's current row. None at the end, with
  // what to say.
  struct Step {
    std::optional<std::size_t> index;
    std::string message;
  };
  Step step(FindDirection direction, std::optional<std::size_t> current, std::optional<std::size_t> mainRow) const;

 private:
  std::string entryLine(const comparing::FileEntries& entries, std::size_t entry) const;
  // The first row whose entry is `entry` or after it, else the last row.
  std::optional<std::size_t> rowAtOrAfter(std::size_t entry) const;

  comparing::ComparedFiles files_;
  comparing::Differences differences_;
  std::filesystem::path oldFile_;
  const LineStore& lines_;
  const runtime::Encoding& encoding_;
};

// A compare of two files running on a thread of its own. Ending it (or the
// task going) stops it and waits.
class CompareTask {
 public:
  CompareTask(const std::filesystem::path& oldFile, const std::filesystem::path& newFile);
  ~CompareTask();
  CompareTask(const CompareTask&) = delete;
  CompareTask& operator=(const CompareTask&) = delete;

  // Waits up to `timeout`; true once the compare has ended.
  bool wait(std::chrono::milliseconds timeout) const;
  comparing::CompareControl::Progress progress() const { return control_.progress(); }
  void stop() { control_.stop(); }
  // Waits for the compare to end and gives its outcome, once.
  comparing::CompareOutcome end();

 private:
  comparing::CompareControl control_;
  std::future<comparing::CompareOutcome> running_;
};

// What a long compare's progress window shows: the text, and how far it has
// come in `steps` (none while the files' sizes are not known).
struct CompareProgressText {
  std::string text;
  std::optional<int> step;
};
CompareProgressText compareProgressText(const comparing::CompareControl::Progress& progress,
                                        const std::filesystem::path& oldFile, int steps);

}  // namespace ui
