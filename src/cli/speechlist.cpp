// speechlist PATH: prints the list lines of the speech file at PATH on
// standard output, in file order, one per line, as UTF-8.
#include <array>
#include <cstdio>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/listing_output.h"
#include "cli/program_messages.h"
#include "listing/command_line.h"
#include "listing/export_formats.h"
#include "listing/shown_text.h"
#include "listing/threaded_list.h"
#include "runtime/encoding.h"
#include "runtime/platform.h"
#include "speechfile/get_action.h"
#include "speechfile/record.h"
#include "version.h"

namespace {

constexpr std::string_view kUsageBeforeLocales =
    "\n"
    "Prints one line per speech-file entry that has text, in file order:\n"
    "  ID: <hexadecimal ID> Text: <text>\n"
    "as UTF-8 on standard output. The file is only read, never written.\n"
    "Give \"--\" before a PATH that starts with '-'.\n"
    "\n"
    "  --encoding NAME  what the texts are written in: ansi (the system's\n"
    "                 default, without the option), a Windows code page\n"
    "                 (874, 932, 936, 949, 950, 1250 to 1258, also written\n"
    "                 cp1251 or windows-1251), or utf-8 (also 65001).\n"
    "                 The system's default is the code page Windows gives\n"
    "                 the language of the first of LC_ALL, LC_CTYPE and LANG\n"
    "                 that is set:\n";

constexpr std::string_view kUsageAfterLocales =
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
    "become \xE2\x80\xB9"
    "80\xE2\x80\xBA to \xE2\x80\xB9"
    "9F\xE2\x80\xBA, as does a byte the encoding does not define\n"
    "(\xE2\x80\xB9"
    "A0\xE2\x80\xBA). Paths and texts in messages are shown the same way;\n"
    "json escapes the control characters, csv keeps them as they are, and\n"
    "both give a byte the encoding does not define as Windows converts it,\n"
    "or as U+FFFD where that differs between Windows versions.\n"
    "\n"
    "Exit status: 0 on success, 1 when the file cannot be listed (the lines\n"
    "before the error are printed, then a message on standard error) or the\n"
    "output cannot be written, 2 for wrong usage.\n";

std::string usage() {
  std::string text = std::string("usage: speechlist [--format lines|csv|json] [--all] [--encoding NAME] [--] PATH\n") +
                     "       speechlist --help" + (runtime::slashQuestionMarkAsksForUsage() ? " | /?" : "") +
                     " | --version\n" + std::string(kUsageBeforeLocales);
  for (const runtime::LocaleTableRow& row : runtime::localeTableRows()) {
    const std::string number = std::to_string(row.codePage);
    text += std::string(21 - number.size(), ' ') + number + "  " + row.languages + "\n";
  }
  return text + std::string(kUsageAfterLocales);
}

constexpr cli::ProgramMessages kMessages("speechlist", usage);

int usageError(std::string_view problem) {
  kMessages.usageError(problem);
  return 2;
}

int listFile(const std::filesystem::path& path, listing::ExportFormat format, bool withEmpty,
             runtime::Encoding encoding) {
  ListingOutput list(format, withEmpty, encoding);
  speechfile::ReadingState state;
  const std::optional<speechfile::GetError> failure = listing::runGetOnTwoThreads(state, path, list);
  // The lines before an error come first; a file that did not open gets no
  // csv header.
  const bool written = list.finish(!failure || failure->recordOffset());
  // A failed write ends the Get; the Get's error then only repeats it.
  if (failure && !list.endedTheGet()) kMessages.error(failure->what());
  if (!written) kMessages.error(cli::writeFailure(list.writeError()));
  return !failure && written ? 0 : 1;
}

constexpr listing::OptionSpec kFormatOption = {"--format", "FORMAT", {}, "lines, csv or json"};
constexpr std::array<listing::OptionSpec, 5> kOptions = {{
    kFormatOption,
    {"--all"},
    listing::kEncodingOption,
    {"--help", {}, "-h"},
    {"--version"},
}};

int run(int argc, char** argv) {
  runtime::prepareStandardOutput();
  std::vector<listing::OptionSpec> known(kOptions.begin(), kOptions.end());
  if (runtime::slashQuestionMarkAsksForUsage()) known.push_back({"--help", {}, "/?"});
  const listing::Arguments args = listing::readArguments(runtime::commandLineArguments(argc, argv), known);
  if (!args.problem.empty()) return usageError(args.problem);
  if (args.has("--help")) return kMessages.print(kMessages.usage()) ? 0 : 1;
  if (args.has("--version")) return kMessages.print("speechlist " SPEECH_VERSION "\n" SPEECH_LICENCE "\n") ? 0 : 1;
  listing::ExportFormat format = listing::ExportFormat::Lines;
  if (const auto name = args.value("--format")) {
    const auto named = listing::exportFormatNamed(*name);
    if (!named) return usageError("unknown format '" + *name + "': give " + std::string(kFormatOption.choices));
    format = *named;
  }
  std::string problem;
  const std::optional<runtime::Encoding> encoding = listing::chosenEncoding(args, problem);
  if (!encoding) return usageError(problem);
  const bool withEmpty = args.has("--all");
  if (args.paths.empty()) return usageError(listing::kMissingPath);
  if (args.paths.size() > 1) return usageError(listing::kTooManyPaths);
  if (withEmpty && format == listing::ExportFormat::Lines) return usageError("--all goes with --format csv or json");
  return listFile(args.paths.front(), format, withEmpty, *encoding);
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
