// speechpack [INPUT]: makes a speech file from a list in csv or JSON Lines,
// as speechlist writes it, and writes it to OUT or to standard output.
#include <array>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/program_messages.h"
#include "listing/command_line.h"
#include "packing/packing.h"
#include "runtime/errors.h"
#include "runtime/file_save.h"
#include "runtime/platform.h"
#include "speechfile/record_writer.h"
#include "version.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "usage: speechpack [--encoding NAME] [--format csv|json] [-o OUT] [--] [INPUT]\n"
    "       speechpack --help | --version\n"
    "\n"
    "Makes a speech file from a list in csv or JSON Lines (as speechlist\n"
    "--format csv|json writes it) read from INPUT, or from standard input\n"
    "without one (or for \"-\"), and writes it to OUT, or to standard output\n"
    "(not a terminal) without one. OUT is written whole or not at all: a new\n"
    "file beside it takes its place once every row has been made an entry,\n"
    "keeping its mode and links. Give \"--\" before an INPUT that starts\n"
    "with '-'.\n"
    "\n"
    "  --format csv   RFC 4180 with a header row (a UTF-8 byte-order mark,\n"
    "                 CRLF or LF, ';' or a tab as the separator where the\n"
    "                 header shows it, as spreadsheets save it)\n"
    "  --format json  JSON Lines: one object a line\n"
    "                 Without --format: INPUT's extension (.csv, .json,\n"
    "                 .jsonl), else '{' as the first character for json.\n"
    "  --encoding NAME  what the texts are written in, as for speechlist:\n"
    "                 ansi (the system's default, without the option), a\n"
    "                 Windows code page (874, 932, 936, 949, 950, 1250 to\n"
    "                 1258), or utf-8.\n"
    "  -o OUT, --output OUT  the speech file to write\n"
    "\n"
    "The columns (csv) or keys (json) are found by name, in any order: text,\n"
    "and id (0 to 65535) or id_hex (hexadecimal); the others (offset,\n"
    "length, ...) are read past. Each row is one entry, in the order given;\n"
    "an empty text is an entry without text. From json, a row's \"bytes\"\n"
    "(speechlist gives them for a text that does not convert back to its\n"
    "bytes) are written as long as the text is what they convert to.\n"
    "\n"
    "Exit status: 0 when the speech file was written, 1 when the input has a\n"
    "row that cannot be made an entry or a file cannot be read or written\n"
    "(nothing is written then, and OUT stays as it was), 2 for wrong usage.\n";

constexpr std::string_view kNothingWritten = " Nothing was written.";

std::string usage() { return std::string(kUsage); }

constexpr cli::ProgramMessages kMessages("speechpack", usage);

void printError(std::string_view message) { kMessages.error(message); }

int usageError(std::string_view problem) {
  kMessages.usageError(problem);
  return 2;
}

bool isDash(const fs::path& path) { return path == "-"; }

struct Job {
  std::optional<fs::path> input;   // none: standard input
  std::optional<fs::path> output;  // none: standard output
  std::optional<packing::InputFormat> format;
  runtime::Encoding encoding;
};

// The input's name in messages: its path in quotes, or "standard input".
std::string inputName(const Job& job) {
  return job.input ? runtime::quotedPath(*job.input) : std::string("standard input");
}

// Refuses to replace the input file itself, under whatever name OUT reaches
// it (another name, a link, the file standard input reads): the save hands
// this the file it is about to replace, before anything is written and as
// the new file takes its place.
runtime::ReplaceCheck notTheInput(const Job& job, const std::optional<runtime::FileIdentity>& input) {
  if (!input) return {};
  return [output = *job.output, identity = *input](const std::optional<runtime::ReplacedFile>& replaced) {
    if (!replaced || replaced->identity != identity) return;
    throw runtime::RuntimeError(runtime::ErrorNumber::PermissionDenied,
                                runtime::quotedPath(output) +
                                    " is the input file itself: the speech file would be written over the list it is "
                                    "made from. Give another OUT.");
  };
}

