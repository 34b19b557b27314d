#include "runtime/file_save.h"

#include <algorithm>
#include <random>
#include <string>

#include "runtime/errors.h"
#include "runtime/platform.h"
#include "texts/texts.h"

namespace runtime {
namespace {

namespace fs = std::filesystem;

// This program's mark, so that a later save removes only what a save of
// its own left.
constexpr std::string_view kTemporaryPrefix = ".speechviewer-saving-";
constexpr std::size_t kTemporaryDigits = 16;

// Each message names the file as %1, and some a second path or reason as %2.
[[noreturn]] void raiseSaveError(ErrorNumber number, const fs::path& target, const texts::Source& why) {
  throw RuntimeError(number, texts::text(why, {quotedPath(target)}));
}

[[noreturn]] void raiseSaveError(ErrorNumber number, const fs::path& target, const texts::Source& why,
                                 const std::string& second) {
  throw RuntimeError(number, texts::text(why, {quotedPath(target), second}));
}

// A reason in the system's own words (%2).
[[noreturn]] void raiseSystemError(ErrorNumber number, const fs::path& target, const std::string& why) {
  raiseSaveError(number, target, SPEECH_TEXT("file", "The file %1 cannot be written: %2."), why);
}

[[noreturn]] void raiseProblem(const fs::path& target, const platform::SaveProblem& problem) {
  using platform::SaveRefusal;
  const std::string folder = quotedPath(problem.folder);
  switch (problem.refusal) {
    case SaveRefusal::Folder:
      raiseSaveError(ErrorNumber::PathFileAccessError, target,
                     SPEECH_TEXT("file", "The file %1 cannot be written: it is a folder."));
    case SaveRefusal::Device:
      raiseSaveError(ErrorNumber::PathFileAccessError, target,
                     SPEECH_TEXT("file", "The file %1 cannot be written: it is a device, pipe or socket, not a file."));
    case SaveRefusal::ReadOnly:
      raiseSaveError(ErrorNumber::PermissionDenied, target,
                     SPEECH_TEXT("file", "The file %1 cannot be written: it is read-only."));
    case SaveRefusal::NoPermission:
      raiseSaveError(ErrorNumber::PermissionDenied, target,
                     SPEECH_TEXT("file", "The file %1 cannot be written: you do not have permission to write to it."));
    case SaveRefusal::FolderNotWritable:
      if (problem.fileExists) {
        raiseSaveError(ErrorNumber::PermissionDenied, target,
                       SPEECH_TEXT("file",
                                   "The file %1 cannot be written: you may write to the file but not make files in "
                                   "its folder %2, where the new content is first written whole before it takes the "
                                   "file's place."),
                       {folder});
      }
      raiseSaveError(
          ErrorNumber::PermissionDenied, target,
          SPEECH_TEXT("file",
                      "The file %1 cannot be written: you do not have permission to make files in the folder %2."),
          {folder});
    case SaveRefusal::FolderNotFound: {
      // A folder that is there and still takes no file of that name, as the
      // system's own pseudo-folders (/proc) do.
      std::error_code error;
      if (fs::is_directory(problem.folder, error)) {
        raiseSaveError(ErrorNumber::PathNotFound, target,
                       SPEECH_TEXT("file", "The file %1 cannot be written: the folder %2 takes no new files."), folder);
      }
      raiseSaveError(ErrorNumber::PathNotFound, target,
                     SPEECH_TEXT("file", "The file %1 cannot be written: the folder %2 does not exist."), folder);
    }
    case SaveRefusal::NotAFolder:
      raiseSaveError(
          ErrorNumber::PathNotFound, target,
          SPEECH_TEXT("file", "The file %1 cannot be written: a part of the path that should be a folder is a file."));
    case SaveRefusal::NameTooLong:
      raiseSaveError(ErrorNumber::BadFileNameOrNumber, target,
                     SPEECH_TEXT("file", "The file %1 cannot be written: the name is too long."));
    case SaveRefusal::NameNotKept: raiseSystemError(ErrorNumber::BadFileNameOrNumber, target, problem.systemText);
    case SaveRefusal::LinkLoop:
      raiseSaveError(ErrorNumber::PathFileAccessError, target,
                     SPEECH_TEXT("file",
                                 "The file %1 cannot be written: it is a symbolic link that leads round in a circle, "
                                 "or through too many links."));
    case SaveRefusal::BrokenLink:
      raiseSaveError(
          ErrorNumber::PathNotFound, target,
          SPEECH_TEXT("file", "The file %1 cannot be written: it is a link to a file that cannot be found."));
    case SaveRefusal::InUse:
      raiseSaveError(ErrorNumber::PermissionDenied, target,
                     SPEECH_TEXT("file",
                                 "The file %1 cannot be written: another program has it open and does not let "
                                 "others change it."));
    case SaveRefusal::WriteFailed: raiseSystemError(ErrorNumber::DeviceIOError, target, problem.systemText);
    case SaveRefusal::Other: break;
  }
  raiseSystemError(ErrorNumber::PathFileAccessError, target, problem.systemText);
}

std::optional<fs::path>& resolutionForTests() {
  static std::optional<fs::path> file;
  return file;
}

}  // namespace

platform::SaveTargetsResolvedTo::SaveTargetsResolvedTo(fs::path file) { resolutionForTests() = std::move(file); }

platform::SaveTargetsResolvedTo::~SaveTargetsResolvedTo() { resolutionForTests().reset(); }

const std::optional<fs::path>& platform::saveTargetResolution() { return resolutionForTests(); }

std::string platform::saveTemporaryName() {
  static constexpr char kDigits[] = "0123456789abcdef";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::uint64_t bits = random();
  std::string name(kTemporaryPrefix);
  for (std::size_t i = 0; i < kTemporaryDigits; ++i, bits >>= 4) name += kDigits[bits & 15];
  return name;
}

bool platform::isSaveTemporaryName(std::string_view name) {
  return name.size() == kTemporaryPrefix.size() + kTemporaryDigits && name.starts_with(kTemporaryPrefix) &&
         std::all_of(name.begin() + kTemporaryPrefix.size(), name.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

void writeWholeFile(const fs::path& target, const ReplaceCheck& check, const Producer& produce) {
  if (target.empty() || !target.has_filename())
    raiseSaveError(ErrorNumber::BadFileNameOrNumber, target,
                   SPEECH_TEXT("file", "The file %1 cannot be written: it names no file."));
  if (target.native().find(fs::path::value_type{}) != fs::path::string_type::npos) {
    raiseSaveError(ErrorNumber::BadFileNameOrNumber, target,
                   SPEECH_TEXT("file", "The file %1 cannot be written: the name contains a zero character."));
  }
  platform::ReplacementStart start = platform::startReplacement(target, check);
  if (!start.replacement) raiseProblem(target, start.problem);
  platform::FileReplacement& file = *start.replacement;
  produce([&](std::string_view bytes) {
    if (!file.write(bytes)) raiseProblem(target, file.problem());
  });
  if (!file.commit()) raiseProblem(target, file.problem());
}

}  // namespace runtime
