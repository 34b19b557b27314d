// speechdiff's output of two compared files, on standard output:
//
//   diff  a unified diff of the list lines in their shown form, every entry
//         one line ("ID: 2A Text: hail"; an entry without text has an empty
//         text), with `context` lines of context; hunk headers give the
//         entry numbers in each file, then the byte offsets of the hunk's
//         first entries: "@@ -4,7 +4,8 @@ old byte 60, new byte 60"
//   csv   one row per difference under the header change,old_offset,
//         old_id,...,new_text: the change (removed, added, changed) and each
//         entry's fields as speechlist --format csv gives them, empty for
//         an entry there is not
//   json  JSON Lines: {"change":"changed","old":{...},"new":{...}}, each
//         entry as speechlist --format json gives it, null for none
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "comparing/compare_files.h"
#include "runtime/encoding.h"

enum class DiffFormat { Unified, Csv, Json };

class DiffOutput {
 public:
  DiffOutput(DiffFormat format, std::size_t context, runtime::Encoding encoding);

  // Writes the differences of the files compared. Returns false when a
  // write failed; writeError() then tells the system's error.
  bool write(const comparing::ComparedFiles& files, const std::filesystem::path& oldPath,
             const std::filesystem::path& newPath);
  int writeError() const { return writeError_; }

 private:
  void writeUnified(const comparing::ComparedFiles& files, const std::filesystem::path& oldPath,
                    const std::filesystem::path& newPath);
  void writeRows(const comparing::ComparedFiles& files);
  void appendRow(std::string_view change, const std::optional<speechfile::Entry>& oldEntry,
                 const std::optional<speechfile::Entry>& newEntry);
  void appendLine(char mark, const speechfile::Entry& entry);
  // Hands what is pending to the system once there is enough of it, or at
  // the end; nothing more is written after a write failed.
  void flush(bool atEnd = false);

  const DiffFormat format_;
  const std::size_t context_;
  const runtime::Encoding encoding_;
  std::string pending_;
  int writeError_ = 0;
};
