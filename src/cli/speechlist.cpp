// speechlist PATH: prints the list lines of the speech file at PATH on
// standard output, in file order, one per line, as UTF-8.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/platform.h"
#include "speechfile/get_action.h"
#include "speechfile/record.h"
#include "ui/common/shown_text.h"

namespace {

constexpr std::string_view kUsage =
    "usage: speechlist PATH\n"
    "       speechlist -- PATH   (for a path that starts with '-')\n"
    "       speechlist --help | --version\n"
    "\n"
    "Prints one line per speech-file entry that has text, in file order:\n"
    "  ID: <hexadecimal ID> Text: <text>\n"
    "as UTF-8 on standard output. The file is only read, never written.\n"
    "\n"
    "Control characters in a text are shown, not sent to the terminal, so that\n"
    "every entry is one line: U+0000 to U+001F become the symbols U+2400 to\n"
    "U+241F (a line feed shows as \xE2\x90\x8A), U+007F becomes \xE2\x90\xA1, and U+0080 to U+009F\n"
    "(bytes the code page leaves undefined) become \xE2\x80\xB9" "81\xE2\x80\xBA and so on. Paths and texts in\n"
    "messages are shown the same way.\n"
    "\n"
    "Exit status: 0 on success, 1 when the file cannot be listed (the lines\n"
    "before the error are printed, then a message on standard error) or the\n"
    "output cannot be written, 2 for wrong usage.\n";

class ArgumentPath final : public speechfile::PathSource {
 public:
  explicit ArgumentPath(std::filesystem::path path) : path_(std::move(path)) {}
  std::filesystem::path path() const override { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes each entry's line, in its shown form, and a "\n" to standard output,
// gathered into large writes.
class StandardOutputList final : public speechfile::LineList {
 public:
  StandardOutputList() : pending_(kWriteSize) {}
  void clear() override {}  // nothing has been printed yet
  void addItem(const speechfile::Entry& entry) override {
    const std::size_t longest = ui::maxShownSize(speechfile::maxListLineSize(entry.text.size())) + 1;
    if (longest > pending_.size() - used_) {
      flush();
      if (longest > pending_.size()) pending_.resize(longest);
    }
    char* const start = pending_.data() + used_;
    char* end = speechfile::writeListLine(start, entry.id, entry.text);
    const std::string_view line(start, static_cast<std::size_t>(end - start));
    if (ui::holdsControlCharacter(line)) {
      const std::string plain(line);
      end = ui::writeShownText(start, plain);
    }
    *end++ = '\n';
    used_ = static_cast<std::size_t>(end - pending_.data());
  }
  // Writes what is pending; false once any write has failed.
  bool flush() {
    if (error_ == 0 && used_ > 0 && !runtime::writeUtf8(stdout, std::string_view(pending_.data(), used_))) {
      error_ = errno ? errno : EIO;
    }
    used_ = 0;
    if (error_ == 0 && std::fflush(stdout) != 0) error_ = errno ? errno : EIO;
    return error_ == 0;
  }
  // The system's error of the first failed write.
  int writeError() const { return error_; }

 private:
  static constexpr std::size_t kWriteSize = 1 << 20;
  std::vector<char> pending_;
  std::size_t used_ = 0;
  int error_ = 0;
};

std::string utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

void printError(std::string_view message) {
  runtime::writeUtf8(stderr, "speechlist: " + ui::shownText(message) + "\n");
}

int usageError(std::string_view problem) {
  printError(problem);
  runtime::writeUtf8(stderr, kUsage);
  return 2;
}

std::string writeFailure(int error) {
  return std::string("Cannot write to standard output: ") + std::strerror(error) + ".";
}

// Prints text asked for on standard output (--help, --version).
int printRequested(std::string_view text) {
  if (runtime::writeUtf8(stdout, text) && std::fflush(stdout) == 0) return 0;
  printError(writeFailure(errno ? errno : EIO));
  return 1;
}

int listFile(const std::filesystem::path& path) {
  StandardOutputList list;
  speechfile::ReadingState state;
  int status = 0;
  try {
    speechfile::runGetAction(state, ArgumentPath(path), list);
  } catch (const speechfile::GetError& e) {
    list.flush();  // the lines before the error come first
    printError(e.what());
    status = 1;
  }
  if (!list.flush()) {
    printError(writeFailure(list.writeError()));
    status = 1;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  runtime::prepareStandardOutput();
  const std::vector<std::filesystem::path> args = runtime::commandLineArguments(argc, argv);
  std::vector<std::filesystem::path> paths;
  bool optionsEnded = false;
  for (const std::filesystem::path& arg : args) {
    const std::string text = utf8(arg);
    if (optionsEnded || text.size() < 2 || text[0] != '-') {
      paths.push_back(arg);
    } else if (text == "--") {
      optionsEnded = true;
    } else if (text == "--help" || text == "-h") {
      return printRequested(kUsage);
    } else if (text == "--version") {
      return printRequested("speechlist " SPEECH_VERSION "\n");
    } else {
      return usageError("unknown option '" + text + "'");
    }
  }
  if (paths.empty()) return usageError("missing PATH");
  if (paths.size() > 1) return usageError("too many arguments: give one PATH");
  return listFile(paths.front());
}
