// speechlist PATH: prints the list lines of the speech file at PATH on
// standard output, in file order, one per line, as UTF-8.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "speechfile/get_action.h"

namespace {

constexpr const char* kUsage =
    "usage: speechlist PATH\n"
    "       speechlist -- PATH   (for a path that starts with '-')\n"
    "\n"
    "Prints one line per speech-file entry that has text, in file order:\n"
    "  ID: <hexadecimal ID> Text: <text>\n"
    "as UTF-8 on standard output. The file is only read, never written.\n"
    "Exit status: 0 on success, 1 when the file cannot be listed (the lines\n"
    "before the error are printed, then a message on standard error), 2 for\n"
    "wrong usage.\n";

class ArgumentPath final : public speechfile::PathSource {
 public:
  explicit ArgumentPath(std::string path) : path_(std::move(path)) {}
  std::string pathText() const override { return path_; }

 private:
  std::string path_;
};

// Writes each line and a "\n" to standard output, gathered into large writes.
class StandardOutputList final : public speechfile::LineList {
 public:
  StandardOutputList() : pending_(kWriteSize) {}
  void clear() override {}  // nothing has been printed yet
  void addItem(std::string_view line) override {
    if (line.size() >= pending_.size() - used_) {
      flush();
      if (line.size() >= pending_.size()) pending_.resize(line.size() + 1);
    }
    std::memcpy(pending_.data() + used_, line.data(), line.size());
    used_ += line.size();
    pending_[used_++] = '\n';
  }
  // Writes what is pending; false once any write has failed.
  bool flush() {
    if (ok_ && used_ > 0) ok_ = std::fwrite(pending_.data(), 1, used_, stdout) == used_;
    used_ = 0;
    return ok_ && std::fflush(stdout) == 0;
  }

 private:
  static constexpr std::size_t kWriteSize = 1 << 20;
  std::vector<char> pending_;
  std::size_t used_ = 0;
  bool ok_ = true;
};

int usageError(const char* problem) {
  std::fprintf(stderr, "speechlist: %s\n%s", problem, kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // "\n" stays "\n"
#endif
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args.size() == 2 && args[0] == "--") args.erase(args.begin());
  else if (args.size() == 1 && args[0].size() > 1 && args[0][0] == '-') return usageError("unknown option");
  if (args.size() != 1) return usageError(args.empty() ? "missing PATH" : "too many arguments");

  const ArgumentPath path{std::string(args[0])};
  StandardOutputList list;
  speechfile::ReadingState state;
  int status = 0;
  try {
    speechfile::runGetAction(state, path, list);
  } catch (const std::exception& e) {
    list.flush();
    std::fprintf(stderr, "speechlist: %s\n", e.what());
    status = 1;
  }
  if (!list.flush()) {
    std::fprintf(stderr, "speechlist: writing to standard output failed: %s\n", std::strerror(errno));
    status = 1;
  }
  return status;
}
