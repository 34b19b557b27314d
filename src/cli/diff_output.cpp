#include "cli/diff_output.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <vector>

#include "listing/export_formats.h"
#include "listing/list_line.h"
#include "listing/shown_text.h"
#include "runtime/errors.h"
#include "runtime/platform.h"
#include "speechfile/record.h"

namespace {

using comparing::Change;
using comparing::Run;

// Output gathered into writes of about this size.
constexpr std::size_t kWriteBytes = std::size_t{1} << 20;

// The changes between two runs of the same: the old entries
// [oldStart, oldEnd) replaced by the new [newStart, newEnd).
struct Changes {
  std::size_t oldStart, oldEnd, newStart, newEnd;
};

std::vector<Changes> changesBetweenSame(const std::vector<Run>& runs) {
  std::vector<Changes> all;
  bool open = false;
  for (const Run& run : runs) {
    if (run.change == Change::Same) {
      open = false;
      continue;
    }
    if (!open) all.push_back({run.oldStart, run.oldStart, run.newStart, run.newStart});
    open = true;
    all.back().oldEnd = run.oldStart + run.oldCount();
    all.back().newEnd = run.newStart + run.newCount();
  }
  return all;
}

// A hunk's range in one file, as a unified diff gives it: the first line's
// number and the count, the count left out when it is 1, and the number of
// the line before when there is none.
std::string hunkRange(std::size_t start, std::size_t count) {
  if (count == 1) return std::to_string(start + 1);
  return std::to_string(count == 0 ? start : start + 1) + "," + std::to_string(count);
}

// Where the entry `index` starts, or the file's end for the entry after the last.
std::uint64_t offsetOf(const comparing::FileEntries& entries, std::size_t index) {
  return index < entries.size() ? entries.entry(index).offset : entries.byteSize();
}

std::string_view changeName(Change change) {
  switch (change) {
    case Change::Removed: return "removed";
    case Change::Added: return "added";
    case Change::Changed: return "changed";
    case Change::Same: break;
  }
  return "same";
}

// The listing's row of an entry in csv or json, without its line end.
void appendEntryFields(std::string& out, listing::ExportFormat format, const speechfile::Entry& entry,
                       runtime::Encoding encoding) {
  listing::appendEntry(out, format, entry, encoding);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
}

// The listing's csv columns, without the line end.
std::string listingHeader() {
  std::string columns = listing::exportHeader(listing::ExportFormat::Csv);
  while (!columns.empty() && (columns.back() == '\n' || columns.back() == '\r')) columns.pop_back();
  return columns;
}

std::size_t listingColumns() {
  const std::string header = listingHeader();
  return static_cast<std::size_t>(std::count(header.begin(), header.end(), ',')) + 1;
}

// csv's header: the change, then the listing's columns for each file.
std::string csvHeader() {
  const std::string columns = listingHeader();
  std::string oldColumns = "old_", newColumns = "new_";
  for (const char c : columns) {
    oldColumns += c;
    newColumns += c;
    if (c == ',') oldColumns += "old_", newColumns += "new_";
  }
  return "change," + oldColumns + "," + newColumns + "\r\n";
}

}  // namespace

DiffOutput::DiffOutput(DiffFormat format, std::size_t context, runtime::Encoding encoding)
    : format_(format), context_(context), encoding_(encoding) {
  pending_.reserve(kWriteBytes);
}

bool DiffOutput::write(const comparing::ComparedFiles& files, const std::filesystem::path& oldPath,
                       const std::filesystem::path& newPath) {
  if (format_ == DiffFormat::Unified)
    writeUnified(files, oldPath, newPath);
  else
    writeRows(files);
  flush(true);
  if (writeError_ == 0 && std::fflush(stdout) != 0) writeError_ = errno ? errno : EIO;
  return writeError_ == 0;
}

