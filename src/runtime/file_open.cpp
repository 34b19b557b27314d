// The runtime's open: the checks every platform shares and the words for
// every way an open can fail, over the platform's system calls.
#include <string>

#include "runtime/byte_source.h"
#include "runtime/errors.h"
#include "runtime/platform.h"
#include "texts/texts.h"

namespace runtime {
namespace {

namespace fs = std::filesystem;

// What stands on the way to a file that could not be found: the first folder
// that does not exist, or a part of the path that exists but is a file.
struct Obstacle {
  fs::path missingFolder;
  bool fileInTheWay = false;
};

Obstacle obstacleBefore(const fs::path& path) {
  Obstacle obstacle;
  std::error_code error;
  for (fs::path folder = path.parent_path(); !folder.empty() && folder != folder.parent_path();
       folder = folder.parent_path()) {
    const fs::file_status status = fs::status(folder, error);
    if (fs::exists(status)) {
      obstacle.fileInTheWay = !fs::is_directory(status);
      if (obstacle.fileInTheWay) obstacle.missingFolder.clear();
      break;
    }
    obstacle.missingFolder = folder;
  }
  return obstacle;
}

[[noreturn]] void raiseRefusal(const fs::path& path, const platform::OpenOutcome& outcome) {
  using platform::OpenRefusal;
  switch (outcome.refusal) {
    case OpenRefusal::FileNotFound:
    case OpenRefusal::FolderNotFound: {
      const Obstacle obstacle = obstacleBefore(path);
      if (!obstacle.missingFolder.empty()) {
        throw RuntimeError(ErrorNumber::PathNotFound, texts::text(SPEECH_TEXT("file", "The folder %1 does not exist."),
                                                                  {quotedPath(obstacle.missingFolder)}));
      }
      if (obstacle.fileInTheWay) {
        throw RuntimeError(ErrorNumber::PathNotFound,
                           texts::text(SPEECH_TEXT("file", "A part of the path that should be a folder is a file.")));
      }
      if (outcome.refusal == OpenRefusal::FolderNotFound) {
        throw RuntimeError(ErrorNumber::PathNotFound,
                           texts::text(SPEECH_TEXT("file", "A folder on the way to the file does not exist.")));
      }
      throw RuntimeError(ErrorNumber::FileNotFound,
                         texts::text(SPEECH_TEXT("file", "There is no file with this name.")));
    }
    case OpenRefusal::NotAFolder:
      throw RuntimeError(ErrorNumber::PathNotFound,
                         texts::text(SPEECH_TEXT("file", "A part of the path that should be a folder is a file.")));
    case OpenRefusal::Folder:
      throw RuntimeError(ErrorNumber::PathFileAccessError,
                         texts::text(SPEECH_TEXT("file", "This is a folder, not a file.")));
    case OpenRefusal::Device:
      throw RuntimeError(ErrorNumber::PathFileAccessError,
                         texts::text(SPEECH_TEXT("file", "This is a device, pipe or socket, not a file.")));
    case OpenRefusal::NoPermission:
      throw RuntimeError(ErrorNumber::PermissionDenied,
                         texts::text(SPEECH_TEXT("file", "You do not have permission to read this file.")));
    case OpenRefusal::InUse:
      throw RuntimeError(
          ErrorNumber::PermissionDenied,
          texts::text(
              SPEECH_TEXT("file", "The file is in use: another program has it open and does not let others read it.")));
    case OpenRefusal::NameTooLong:
      throw RuntimeError(ErrorNumber::BadFileNameOrNumber, texts::text(SPEECH_TEXT("file", "The path is too long.")));
    case OpenRefusal::InvalidName:
      throw RuntimeError(ErrorNumber::BadFileNameOrNumber,
                         texts::text(SPEECH_TEXT("file", "The path is not a valid file name.")));
    case OpenRefusal::TooManyOpenFiles:
      throw RuntimeError(ErrorNumber::TooManyFiles,
                         texts::text(SPEECH_TEXT("file", "Too many files are open in this program or system.")));
    case OpenRefusal::Other: break;
  }
  // %1 is the system's own words for why.
  throw RuntimeError(ErrorNumber::PathFileAccessError,
                     texts::text(SPEECH_TEXT("file", "The file cannot be opened: %1."), {outcome.systemText}));
}

}  // namespace

std::unique_ptr<ByteSource> openFileReadOnly(const std::filesystem::path& path) {
  if (path.empty())
    throw RuntimeError(ErrorNumber::BadFileNameOrNumber, texts::text(SPEECH_TEXT("file", "The path is empty.")));
  if (path.native().find(fs::path::value_type{}) != fs::path::string_type::npos) {
    throw RuntimeError(
        ErrorNumber::BadFileNameOrNumber,
        texts::text(SPEECH_TEXT("file", "The path contains a zero character, which no file name can hold.")));
  }
  platform::OpenOutcome outcome = platform::openRegularFile(path);
  if (!outcome.source) raiseRefusal(path, outcome);
  return std::move(outcome.source);
}

void raiseReadError(std::uint64_t offset, const std::string& systemText) {
  throw RuntimeError(ErrorNumber::DeviceIOError,
                     texts::text(SPEECH_TEXT("file", "Reading the file failed at byte %1: %2."),
                                 {std::to_string(offset), systemText}));
}

}  // namespace runtime
