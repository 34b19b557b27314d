// speechdiff OLD NEW: compares two speech files entry by entry and prints
// their differences on standard output, as a unified diff of the list lines
// or as csv or json rows; exits as diff does.
#include <array>
#include <charconv>
#include <cstdio>
#include <limits>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "cli/diff_output.h"
#include "cli/program_messages.h"
#include "comparing/compare_files.h"
#include "listing/command_line.h"
#include "listing/shown_text.h"
#include "runtime/encoding.h"
#include "runtime/platform.h"
#include "version.h"

namespace {

// Exit statuses, as diff's.
constexpr int kSame = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

constexpr std::size_t kDefaultContext = 3;

std::string usage() {
  return "usage: speechdiff [--encoding NAME] [--format diff|csv|json] [-U N] [--] OLD NEW\n"
         "       speechdiff --help | --version\n"
         "\n"
         "Compares two speech files entry by entry in file order, as a text diff\n"
         "compares lines: two entries are the same when their IDs and their text\n"
         "bytes are. An entry whose ID stayed and whose text did not is changed;\n"
         "entries without text count too. The files are only read, never written.\n"
         "Give \"--\" before a path that starts with '-'.\n"
         "\n"
         "  --format diff  a unified diff of the list lines (the default), every\n"
         "                 entry one line in its shown form, as speechlist prints\n"
         "                 it (an entry without text has an empty text); the hunk\n"
         "                 headers give entry numbers, then the byte offsets of\n"
         "                 the hunks' first entries in each file\n"
         "  -U N, --unified N  N entries of context around each change (3 without\n"
         "                 the option); also -UN\n"
         "  --format csv   one row per difference, RFC 4180 (CRLF line ends),\n"
         "                 under the header change,old_offset,old_id,old_id_hex,\n"
         "                 old_length,old_text,new_offset,...,new_text: the change\n"
         "                 (removed, added or changed), then each entry as\n"
         "                 speechlist --format csv gives it, empty for none\n"
         "  --format json  JSON Lines: {\"change\":...,\"old\":{...},\"new\":{...}},\n"
         "                 each entry as speechlist --format json gives it, null\n"
         "                 for none\n"
         "  --encoding NAME  the texts' encoding, as for speechlist: ansi, utf-8,\n"
         "                 or a code page (874, 932, 936, 949, 950, 1250 to 1258);\n"
         "                 without it, the system's default, " +
         runtime::systemDefaultName() +
         ".\n"
         "                 Entries are compared by their bytes, whatever the\n"
         "                 encoding.\n"
         "\n"
         "Exit status: 0 when the files hold the same entries, 1 when they differ,\n"
         "2 when either file cannot be read to its end (a message on standard\n"
         "error names it), the output cannot be written, or for wrong usage.\n";
}

constexpr cli::ProgramMessages kMessages("speechdiff", usage);

int usageError(std::string_view problem) {
  kMessages.usageError(problem);
  return kTrouble;
}

constexpr std::array<listing::OptionSpec, 5> kOptions = {{
    {"--format", "FORMAT", {}, "diff, csv or json"},
    {"-U", "N", "--unified"},
    listing::kEncodingOption,
    {"--help", {}, "-h"},
    {"--version"},
}};

std::optional<DiffFormat> diffFormatNamed(std::string_view name) {
  if (name == "diff") return DiffFormat::Unified;
  if (name == "csv") return DiffFormat::Csv;
  if (name == "json") return DiffFormat::Json;
  return std::nullopt;
}

// N of -U: a whole number, 0 or more.
std::optional<std::size_t> contextNamed(std::string_view text) {
  std::size_t n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return n;
}

int compareAndPrint(const std::filesystem::path& oldPath, const std::filesystem::path& newPath, DiffFormat format,
                    std::size_t context, runtime::Encoding encoding) {
  listing::prepareConversions(encoding);
  const comparing::CompareOutcome outcome = comparing::compareFiles(oldPath, newPath);
  if (!outcome.compared) {
    for (const std::string& failure : outcome.failures) kMessages.error(failure);
    return kTrouble;
  }
  DiffOutput output(format, context, encoding);
  if (!output.write(*outcome.compared, oldPath, newPath)) {
    kMessages.error(cli::writeFailure(output.writeError()));
    return kTrouble;
  }
  return outcome.compared->comparison.same() ? kSame : kDifferent;
}

int run(int argc, char** argv) {
  runtime::prepareStandardOutput();
  const listing::Arguments args = listing::readArguments(runtime::commandLineArguments(argc, argv), kOptions);
  if (!args.problem.empty()) {
    if (args.problem.starts_with("-U")) return usageError("-U needs a number of entries");
    return usageError(args.problem);
  }
  if (args.has("--help")) return kMessages.print(usage()) ? kSame : kTrouble;
  if (args.has("--version")) {
    return kMessages.print("speechdiff " SPEECH_VERSION "\n" SPEECH_LICENCE "\n") ? kSame : kTrouble;
  }
  DiffFormat format = DiffFormat::Unified;
  if (const auto name = args.value("--format")) {
    const auto named = diffFormatNamed(*name);
    if (!named) return usageError("unknown format '" + listing::shownText(*name) + "': give diff, csv or json");
    format = *named;
  }
  std::size_t context = kDefaultContext;
  if (const auto text = args.value("-U")) {
    const auto n = contextNamed(*text);
    if (!n) return usageError("-U needs a number of entries, not '" + listing::shownText(*text) + "'");
    if (format != DiffFormat::Unified) return usageError("-U goes with --format diff");
    context = *n;
  }
  std::string problem;
  const std::optional<runtime::Encoding> encoding = listing::chosenEncoding(args, problem);
  if (!encoding) return usageError(problem);
  if (args.paths.size() < 2) return usageError(args.paths.empty() ? "missing OLD and NEW" : "missing NEW");
  if (args.paths.size() > 2) return usageError("too many arguments: give OLD and NEW");
  return compareAndPrint(args.paths[0], args.paths[1], format, context, *encoding);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fputs("speechdiff: There is not enough memory to compare the files. (Out of memory, runtime error 7)\n",
               stderr);
    return kTrouble;
  }
}