void DiffOutput::writeUnified(const comparing::ComparedFiles& files, const std::filesystem::path& oldPath,
                              const std::filesystem::path& newPath) {
  const std::vector<Changes> all = changesBetweenSame(files.comparison.runs);
  if (all.empty()) return;
  pending_ += "--- " + listing::shownText(runtime::pathText(oldPath)) + "\n";
  pending_ += "+++ " + listing::shownText(runtime::pathText(newPath)) + "\n";
  const comparing::FileEntries& oldEntries = files.oldEntries;
  const comparing::FileEntries& newEntries = files.newEntries;
  for (std::size_t first = 0; first < all.size() && writeError_ == 0;) {
    // A hunk holds the changes whose context would meet.
    std::size_t last = first;
    while (last + 1 < all.size() && all[last + 1].oldStart - all[last].oldEnd <= 2 * context_) ++last;
    const std::size_t sameBefore = all[first].oldStart - (first == 0 ? 0 : all[first - 1].oldEnd);
    const std::size_t sameAfter =
        (last + 1 < all.size() ? all[last + 1].oldStart : oldEntries.size()) - all[last].oldEnd;
    const std::size_t before = std::min(context_, sameBefore), after = std::min(context_, sameAfter);
    const std::size_t oldStart = all[first].oldStart - before, newStart = all[first].newStart - before;
    const std::size_t oldCount = all[last].oldEnd + after - oldStart, newCount = all[last].newEnd + after - newStart;
    pending_ += "@@ -" + hunkRange(oldStart, oldCount) + " +" + hunkRange(newStart, newCount) + " @@ old byte " +
                std::to_string(offsetOf(oldEntries, oldStart)) + ", new byte " +
                std::to_string(offsetOf(newEntries, newStart)) + "\n";
    std::size_t at = oldStart;  // the next old entry to show as context
    for (std::size_t c = first; c <= last; ++c) {
      for (; at < all[c].oldStart; ++at) appendLine(' ', oldEntries.entry(at));
      for (std::size_t i = all[c].oldStart; i < all[c].oldEnd; ++i) appendLine('-', oldEntries.entry(i));
      for (std::size_t j = all[c].newStart; j < all[c].newEnd; ++j) appendLine('+', newEntries.entry(j));
      at = all[c].oldEnd;
    }
    for (; at < all[last].oldEnd + after; ++at) appendLine(' ', oldEntries.entry(at));
    first = last + 1;
  }
}

void DiffOutput::writeRows(const comparing::ComparedFiles& files) {
  if (format_ == DiffFormat::Csv) pending_ += csvHeader();
  const comparing::Differences differences(files.comparison);
  for (std::size_t d = 0; d < differences.size() && writeError_ == 0; ++d) {
    const comparing::Differences::Difference difference = differences[d];
    std::optional<speechfile::Entry> oldEntry, newEntry;
    if (difference.change != Change::Added) oldEntry = files.oldEntries.entry(difference.oldEntry);
    if (difference.change != Change::Removed) newEntry = files.newEntries.entry(difference.newEntry);
    appendRow(changeName(difference.change), oldEntry, newEntry);
  }
}

void DiffOutput::appendRow(std::string_view change, const std::optional<speechfile::Entry>& oldEntry,
                           const std::optional<speechfile::Entry>& newEntry) {
  if (format_ == DiffFormat::Csv) {
    pending_ += change;
    for (const auto* entry : {&oldEntry, &newEntry}) {
      pending_ += ',';
      if (*entry)
        appendEntryFields(pending_, listing::ExportFormat::Csv, **entry, encoding_);
      else
        pending_.append(listingColumns() - 1, ',');  // an entry there is not: every field empty
    }
    pending_ += "\r\n";
  } else {
    pending_ += "{\"change\":\"";
    pending_ += change;
    pending_ += "\"";
    for (const auto& [key, entry] : {std::pair{",\"old\":", &oldEntry}, std::pair{",\"new\":", &newEntry}}) {
      pending_ += key;
      if (*entry)
        appendEntryFields(pending_, listing::ExportFormat::Json, **entry, encoding_);
      else
        pending_ += "null";
    }
    pending_ += "}\n";
  }
  flush();
}

void DiffOutput::appendLine(char mark, const speechfile::Entry& entry) {
  const std::size_t at = pending_.size();
  pending_.resize(at + 2 + listing::maxListLineSize(0) + listing::maxShownAnsiTextSize(entry.text.size()));
  char* out = pending_.data() + at;
  *out++ = mark;
  out = listing::writeListLineWith(
      out, entry.id, [&](char* text) { return listing::writeShownAnsiText(text, entry.text, encoding_); });
  *out++ = '\n';
  pending_.resize(static_cast<std::size_t>(out - pending_.data()));
  flush();
}

void DiffOutput::flush(bool atEnd) {
  if (pending_.size() < kWriteBytes && !atEnd) return;
  if (writeError_ == 0 && !pending_.empty() && !runtime::writeUtf8(stdout, pending_)) writeError_ = errno ? errno : EIO;
  pending_.clear();
}
