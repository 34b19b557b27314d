// speechlist PATH: prints the list lines of the speech file at PATH on
// standard output, in file order, one per line, as UTF-8.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/listing_output.h"
#include "runtime/platform.h"
#include "speechfile/get_action.h"
#include "speechfile/record.h"
#include "ui/common/export_formats.h"
#include "ui/common/shown_text.h"
#include "ui/common/threaded_list.h"

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
  ListingOutput list(format, withEmpty);
  speechfile::ReadingState state;
  const std::optional<speechfile::GetError> failure = ui::runGetAction(state, ArgumentPath(path), list);
  // The lines before an error come first; a file that did not open gets no
  // csv header.
  const bool written = list.finish(!failure || failure->recordOffset());
  if (failure) printError(failure->what());
  if (!written) printError(writeFailure(list.writeError()));
  return !failure && written ? 0 : 1;
}

int run(int argc, char** argv) {
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
      return printRequested("speechlist " SPEECH_VERSION "\n"
                            "Copyright (c) 2026 the speech file viewer authors; MIT licence.\n");
    } else {
      return usageError("unknown option '" + text + "'");
    }
  }
  if (paths.empty()) return usageError("missing PATH");
  if (paths.size() > 1) return usageError("too many arguments: give one PATH");
  if (withEmpty && format == ui::ExportFormat::Lines) return usageError("--all goes with --format csv or json");
  return listFile(paths.front(), format, withEmpty);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::bad_alloc&) {
    // Before the listing began, or while a message was made.
    std::fputs("speechlist: There is not enough memory to list the file. (Out of memory, runtime error 7)\n", stderr);
    return 1;
  }
}
