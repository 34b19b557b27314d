// speechlist PATH: prints the list lines of the speech file at PATH on
// standard output, in file order, one per line, as UTF-8.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/platform.h"
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
    if (ok_ && used_ > 0) ok_ = runtime::writeUtf8(stdout, std::string_view(pending_.data(), used_));
    used_ = 0;
    return ok_ && std::fflush(stdout) == 0;
  }

 private:
  static constexpr std::size_t kWriteSize = 1 << 20;
  std::vector<char> pending_;
  std::size_t used_ = 0;
  bool ok_ = true;
};

void printError(const std::string& message) { runtime::writeUtf8(stderr, "speechlist: " + message + "\n"); }

int usageError(const char* problem) {
  printError(problem);
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  runtime::prepareStandardOutput();
  std::vector<std::string> args = runtime::commandLineArguments(argc, argv);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args.size() == 2 && args[0] == "--") args.erase(args.begin());
  else if (args.size() == 1 && args[0].size() > 1 && args[0][0] == '-') return usageError("unknown option");
  if (args.size() != 1) return usageError(args.empty() ? "missing PATH" : "too many arguments");

  const ArgumentPath path{args[0]};
  StandardOutputList list;
  speechfile::ReadingState state;
  int status = 0;
  try {
    speechfile::runGetAction(state, path, list);
  } catch (const std::exception& e) {
    list.flush();  // the lines before the error come first
    printError(e.what());
    status = 1;
  }
  if (!list.flush()) {
    printError(std::string("writing to standard output failed: ") + std::strerror(errno));
    status = 1;
  }
  return status;
}
