// Writing a file whole or not at all: the bytes go into a new file beside
// the target, which then takes the target's place in one step. A failure
// leaves whatever was at the target as it was, and no temporary file behind.
// A symbolic link is followed; the replaced file keeps its mode and, where
// the system allows, its owner; a read-only file is refused; a file with
// other names (hard links) is written in place, so every name shows the new
// content (see platform.h, FileReplacement).
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace runtime {

// Hands `produce` a function that writes bytes, then puts the written file at
// `target`. Raises a RuntimeError that says in plain words why the file
// cannot be written (DeviceIOError for a failed write; PermissionDenied for a
// read-only file, a file or folder the user may not write, a file in use;
// PathNotFound for a missing folder; PathFileAccessError for a folder, a
// device and the rest). What `produce` raises goes through, with the
// temporary file removed.
using ByteWriter = std::function<void(std::string_view bytes)>;
void writeWholeFile(const std::filesystem::path& target, const std::function<void(const ByteWriter& write)>& produce);

}  // namespace runtime
