#include "ui/common/save_list.h"

#include "runtime/errors.h"
#include "runtime/file_save.h"
#include "ui/common/export_formats.h"

namespace ui {
namespace {

namespace fs = std::filesystem;

bool isSameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::equivalent(a, b, error) || (!error && a.lexically_normal() == b.lexically_normal());
}

}  // namespace

void saveList(const LineStore& lines, const fs::path& target, const fs::path& speechFile) {
  if (!speechFile.empty() && isSameFile(target, speechFile)) {
    throw runtime::RuntimeError(runtime::ErrorNumber::PermissionDenied,
                                "This is the speech file the lines come from; the list is not saved over it.");
  }
  const std::u8string name = target.filename().u8string();
  const ExportFormat format = exportFormatForFileName(std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
  runtime::writeWholeFile(target, [&](const runtime::ByteWriter& write) {
    std::string pending = exportHeader(format);
    LineStore::Scratch scratch;
    lines.forEachRow(0, scratch, [&](std::size_t, const LineStore::Row& row) {
      appendEntry(pending, format, speechfile::Entry{row.offset, row.id, row.text});
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