// Packs the input into `write`, which the caller makes the output.
void packInto(const Job& job, runtime::ByteSource& input, const runtime::ByteWriter& write) {
  speechfile::RecordWriter writer(write);
  packing::pack(input, job.format, job.encoding, writer);
  writer.finish();
}

int packFile(const Job& job) {
  std::unique_ptr<runtime::ByteSource> input;
  try {
    input = job.input ? runtime::openFileReadOnly(*job.input) : std::make_unique<runtime::StreamSource>(stdin);
  } catch (const runtime::RuntimeError& e) {
    printError(inputName(job) + ": " + e.what() + std::string(kNothingWritten));
    return 1;
  }
  try {
    if (job.output) {
      const std::optional<runtime::FileIdentity> inputIdentity =
          job.input ? input->identity() : runtime::standardInputIdentity();
      runtime::writeWholeFile(*job.output, notTheInput(job, inputIdentity),
                              [&](const runtime::ByteWriter& write) { packInto(job, *input, write); });
      return 0;
    }
    // Standard output gets the speech file once it is whole, so that bad
    // input writes nothing there either.
    std::string file;
    packInto(job, *input, [&](std::string_view bytes) { file += bytes; });
    if (std::fwrite(file.data(), 1, file.size(), stdout) != file.size() || std::fflush(stdout) != 0) {
      printError(cli::writeFailure(errno ? errno : EIO));
      return 1;
    }
    return 0;
  } catch (const packing::PackError& e) {
    printError(inputName(job) + ", " + e.what() + "." + std::string(kNothingWritten));
  } catch (const runtime::RuntimeError& e) {
    printError(std::string(e.what()) + std::string(job.output ? kNothingWritten : ""));
  }
  return 1;
}

constexpr std::array<listing::OptionSpec, 5> kOptions = {{
    {"--format", "FORMAT", {}, "csv or json"},
    listing::kEncodingOption,
    {"--output", "OUT", "-o"},
    {"--help", {}, "-h"},
    {"--version"},
}};

int run(int argc, char** argv) {
  runtime::prepareStandardOutput();
  runtime::prepareStandardInput();
  std::vector<listing::OptionSpec> known(kOptions.begin(), kOptions.end());
  if (runtime::slashQuestionMarkAsksForUsage()) known.push_back({"--help", {}, "/?"});
  const listing::Arguments args = listing::readArguments(runtime::commandLineArguments(argc, argv), known);
  if (!args.problem.empty()) return usageError(args.problem);
  if (args.has("--help")) return kMessages.print(kMessages.usage()) ? 0 : 1;
  if (args.has("--version")) return kMessages.print("speechpack " SPEECH_VERSION "\n" SPEECH_LICENCE "\n") ? 0 : 1;
  std::string problem;
  const std::optional<runtime::Encoding> encoding = listing::chosenEncoding(args, problem);
  if (!encoding) return usageError(problem);
  if (args.paths.size() > 1) return usageError("too many arguments: give one INPUT");
  Job job{std::nullopt, std::nullopt, std::nullopt, *encoding};
  if (!args.paths.empty() && !isDash(args.paths.front())) job.input = args.paths.front();
  if (const auto out = args.pathValue("--output"); out && !isDash(*out)) job.output = *out;
  if (const auto name = args.value("--format")) {
    job.format = packing::inputFormatNamed(*name);
    if (!job.format) return usageError("unknown format '" + *name + "': give csv or json");
  } else if (job.input) {
    job.format = packing::inputFormatForFileName(*job.input);
  }
  if (!job.output && runtime::standardOutputIsTerminal()) {
    return usageError("a speech file is not for the terminal: give -o OUT, or send standard output to a file");
  }
  return packFile(job);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fputs("speechpack: There is not enough memory to make the speech file. Nothing was written.\n", stderr);
    return 1;
  }
}
