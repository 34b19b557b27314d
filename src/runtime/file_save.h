// Writing a file whole or not at all: the bytes go into a new file beside
// the target, which then takes the target's place in one step. A failure
// leaves whatever was at the target as it was, and no temporary file behind.
// A symbolic link is followed; the replaced file keeps its mode and, where
// the system allows, its owner; a read-only file is refused; a file with
// other names (hard links) is written in place, so every name shows the new
// content (see platform.h, FileReplacement).
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "runtime/byte_source.h"

namespace runtime {

// What a save knows of the file it is about to replace.
struct ReplacedFile {
  FileIdentity identity;
  std::uint64_t size = 0;
  std::chrono::sys_time<std::chrono::nanoseconds> modified;  // the last change of its content
  friend bool operator==(const ReplacedFile&, const ReplacedFile&) = default;
};

// Called by a save with the file it is about to replace, or none when no
// file is there and the save makes one: once before anything is written,
// and again right before the new content takes the file's place, with what
// an open handle on the very file then replaced says (whatever name the
// system resolved the target to). Refuses the save by raising a
// RuntimeError, which goes through writeWholeFile with nothing changed.
using ReplaceCheck = std::function<void(const std::optional<ReplacedFile>& replaced)>;

// Hands `produce` a function that writes bytes, then puts the written file at
// `target`, if `check` (when given) lets it. Raises a RuntimeError that says in plain
// words why the file cannot be written (DeviceIOError for a failed write;
// PermissionDenied for a read-only file, a file or folder the user may not
// write, a file in use; PathNotFound for a missing folder;
// BadFileNameOrNumber for a name the system would not keep as it stands;
// PathFileAccessError for a folder, a device and the rest). What `produce`
// or `check` raises goes through, with the temporary file removed.
using ByteWriter = std::function<void(std::string_view bytes)>;
using Producer = std::function<void(const ByteWriter& write)>;
void writeWholeFile(const std::filesystem::path& target, const ReplaceCheck& check, const Producer& produce);
inline void writeWholeFile(const std::filesystem::path& target, const Producer& produce) {
  writeWholeFile(target, ReplaceCheck{}, produce);
}

}  // namespace runtime
