#include "ui/common/save_list.h"

#include "listing/export_formats.h"
#include "runtime/errors.h"
#include "runtime/file_save.h"
#include "runtime/platform.h"
#include "texts/texts.h"

namespace ui {
namespace {

namespace fs = std::filesystem;

// The path as a name to compare: absolute and normalised, and with the
// links of its folders followed where they exist.
struct Names {
  fs::path lexical;
  fs::path resolved;
};

Names namesOf(const fs::path& path) {
  std::error_code error;
  Names names{fs::absolute(path, error).lexically_normal(), {}};
  if (error) names.lexical = path.lexically_normal();
  names.resolved = fs::weakly_canonical(names.lexical, error);
  if (error) names.resolved = names.lexical;
  return names;
}

// Whether `target` names where the speech file was read from, spelt in
// any way, whether or not the file is still there.
bool namesTheSpeechFile(const fs::path& target, const LineStore::Source& source) {
  const Names targetNames = namesOf(target);
  const Names sourceNames = namesOf(source.path);
  using runtime::platform::sameName;
  return sameName(targetNames.lexical, sourceNames.lexical) || sameName(targetNames.resolved, sourceNames.lexical) ||
         sameName(targetNames.lexical, sourceNames.resolved) || sameName(targetNames.resolved, sourceNames.resolved);
}

[[noreturn]] void refuseTheSpeechFile() {
  throw runtime::RuntimeError(runtime::ErrorNumber::PermissionDenied,
                              texts::text(SPEECH_TEXT("window",
                                                      "This is the speech file the lines come from; the list is "
                                                      "not saved over it.")));
}

// Refuses to replace the speech file under whatever name the system
// resolves the target to: the save hands this the file it is about to
// replace, read from that very file.
runtime::ReplaceCheck notTheSpeechFile(const std::optional<LineStore::Source>& source) {
  if (!source || !source->identity) return {};
  return [identity = *source->identity](const std::optional<runtime::ReplacedFile>& replaced) {
    if (replaced && replaced->identity == identity) refuseTheSpeechFile();
  };
}

}  // namespace

void saveList(const LineStore& lines, const fs::path& target, runtime::Encoding encoding) {
  if (lines.source() && namesTheSpeechFile(target, *lines.source())) refuseTheSpeechFile();
  const listing::ExportFormat format = listing::exportFormatForFileName(runtime::pathText(target.filename()));
  runtime::writeWholeFile(target, notTheSpeechFile(lines.source()), [&](const runtime::ByteWriter& write) {
    std::string pending = listing::exportHeader(format);
    LineStore::Scratch scratch;
    lines.forEachRow(0, scratch, [&](std::size_t, const LineStore::Row& row) {
      listing::appendEntry(pending, format, speechfile::Entry{row.offset, row.id, row.text}, encoding);
      if (pending.size() >= (std::size_t{1} << 20)) {
        write(pending);
        pending.clear();
      }
      return true;
    });
    write(pending);
  });
}

}  // namespace ui
