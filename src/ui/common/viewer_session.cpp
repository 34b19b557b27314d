#include "ui/common/viewer_session.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <exception>
#include <new>
#include <system_error>

#include "listing/command_line.h"
#include "listing/list_line.h"
#include "listing/memory_reserve.h"
#include "listing/shown_text.h"
#include "listing/threaded_list.h"
#include "runtime/errors.h"
#include "texts/texts.h"
#include "ui/common/save_list.h"
#include "version.h"

namespace ui {
namespace {

constexpr std::string_view kNoMemoryToSave = "There is not enough memory to save the list; the file was not written.";
constexpr std::string_view kNoMemoryToFind = "There is not enough memory to search the lines.";
constexpr std::string_view kNoMemoryToList = "There is not enough memory to list the file.";
constexpr std::string_view kNoMemoryToCompare = "There is not enough memory to compare the files.";
constexpr std::string_view kNoMemoryToRead = "There is not enough memory to read the texts in this encoding.";

// After running out of memory: the window's reserve is given back, so that
// the message and the window's painting have room.
std::string outOfMemory(std::string_view message) {
  listing::memory_reserve::release();
  return std::string(message);
}

// A message in its shown form; if even that finds no memory, the words
// without it (they hold nothing to show).
std::string shown(std::string_view message) {
  try {
    return listing::shownText(message);
  } catch (const std::bad_alloc&) {
    return std::string(message);
  }
}

// What a field shows for a path: the shown form of its name where its bytes
// are not plain UTF-8 text. Windows' names are UTF-16 and always shown as
// they are.
std::filesystem::path shownInField(const std::filesystem::path& path) {
  if constexpr (sizeof(std::filesystem::path::value_type) == 1) {
    const std::string bytes = runtime::pathText(path);
    if (listing::changesWhenShown(bytes)) return std::filesystem::path(listing::shownText(bytes));
  }
  return path;
}

}  // namespace

// ---- Get

std::filesystem::path ViewerSession::offerPath(const std::filesystem::path& given) {
  given_ = given;
  offered_ = shownInField(given);
  return offered_;
}

ViewerSession::~ViewerSession() {
  if (!running_.valid()) return;
  control_->stop();
  running_.wait();
}

std::optional<std::string> ViewerSession::get(const std::filesystem::path& field) {
  if (!startGet(field)) return std::string(kGetRuns);
  return endGet();
}

std::filesystem::path ViewerSession::pathToRead(const std::filesystem::path& field) const {
  // The path given, while the field shows it as it was offered.
  if (!offered_.empty() && field == offered_) return given_;
  return field;
}

bool ViewerSession::startGet(const std::filesystem::path& field) {
  // The Get that runs holds control_ and fills lines_: a second one would
  // pull both from under it.
  if (getRuns()) return false;
  // The field was read on the window's thread as Get was clicked; the Get
  // itself empties the list first.
  const std::filesystem::path file = pathToRead(field);
  forgetResults();
  control_ = std::make_unique<listing::GetControl>();
  stopped_ = false;
  try {
    running_ = std::async(std::launch::async, [this, file] { return runGet(file); });
  } catch (const std::system_error&) {
    // No thread to be had: the Get runs here, and has ended when it returns.
    std::promise<std::optional<std::string>> ran;
    ran.set_value(runGet(file));
    running_ = ran.get_future();
  }
  return true;
}

bool ViewerSession::waitForGet(std::chrono::milliseconds timeout) {
  return !running_.valid() || running_.wait_for(timeout) == std::future_status::ready;
}

ViewerSession::GetProgress ViewerSession::getProgress() const {
  if (!control_) return {};
  return {control_->bytesRead(), control_->fileSize()};
}

void ViewerSession::stopGet() {
  if (control_) control_->stop();
}

std::optional<std::string> ViewerSession::endGet() {
  if (!running_.valid()) return std::nullopt;
  return running_.get();
}

void ViewerSession::abandonGet() {
  if (!getRuns()) return;
  stopGet();
  endGet();
  lines_.clear();
  stopped_ = false;
}

std::optional<std::string> ViewerSession::runGet(const std::filesystem::path& path) {
  try {
    // The file is read on this thread while a second one stores the entries.
    if (const auto error = listing::runGetOnTwoThreads(reading_, path, lines_, control_.get())) {
      stopped_ = error->cause().number() == runtime::ErrorNumber::UserInterrupt;
      return shown(error->what());
    }
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    return outOfMemory(kNoMemoryToList);
  } catch (const std::exception& e) {
    return shown(e.what());
  }
}

std::string ViewerSession::shownLine(std::size_t row) const {
  LineStore::Scratch scratch;
  return listing::shownText(lines_.line(row, scratch, encoding_));
}

// ---- The encoding

std::optional<std::string> ViewerSession::setEncoding(std::optional<runtime::Encoding> choice) {
  if (getRuns()) return std::string(kGetRuns);
  const runtime::Encoding encoding = choice.value_or(runtime::Encoding::systemDefault());
  try {
    // The tables are made here, where running out of memory can be said.
    listing::prepareConversions(encoding);
  } catch (const std::bad_alloc&) {
    return outOfMemory(kNoMemoryToRead);
  }
  choice_ = choice;
  encoding_ = encoding;
  return std::nullopt;
}

std::vector<EncodingMenuItem> encodingMenu(const std::optional<runtime::Encoding>& choice) {
  std::vector<EncodingMenuItem> items{{runtime::systemDefaultName(), std::nullopt, !choice}};
  for (const runtime::Encoding encoding : runtime::Encoding::all()) {
    items.push_back({encoding.name(), encoding, choice == encoding});
  }
  return items;
}

// ---- Find

void ViewerSession::setSearch(std::string text, bool matchCase) {
  search_.text = std::move(text);
  search_.matchCase = matchCase;
}

ViewerSession::Found ViewerSession::find(FindDirection direction, std::optional<std::size_t> from) const {
  if (search_.text.empty()) return {};
  // The lines are the Get's until it ends.
  if (getRuns()) return {std::nullopt, false, std::string(kGetRuns)};
  const bool next = direction == FindDirection::Next;
  try {
    FindRequest request = search_;
    request.direction = direction;
    const std::optional<std::size_t> row = findLine(lines_, request, from, encoding_);
    if (!row) return {std::nullopt, false, "No line holds \"" + shown(search_.text) + "\"."};
    const bool cameRound = from && (next ? *row <= *from : *row >= *from);
    std::string message;
    if (cameRound) message = next ? "Went on from the first line." : "Went on from the last line.";
    return {row, cameRound, std::move(message)};
  } catch (const std::bad_alloc&) {
    return {std::nullopt, false, outOfMemory(kNoMemoryToFind)};
  }
}

// ---- Find all and Compare with

void ViewerSession::forgetResults() {
  // Their rows are those of the file listed before.
  found_.clear();
  differences_.reset();
}

std::optional<std::string> ViewerSession::findAll() {
  if (getRuns()) return std::string(kGetRuns);
  try {
    found_.findAll(search_);
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    found_.clear();
    return outOfMemory(kNoMemoryToFind);
  }
}

std::optional<std::string> ViewerSession::startCompare(const std::filesystem::path& oldFile) {
  if (getRuns()) return std::string(kGetRuns);
  if (compareRuns())
    return texts::text(SPEECH_TEXT("differences", "A compare runs already: wait until it is done, or cancel it."));
  const auto& source = lines_.source();
  if (!source)
    return texts::text(SPEECH_TEXT("differences", "List a file first: it is compared with the file you choose."));
  try {
    compareWith_ = oldFile;
    compare_ = std::make_unique<CompareTask>(oldFile, source->path);
  } catch (const std::bad_alloc&) {
    return outOfMemory(kNoMemoryToCompare);
  }
  return std::nullopt;
}

bool ViewerSession::waitForCompare(std::chrono::milliseconds timeout) const {
  return !compare_ || compare_->wait(timeout);
}

CompareProgressText ViewerSession::compareProgress() const {
  if (!compare_) return {};
  return compareProgressText(compare_->progress(), compareWith_, kProgressSteps);
}

void ViewerSession::stopCompare() {
  if (compare_) compare_->stop();
}

std::optional<std::string> ViewerSession::endCompare() {
  if (!compare_) return std::nullopt;
  comparing::CompareOutcome outcome = compare_->end();
  compare_.reset();
  if (outcome.stopped) return texts::text(SPEECH_TEXT("differences", "The compare was stopped."));
  if (!outcome.compared) {
    std::string failures;
    for (const std::string& failure : outcome.failures) failures += (failures.empty() ? "" : "\n") + shown(failure);
    return failures;
  }
  // The listed file was read again for the compare: its rows are the ones
  // the differences select only while it holds the same entries.
  const comparing::FileEntries& read = outcome.compared->newEntries;
  if (read.size() != lines_.entries().entryCount() || read.byteSize() != lines_.entries().fileSize()) {
    return texts::text(
        SPEECH_TEXT("differences", "The listed file has changed since it was listed. Get it again, then compare."));
  }
  try {
    differences_.emplace(std::move(*outcome.compared), compareWith_, lines_, encoding_);
  } catch (const std::bad_alloc&) {
    return outOfMemory(kNoMemoryToCompare);
  }
  return std::nullopt;
}

// ---- Copy and save

TextOutcome ViewerSession::allShownLines(std::string_view lineEnd) const {
  TextOutcome outcome;
  if (getRuns()) {
    outcome.failure = kGetRuns;
    return outcome;
  }
  try {
    LineStore::Scratch scratch;
    std::string shownLine;
    lines_.forEachRow(0, scratch, [&](std::size_t, const LineStore::Row& row) {
      const std::string_view line = listing::formatListLine(scratch.line, row.id, row.text, encoding_);
      shownLine.resize(listing::maxShownSize(line.size()));
      outcome.text.append(shownLine.data(), listing::writeShownText(shownLine.data(), line));
      outcome.text += lineEnd;
      return true;
    });
  } catch (const std::bad_alloc&) {
    outcome.text = std::string();
    outcome.failure = outOfMemory(kNoMemoryToCopy);
  }
  return outcome;
}

std::optional<std::string> ViewerSession::saveListAs(const std::filesystem::path& target) const {
  if (getRuns()) return std::string(kGetRuns);
  try {
    saveList(lines_, target, encoding_);
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    return outOfMemory(kNoMemoryToSave);
  } catch (const std::exception& e) {
    return shown(e.what());
  }
}

ViewerSession::SaveSuggestion ViewerSession::saveSuggestion() const {
  const auto& source = lines_.source();
  if (!source) return {{}, "list.txt"};
  std::filesystem::path name = source->path.stem();
  name += ".txt";
  return {source->path.parent_path(), name};
}

// ---- A long Get's progress

GetProgressText getProgressText(const ViewerSession::GetProgress& progress, const std::filesystem::path& file) {
  constexpr std::uint64_t kMB = 1000 * 1000;
  const std::string name = shown(runtime::pathText(file.filename()));
  const std::string read = runtime::groupedNumber(progress.bytesRead / kMB);
  const std::string reading = "Reading " + name + ": " + read;
  if (progress.fileSize == 0) return {reading + " MB", std::nullopt};
  const std::string size = runtime::groupedNumber((progress.fileSize + kMB - 1) / kMB);
  // A file that grows while it is read: how far the Get has come is known,
  // how far it has to go is not.
  if (progress.bytesRead > progress.fileSize)
    return {reading + " MB (the file grew from " + size + " MB)", std::nullopt};
  return {reading + " of " + size + " MB", static_cast<int>(progress.bytesRead * kProgressSteps / progress.fileSize)};
}

// ---- The window's command line

namespace {

constexpr listing::OptionSpec kCompareOption = {"--compare", "OLD"};
constexpr std::array<listing::OptionSpec, 4> kViewerOptions = {
    {{"--help", {}, "-h"}, {"--version"}, listing::kEncodingOption, kCompareOption}};

bool isAnsi(std::string_view name) {
  return name.size() == 4 && std::equal(name.begin(), name.end(), "ansi", [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         });
}

}  // namespace

ViewerCommandLine readViewerCommandLine(const std::vector<std::filesystem::path>& arguments,
                                        const ViewerProgram& program) {
  const listing::OptionSpec slashHelp{"--help", {}, "/?"};
  std::vector<listing::OptionSpec> known(kViewerOptions.begin(), kViewerOptions.end());
  if (program.slashQuestionMark) known.push_back(slashHelp);
  const listing::Arguments read = listing::readArguments(arguments, known);
  ViewerCommandLine line;
  if (!read.problem.empty()) {
    line.action = ViewerCommandLine::Action::Refuse;
    line.problem = read.problem;
  } else if (read.has("--help")) {
    line.action = ViewerCommandLine::Action::ShowUsage;
  } else if (read.has("--version")) {
    line.action = ViewerCommandLine::Action::ShowVersion;
  } else if (read.paths.size() > 1) {
    line.action = ViewerCommandLine::Action::Refuse;
    line.problem = listing::kTooManyPaths;
  } else if (const auto encoding = listing::chosenEncoding(read, line.problem)) {
    // Any NAME but "ansi" is a choice of its own, even of the system's
    // default code page: the Encoding menu checks it by its name.
    const std::optional<std::string> name = read.value(listing::kEncodingOption.name);
    if (name && runtime::Encoding::named(*name) && !isAnsi(*name)) line.encoding = *encoding;
    if (!read.paths.empty()) line.path = read.paths.front();
    line.compareWith = read.pathValue(kCompareOption.name);
    if (line.compareWith && !line.path) {
      line.action = ViewerCommandLine::Action::Refuse;
      line.problem = "--compare OLD needs the NEW file after it";
    }
  } else {
    line.action = ViewerCommandLine::Action::Refuse;
  }
  return line;
}

std::string viewerUsage(const ViewerProgram& program) {
  const std::string name(program.name);
  return "usage: " + name + " [--encoding NAME] [--] [PATH]\n" + "       " + name +
         " [--encoding NAME] --compare OLD [--] NEW\n" + "       " + name + " --help" +
         (program.slashQuestionMark ? " | /?" : "") + " | --version\n" +
         "\n"
         "Opens the speech file viewer. With a PATH, the window starts with it in\n"
         "the path field and lists the file at once, as if Get had been clicked.\n"
         "Give \"--\" before a PATH that starts with '-'. The file is only read,\n"
         "never written. To list a file on the terminal, use speechlist.\n"
         "\n"
         "  --compare OLD    list NEW and open the Differences window against OLD,\n"
         "                   as a version-control system's difftool does\n"
         "  --encoding NAME  the texts' encoding: " +
         std::string(runtime::kEncodingNames) +
         ";\n"
         "                   the list's menu offers them all too. Without it: the\n"
         "                   system's default, " +
         runtime::systemDefaultName() + ".\n";
}

std::string viewerVersion() { return "speechviewer " SPEECH_VERSION "\n" SPEECH_LICENCE; }

}  // namespace ui
