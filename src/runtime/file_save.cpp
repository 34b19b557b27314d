#include "runtime/file_save.h"

#include <random>
#include <string>

#include "runtime/errors.h"
#include "runtime/platform.h"

namespace runtime {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void raiseSaveError(ErrorNumber number, const fs::path& target, const std::string& why) {
  throw RuntimeError(number, "The file " + quotedPath(target) + " cannot be written: " + why + ".");
}

// Removes the temporary file unless it has been put in place.
class TemporaryFile {
 public:
  explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove(path_, ignored);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  void keep() { path_.clear(); }

 private:
  fs::path path_;
};

}  // namespace

void writeWholeFile(const fs::path& target, const std::function<void(const ByteWriter& write)>& produce) {
  if (target.empty() || !target.has_filename())
    raiseSaveError(ErrorNumber::BadFileNameOrNumber, target, "it names no file");
  std::random_device random;
  std::string systemText;
  std::unique_ptr<platform::NewFile> file;
  fs::path temporary;
  // A name nobody else uses, beside the target so that it can replace it in
  // one step.
  for (int attempt = 0; attempt < 10 && !file; ++attempt) {
    temporary = target;
    temporary.replace_filename(
        fs::path(u8"." + target.filename().u8string() + u8".saving-" + fs::path(std::to_string(random())).u8string()));
    file = platform::createNewFile(temporary, systemText);
  }
  if (!file) raiseSaveError(ErrorNumber::PathFileAccessError, target, systemText);
  TemporaryFile guard(temporary);
  produce([&](std::string_view bytes) {
    if (!file->write(bytes)) raiseSaveError(ErrorNumber::DeviceIOError, target, file->systemText());
  });
  if (!file->finish()) raiseSaveError(ErrorNumber::DeviceIOError, target, file->systemText());
  file.reset();
  if (!platform::replaceFile(temporary, target, systemText)) {
    raiseSaveError(ErrorNumber::PathFileAccessError, target, systemText);
  }
  guard.keep();
}

}  // namespace runtime
