// Save list as...: the listed lines written to a file the user names, in
// the format its name asks for (export_formats.h), whole or not at all.
#pragma once

#include <filesystem>

#include "ui/common/line_store.h"

namespace ui {

// Writes every row of `lines` to `target`. Refuses to write over
// `speechFile`, the file the lines were read from. Raises a RuntimeError
// with a message in plain words when the file cannot be written.
void saveList(const LineStore& lines, const std::filesystem::path& target, const std::filesystem::path& speechFile);

}  // namespace ui
