#include "comparing/compare_files.h"

#include <new>
#include <stdexcept>

#include "comparing/both_at_once.h"
#include "runtime/errors.h"
#include "runtime/file_table.h"
#include "speechfile/get_action.h"
#include "texts/texts.h"

namespace comparing {
namespace {

// Entries kept between two reports of how far a file is read.
constexpr unsigned kTellEvery = 4096;

// Where the Get puts a file's entries: the store, telling the control how
// far the file is read, and ending the Get when the control asks. (A file
// that cannot be read does not end the other's Get, so that both files'
// problems are told, whichever comes first.)
class EntryKeeper final : public speechfile::LineList {
 public:
  EntryKeeper(FileEntries& entries, CompareControl* control, int file)
      : entries_(entries), control_(control), file_(file) {}

  void clear() override {}
  void opened(const speechfile::OpenedFile& file) override {
    try {
      entries_.expect(file.size);
    } catch (const std::bad_alloc&) {
      // The store grows as the entries come, up to what memory there is.
    }
    if (control_) control_->tellSize(file_, file.size);
  }
  void addItem(const speechfile::Entry& entry) override { keep(entry); }
  void skipEmpty(const speechfile::Entry& entry) override { keep(entry); }

 private:
  void keep(const speechfile::Entry& entry) {
    if (control_ && control_->stopAsked()) {
      throw runtime::RuntimeError(runtime::ErrorNumber::UserInterrupt,
                                  texts::text(SPEECH_TEXT("comparing", "The compare was stopped.")));
    }
    entries_.append(entry);
    if (control_ && ++sinceTold_ == kTellEvery) {
      sinceTold_ = 0;
      control_->tellRead(file_, entries_.byteSize());
    }
  }

  FileEntries& entries_;
  CompareControl* const control_;
  const int file_;
  unsigned sinceTold_ = 0;
};

// Reads the file at `path` into `entries` with a table of open files of its
// own, as the other file is read at the same time.
std::optional<speechfile::GetError> readFile(const std::filesystem::path& path, FileEntries& entries,
                                             CompareControl* control, int file) {
  runtime::FileTable files;
  speechfile::ReadingState state;
  EntryKeeper keeper(entries, control, file);
  try {
    speechfile::runGetAction(state, path, keeper, files);
  } catch (const speechfile::GetError& e) {
    return e;
  }
  if (control) control->tellRead(file, entries.byteSize());
  return std::nullopt;
}

bool wasStopped(const speechfile::GetError& error) {
  return error.cause().number() == runtime::ErrorNumber::UserInterrupt;
}

}  // namespace

CompareOutcome compareFiles(const std::filesystem::path& oldPath, const std::filesystem::path& newPath,
                            CompareControl* control, const DiffLimits& limits) {
  CompareOutcome outcome;
  try {
    ComparedFiles files;
    std::optional<speechfile::GetError> oldError, newError;
    runBothAtOnce([&] { oldError = readFile(oldPath, files.oldEntries, control, 0); },
                  [&] { newError = readFile(newPath, files.newEntries, control, 1); });
    for (const auto* error : {&oldError, &newError}) {
      if (*error && !wasStopped(**error)) outcome.failures.push_back((*error)->what());
    }
    if (!outcome.failures.empty()) return outcome;
    if (oldError || newError) {
      outcome.stopped = true;
      return outcome;
    }
    files.comparison = compareEntries(files.oldEntries, files.newEntries, control, limits);
    outcome.compared = std::move(files);
  } catch (const CompareStopped&) {
    outcome.stopped = true;
  } catch (const std::length_error& e) {
    outcome.failures.assign(1, runtime::errorText(runtime::ErrorNumber::OutOfMemory, e.what()));
  } catch (const std::bad_alloc&) {
    outcome.failures.assign(
        1, runtime::errorText(runtime::ErrorNumber::OutOfMemory, "There is not enough memory to compare the files."));
  }
  return outcome;
}

}  // namespace comparing
