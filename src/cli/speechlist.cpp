// speechlist PATH: prints the list lines of the speech file at PATH on
// standard output, in file order, one per line, as UTF-8.
#include <algorithm>
#include <array>
#include <cstdint>
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
#include "listing/utf8_evidence.h"
#include "model/read_entries.h"
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
    "                 cp1251 or windows-1251), utf-8 (also 65001), or auto:\n"
    "                 UTF-8 when every text is valid UTF-8 and one at least\n"
    "                 is not plain ASCII, else the system's default (the\n"
    "                 file is listed once it has been read to its end).\n"
    "                 Without the option, a note on standard error (when it\n"
    "                 is a terminal) tells of texts that look like UTF-8.\n"
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

// How the texts' encoding is chosen: as given, by default (with a note on
// texts that look like UTF-8), or by the texts themselves.
enum class EncodingChoice { Given, Default, Auto };

// The entries of a file as the Get reads them, kept to be listed once the
// encoding is known, and weighed as UTF-8 on the way.
class KeptEntries final : public speechfile::LineList {
 public:
  void clear() override { entries_ = model::ReadEntries(); }
  void addItem(const speechfile::Entry& entry) override {
    entries_.append(entry.id, entry.text);
    utf8_.see(entry.text);
  }
  void skipEmpty(const speechfile::Entry& entry) override { entries_.append(entry.id, {}); }

  bool looksLikeUtf8() const { return utf8_.looksLikeUtf8(); }

  // Hands every entry to `list` in file order, each text with the room past
  // its end that the list's conversions may read. Stops where the list does
  // (a failed write).
  void listInto(speechfile::LineList& list) const {
    std::vector<std::uint8_t> text(speechfile::kMaxTextLength + 16);
    model::ReadEntries::Cursor at = entries_.at(0);
    try {
      for (; at.entry < entries_.size(); entries_.advance(at)) {
        const std::span<const std::uint8_t> bytes = entries_.text(at);
        std::copy(bytes.begin(), bytes.end(), text.begin());
        const speechfile::Entry entry{entries_.offset(at), entries_.id(at), {text.data(), bytes.size()}};
        if (bytes.empty()) {
          list.skipEmpty(entry);
        } else {
          list.addItem(entry);
        }
      }
    } catch (const runtime::RuntimeError&) {
      // The list could not write; it says so itself.
    }
  }

 private:
  model::ReadEntries entries_;
  listing::Utf8Evidence utf8_;
};

// "auto", in any case.
bool isAuto(std::string_view name) {
  return name.size() == 4 && std::equal(name.begin(), name.end(), "auto",
                                        [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

// "The texts of speech.mul look like UTF-8, ..." when they do.
void noteTextsThatLookLikeUtf8(const std::filesystem::path& path, runtime::Encoding encoding) {
  kMessages.error("The texts of " + runtime::pathText(path.filename()) + " look like UTF-8, not " + encoding.name() +
                  ": --encoding utf-8 or --encoding auto shows them so.");
}

int listFile(const std::filesystem::path& path, listing::ExportFormat format, bool withEmpty,
             runtime::Encoding encoding, EncodingChoice choice) {
  speechfile::ReadingState state;
  std::optional<speechfile::GetError> failure;
  KeptEntries kept;
  if (choice == EncodingChoice::Auto) {
    failure = listing::runGetOnTwoThreads(state, path, kept);
    if (kept.looksLikeUtf8()) encoding = *runtime::Encoding::fromCodePage(runtime::Encoding::kUtf8);
  }
  ListingOutput list(format, withEmpty, encoding);
  if (choice == EncodingChoice::Auto) {
    kept.listInto(list);
  } else {
    list.weighUtf8(choice == EncodingChoice::Default && !encoding.isUtf8() && runtime::standardErrorIsTerminal());
    failure = listing::runGetOnTwoThreads(state, path, list);
  }
  // The lines before an error come first; a file that did not open gets no
  // csv header.
  const bool written = list.finish(!failure || failure->recordOffset());
  // A failed write ends the Get; the Get's error then only repeats it.
  if (failure && !list.endedTheGet()) kMessages.error(failure->what());
  if (!written) kMessages.error(cli::writeFailure(list.writeError()));
  if (list.looksLikeUtf8()) noteTextsThatLookLikeUtf8(path, encoding);
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
  EncodingChoice choice = args.value("--encoding") ? EncodingChoice::Given : EncodingChoice::Default;
  std::optional<runtime::Encoding> encoding = runtime::Encoding::systemDefault();
  std::string problem;
  if (const auto name = args.value("--encoding"); name && isAuto(*name)) {
    choice = EncodingChoice::Auto;
  } else {
    encoding = listing::chosenEncoding(args, problem);
    if (!encoding) return usageError(problem);
  }
  const bool withEmpty = args.has("--all");
  if (args.paths.empty()) return usageError(listing::kMissingPath);
  if (args.paths.size() > 1) return usageError(listing::kTooManyPaths);
  if (withEmpty && format == listing::ExportFormat::Lines) return usageError("--all goes with --format csv or json");
  return listFile(args.paths.front(), format, withEmpty, *encoding, choice);
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
