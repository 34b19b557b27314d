#include "support/bad_inputs.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace testing_support {

namespace fs = std::filesystem;

std::vector<BadInput> makeBadInputs(const TempDir& dir) {
  const std::string folder = dir.path().string();
  const std::string good = dir.write("speech.mul", concat({record(1, "one"), record(2, "")}));
  const std::string fifo = folder + "/fifo";
  ::mkfifo(fifo.c_str(), 0600);
  const std::string longest(32767, 'w');
  const std::string longTexts =
      dir.write("longest.mul", concat({record(1, longest), record(2, longest), record(3, longest)}));
  const std::string accentedName = dir.write("sp\xC3\xA9" "ech \xC3\xBCnic\xC3\xB8" "de.mul", record(0x2A, "hail"));

  std::vector<BadInput> cases = {
      {"empty path", "", {}, "the path is empty"},
      {"path of blanks", "   ", {}, "File not found"},
      {"trailing blank", good + " ", {}, "File not found"},
      {"folder", folder, {}, "this is a folder, not a file"},
      {"/dev/zero", "/dev/zero", {}, "not a regular file"},
      {"FIFO", fifo, {}, "not a regular file"},
      {"missing folder", folder + "/no such folder/speech.mul", {}, "Path not found"},
      {"very long path", folder + "/" + std::string(5000, 'a'), {}, "the path is too long"},
      {"non-ASCII letters", accentedName, {"ID: 2A Text: hail"}, ""},
      {"texts of 32,767 bytes", longTexts,
       {"ID: 1 Text: " + longest, "ID: 2 Text: " + longest, "ID: 3 Text: " + longest}, ""},
      {"plain file", good, {"ID: 1 Text: one"}, ""},
  };
  if (::geteuid() != 0) {
    const std::string locked = dir.write("locked.mul", record(1, "x"));
    fs::permissions(locked, fs::perms::none);
    cases.push_back({"no read permission", locked, {}, "Permission denied"});
  }
  return cases;
}

BadInput makeSparseOver4GiB(const TempDir& dir) {
  const std::string path = (dir.path() / "sparse.mul").string();
  const std::uint64_t tail = (std::uint64_t{1} << 32) + 4;  // a multiple of 4: zero records fill up to it
  {
    std::ofstream out(path, std::ios::binary);
    const Bytes end = concat({record(0x1234, "end"), record(9, 0x8000, "")});
    out.seekp(static_cast<std::streamoff>(tail));
    out.write(reinterpret_cast<const char*>(end.data()), static_cast<std::streamsize>(end.size()));
  }
  return {"sparse file over 4 GiB", path, {"ID: 1234 Text: end"}, "record at byte offset 4294967307"};
}

std::map<std::string, std::string> snapshot(const fs::path& dir) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    struct stat st {};
    ::lstat(entry.path().c_str(), &st);
    entries[entry.path().string()] = std::to_string(st.st_size) + "@" + std::to_string(st.st_mtim.tv_sec) + "." +
                                     std::to_string(st.st_mtim.tv_nsec);
  }
  return entries;
}

bool holdsOpenFileUnder(const fs::path& dir) {
  const std::string prefix = dir.string() + "/";
  for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    const std::string target = fs::read_symlink(fd.path(), error).string();
    if (!error && (target.rfind(prefix, 0) == 0 || target == dir.string())) return true;
  }
  return false;
}

bool slowTestsEnabled() { return std::getenv("SPEECH_SLOW_TESTS") != nullptr; }

}  // namespace testing_support
