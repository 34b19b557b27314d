// Save list as...: the listed lines written to a file the user names, in
// the format its name asks for (export_formats.h), whole or not at all.
#pragma once

#include <filesystem>

#include "runtime/encoding.h"
#include "ui/common/line_store.h"

namespace ui {

// Writes every row of `lines`, its text read in `encoding`, to `target`. Never writes over the speech file
// the rows come from (lines.source()): refuses a target that is that file
// under any name (a link, a moved or renamed folder, a bind mount) and one
// that names the path it was read from, even when the file is no longer
// there. Raises a RuntimeError with a message in plain words when the file
// cannot be written.
void saveList(const LineStore& lines, const std::filesystem::path& target,
              runtime::Encoding encoding = runtime::Encoding::systemDefault());

}  // namespace ui
