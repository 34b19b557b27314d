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
#include "ui/common/export_formats.h"
#include "ui/common/shown_text.h"

namespace {

constexpr std::string_view kUsage =
    "usage: speechlist [--format lines|csv|json] [--all] [--] PATH\n"
    "       speechlist --help | --version\n"
    "\n"
    "Prints one line per speech-file entry that has text, in file order:\n"
    "  ID: <hexadecimal ID> Text: <text>\n"
    "as UTF-8 on standard output. The file is only read, never written.\n"
    "Give \"--\" before a PATH that starts with '-'.\n"
    "\n"
    "  --format csv   RFC 4180 rows (CRLF line ends) under the header\n"
    "                 offset,id,id_hex,length,text\n"
    "  --format json  JSON Lines: one object per entry with the same keys\n"
    "  --all          with csv or json, the entries without text as well\n"
    "In csv and json the ID is unsigned (0 to 65535), the offset is the byte\n"
    "offset of the entry's record, and the text is exact: nothing is made\n"
    "visible or dropped.\n"
    "\n"
    "In the lines format, control characters in a text are shown, not sent\n"
    "to the terminal, so that every entry is one line: U+0000 to U+001F\n"
    "become the symbols U+2400 to U+241F (a line feed shows as \xE2\x90\x8A), U+007F\n"
    "becomes \xE2\x90\xA1, and U+0080 to U+009F (bytes the code page leaves undefined)\n"
    "become \xE2\x80\xB9" "80\xE2\x80\xBA to \xE2\x80\xB9" "9F\xE2\x80\xBA. Paths and texts in messages are shown\n"
    "the same way; json escapes these characters, csv keeps them as they are.\n"
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

// Writes each entry in the format to standard output, gathered into large
// writes: in the lines format, the entry's line in its shown form and "\n".
class StandardOutputList final : public speechfile::LineList {
 public:
  StandardOutputList(ui::ExportFormat format, bool withEmpty)
      : format_(format), withEmpty_(withEmpty), pending_(kWriteSize) {}
  void clear() override {}  // nothing has been printed yet
  void addItem(const speechfile::Entry& entry) override {
    if (format_ != ui::ExportFormat::Lines) return addExported(entry);
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
  void skipEmpty(const speechfile::Entry& entry) override {
    if (withEmpty_) addExported(entry);
  }
  // Writes the csv header of a file without entries.
  void finish() { startOnce(); }

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
  void startOnce() {
    if (started_) return;
    started_ = true;
    append(ui::exportHeader(format_));
  }
  void addExported(const speechfile::Entry& entry) {
    startOnce();
    exported_.clear();
    ui::appendEntry(exported_, format_, entry);
    append(exported_);
  }
  void append(std::string_view bytes) {
    if (bytes.size() > pending_.size() - used_) {
      flush();
      if (bytes.size() > pending_.size()) pending_.resize(bytes.size());
    }
    std::memcpy(pending_.data() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
  }

  static constexpr std::size_t kWriteSize = 1 << 20;
  const ui::ExportFormat format_;
  const bool withEmpty_;
  bool started_ = false;
  std::string exported_;
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

int listFile(const std::filesystem::path& path, ui::ExportFormat format, bool withEmpty) {
  StandardOutputList list(format, withEmpty);
  speechfile::ReadingState state;
  int status = 0;
  try {
    speechfile::runGetAction(state, ArgumentPath(path), list);
    list.finish();
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
  ui::ExportFormat format = ui::ExportFormat::Lines;
  bool withEmpty = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::filesystem::path& arg = args[i];
    const std::string text = utf8(arg);
    if (optionsEnded || text.size() < 2 || text[0] != '-') {
      paths.push_back(arg);
    } else if (text == "--format" || text.rfind("--format=", 0) == 0) {
      std::string name = text.size() > 8 ? text.substr(9) : "";
      if (text.size() == 8) {
        if (i + 1 == args.size()) return usageError("--format needs a FORMAT: lines, csv or json");
        name = utf8(args[++i]);
      }
      const auto named = ui::exportFormatNamed(name);
      if (!named) return usageError("unknown format '" + name + "': give lines, csv or json");
      format = *named;
    } else if (text == "--all") {
      withEmpty = true;
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
  if (withEmpty && format == ui::ExportFormat::Lines) return usageError("--all goes with --format csv or json");
  return listFile(paths.front(), format, withEmpty);
}
