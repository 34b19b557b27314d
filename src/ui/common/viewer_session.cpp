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
#include "packing/packing.h"
#include "runtime/errors.h"
#include "runtime/platform.h"
#include "runtime/text.h"
#include "speechfile/record.h"
#include "speechfile/record_writer.h"
#include "texts/texts.h"
#include "ui/common/save_list.h"
#include "version.h"

namespace ui {
namespace {

constexpr texts::Source kNoMemoryToSave =
    SPEECH_TEXT("window", "There is not enough memory to save the list; the file was not written.");
constexpr texts::Source kNoMemoryToFind = SPEECH_TEXT("window", "There is not enough memory to search the lines.");
constexpr texts::Source kNoMemoryToList = SPEECH_TEXT("window", "There is not enough memory to list the file.");
constexpr texts::Source kNoMemoryToRead =
    SPEECH_TEXT("window", "There is not enough memory to read the texts in this encoding.");
constexpr texts::Source kNoMemoryToCompare = SPEECH_TEXT("window", "There is not enough memory to compare the files.");

// After running out of memory: the window's reserve is given back, so that
// the message and the window's painting have room.
std::string outOfMemory(const texts::Source& message) {
  listing::memory_reserve::release();
  return texts::text(message);
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
  if (!startGet(field)) return texts::text(kGetRuns);
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
  // Texts are weighed as UTF-8 only where the answer could change what shows.
  lines_.weighUtf8(!choice_ && !encoding_.isUtf8());
  forgetResults();
  control_ = std::make_unique<listing::GetControl>();
  stopped_ = false;
  readWhole_ = false;
  fromList_ = false;
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
    readWhole_ = true;
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
  if (getRuns()) return texts::text(kGetRuns);
  const runtime::Encoding encoding = choice.value_or(systemDefault_);
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

// ---- A file whose texts look like UTF-8

std::optional<std::string> ViewerSession::utf8Question() const {
  if (getRuns() || choice_ || encoding_.isUtf8() || !lines_.looksLikeUtf8() || !lines_.source()) return std::nullopt;
  const std::filesystem::path& file = lines_.source()->path;
  if (std::find(askedUtf8_.begin(), askedUtf8_.end(), file) != askedUtf8_.end()) return std::nullopt;
  return texts::text(SPEECH_TEXT("ViewerSession", "The texts of %1 look like UTF-8, not %2. Show them as UTF-8?"),
                     {shown(runtime::pathText(file.filename())), encoding_.name()});
}

std::optional<std::string> ViewerSession::answerUtf8Question(bool showAsUtf8) {
  if (!utf8Question()) return std::nullopt;
  try {
    askedUtf8_.push_back(lines_.source()->path);
  } catch (const std::bad_alloc&) {
    // Asked again, at worst.
  }
  if (!showAsUtf8) return std::nullopt;
  return setEncoding(runtime::Encoding::fromCodePage(runtime::Encoding::kUtf8));
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
  if (getRuns()) return {std::nullopt, false, texts::text(kGetRuns)};
  const bool next = direction == FindDirection::Next;
  try {
    FindRequest request = search_;
    request.direction = direction;
    const std::optional<std::size_t> row = findLine(lines_, request, from, encoding_);
    if (!row)
      return {std::nullopt, false, texts::text(SPEECH_TEXT("window", "No line holds \"%1\"."), {shown(search_.text)})};
    const bool cameRound = from && (next ? *row <= *from : *row >= *from);
    std::string message;
    if (cameRound) {
      message = texts::text(next ? SPEECH_TEXT("window", "Went on from the first line.")
                                 : SPEECH_TEXT("window", "Went on from the last line."));
    }
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
  if (getRuns()) return texts::text(kGetRuns);
  try {
    found_.findAll(search_);
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    found_.clear();
    return outOfMemory(kNoMemoryToFind);
  }
}

std::optional<std::string> ViewerSession::startCompare(const std::filesystem::path& oldFile) {
  if (getRuns()) return texts::text(kGetRuns);
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
    outcome.failure = texts::text(kGetRuns);
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
  if (getRuns()) return texts::text(kGetRuns);
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

// ---- Editing

namespace {

constexpr const char* kEditing = "editing";

std::string noMemoryToEdit() {
  return outOfMemory(SPEECH_TEXT(kEditing, "There is not enough memory for this change; nothing was changed."));
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// An ID as the user types it: one to four hexadecimal digits, blanks around
// them left out.
std::optional<std::int16_t> idFromText(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  if (text.empty() || text.size() > runtime::kMaxHexDigits) return std::nullopt;
  unsigned value = 0;
  for (const char c : text) {
    const int digit = hexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(digit);
  }
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

bool sameBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

}  // namespace

std::string ViewerSession::textOf(std::span<const std::uint8_t> bytes) const {
  std::string text(runtime::maxAnsiTextSize(bytes.size()), '\0');
  text.resize(static_cast<std::size_t>(
      runtime::writeAnsiText(text.data(), bytes, encoding_, runtime::UndefinedBytes::AsWindowsGives) - text.data()));
  return text;
}

ViewerSession::EntryFields ViewerSession::entryFields(std::size_t row) const {
  if (getRuns() || row >= rowCount()) return {};
  const model::EntryView entry = lines_.entries().row(row);
  return {runtime::hexText(entry.id), textOf(entry.text)};
}

ViewerSession::EntryFields ViewerSession::newEntryFields(std::optional<std::size_t> row) const {
  if (getRuns() || !row || *row >= rowCount()) return {"0", {}};
  return {runtime::hexText(lines_.entries().row(*row).id), {}};
}

ViewerSession::EntryBytes ViewerSession::entryBytes(std::optional<std::size_t> row, const EntryFields& fields) const {
  EntryBytes bytes;
  const std::optional<std::int16_t> id = idFromText(fields.id);
  if (!id) {
    bytes.problem = texts::text(SPEECH_TEXT(kEditing, "The ID is to be 1 to 4 hexadecimal digits, from 0 to FFFF."));
  } else {
    bytes.id = *id;
  }
  // The text as the window was given it keeps its bytes exactly, those that
  // convert to no character (or to one that converts back to others) included.
  if (row && *row < rowCount()) {
    const model::EntryView entry = lines_.entries().row(*row);
    if (fields.text == textOf(entry.text)) {
      bytes.text.assign(entry.text.begin(), entry.text.end());
      return bytes;
    }
  }
  if (const auto unencodable = runtime::encodeText(fields.text, encoding_, bytes.text)) {
    const std::string why = unencodable->validUtf8
                                ? runtime::noBytesText(unencodable->character, encoding_)
                                : texts::text(SPEECH_TEXT(kEditing, "The text is not valid Unicode at byte %1"),
                                              {std::to_string(unencodable->at)});
    if (bytes.problem.empty()) bytes.problem = shown(why) + ".";
    bytes.text.clear();
  } else if (bytes.text.size() > static_cast<std::size_t>(speechfile::kMaxTextLength) && bytes.problem.empty()) {
    bytes.problem = texts::text(SPEECH_TEXT(kEditing, "The text takes %1 bytes, more than the %2 an entry can hold."),
                                {texts::Argument::count(bytes.text.size()),
                                 texts::Argument::count(static_cast<std::uint64_t>(speechfile::kMaxTextLength))});
  }
  return bytes;
}

ViewerSession::FieldsCheck ViewerSession::checkFields(std::optional<std::size_t> row, const EntryFields& fields) const {
  FieldsCheck check;
  try {
    const EntryBytes bytes = entryBytes(row, fields);
    check.problem = bytes.problem;
    const bool encoded = !bytes.text.empty() || fields.text.empty();
    if (encoded) {
      check.bytes = texts::text(SPEECH_TEXT(kEditing, "%1 of %2 bytes"),
                                {texts::Argument::count(bytes.text.size()),
                                 texts::Argument::count(static_cast<std::uint64_t>(speechfile::kMaxTextLength))});
    }
    if (fields.text.empty()) {
      check.note = texts::text(SPEECH_TEXT(
          kEditing, "Without a text the entry is kept in the file as one without text, which the list does not show."));
    }
  } catch (const std::bad_alloc&) {
    check.problem = noMemoryToEdit();
  }
  return check;
}

ViewerSession::EditOutcome ViewerSession::afterEdit(const std::optional<model::Edit>& edit) const {
  const model::SpeechModel& entries = lines_.entries();
  if (!edit || entries.rowCount() == 0) return {};
  if (const auto row = edit->entry < entries.entryCount() ? entries.rowOfEntry(edit->entry) : std::nullopt) {
    return {row, {}};
  }
  // The entry is gone, or has no text: the next line, else the last.
  std::optional<std::size_t> next;
  entries.forEachEntry(edit->entry, [&](std::size_t index, const model::EntryView& entry) {
    if (entry.text.empty()) return true;
    next = entries.rowOfEntry(index);
    return false;
  });
  return {next ? next : entries.rowCount() - 1, {}};
}

ViewerSession::EditOutcome ViewerSession::editEntry(std::size_t row, const EntryFields& fields) {
  if (getRuns()) return {std::nullopt, texts::text(kGetRuns)};
  if (row >= rowCount()) return {};
  try {
    const EntryBytes bytes = entryBytes(row, fields);
    if (!bytes.problem.empty()) return {row, bytes.problem};
    model::SpeechModel& entries = lines_.entries();
    const model::EntryView now = entries.row(row);
    // Nothing changes: nothing to undo, nothing to save.
    if (now.id == bytes.id && sameBytes(now.text, bytes.text)) return {row, {}};
    const std::size_t entry = entries.entryOfRow(row);
    entries.change(entry, bytes.id, bytes.text);
    return afterEdit(model::Edit{model::Edit::Kind::Change, entry});
  } catch (const std::bad_alloc&) {
    return {row, noMemoryToEdit()};
  } catch (const std::exception& e) {
    return {row, shown(e.what())};
  }
}

ViewerSession::EditOutcome ViewerSession::newEntry(std::optional<std::size_t> afterRow, const EntryFields& fields) {
  if (getRuns()) return {std::nullopt, texts::text(kGetRuns)};
  try {
    const EntryBytes bytes = entryBytes(std::nullopt, fields);
    if (!bytes.problem.empty()) return {afterRow, bytes.problem};
    model::SpeechModel& entries = lines_.entries();
    const std::size_t at =
        afterRow && *afterRow < entries.rowCount() ? entries.entryOfRow(*afterRow) + 1 : entries.entryCount();
    entries.insert(at, bytes.id, bytes.text);
    return afterEdit(model::Edit{model::Edit::Kind::Insert, at});
  } catch (const std::bad_alloc&) {
    return {afterRow, noMemoryToEdit()};
  } catch (const std::exception& e) {
    return {afterRow, shown(e.what())};
  }
}

ViewerSession::EditOutcome ViewerSession::deleteEntry(std::size_t row) {
  if (getRuns()) return {std::nullopt, texts::text(kGetRuns)};
  if (row >= rowCount()) return {};
  try {
    model::SpeechModel& entries = lines_.entries();
    const std::size_t entry = entries.entryOfRow(row);
    entries.remove(entry);
    return afterEdit(model::Edit{model::Edit::Kind::Remove, entry});
  } catch (const std::bad_alloc&) {
    return {row, noMemoryToEdit()};
  }
}

ViewerSession::EditOutcome ViewerSession::undo() {
  if (getRuns()) return {std::nullopt, texts::text(kGetRuns)};
  try {
    return afterEdit(lines_.entries().undo());
  } catch (const std::bad_alloc&) {
    return {std::nullopt, noMemoryToEdit()};
  }
}

ViewerSession::EditOutcome ViewerSession::redo() {
  if (getRuns()) return {std::nullopt, texts::text(kGetRuns)};
  try {
    return afterEdit(lines_.entries().redo());
  } catch (const std::bad_alloc&) {
    return {std::nullopt, noMemoryToEdit()};
  }
}

std::string ViewerSession::unsavedChangesQuestion() const {
  if (lines_.source() && !fromList_) {
    return texts::text(SPEECH_TEXT(kEditing, "Save the changes to %1?"),
                       {shown(runtime::pathText(lines_.source()->path.filename()))});
  }
  if (fromList_) {
    return texts::text(SPEECH_TEXT(kEditing, "Save the entries of %1 as a speech file?"),
                       {shown(runtime::pathText(listOpened_.filename()))});
  }
  return texts::text(SPEECH_TEXT(kEditing, "Save the new entries as a speech file?"));
}

// ---- Saving the speech file

namespace {

// A save's check found the file not as it was read: the question to ask.
class ChangedOnDisk : public runtime::RuntimeError {
 public:
  explicit ChangedOnDisk(std::string question)
      : runtime::RuntimeError(runtime::ErrorNumber::PermissionDenied, question), question_(std::move(question)) {}
  const std::string& question() const { return question_; }

 private:
  std::string question_;
};

std::string changedQuestion(const std::filesystem::path& file, const std::optional<runtime::ReplacedFile>& read,
                            const std::optional<runtime::ReplacedFile>& now) {
  const std::string name = runtime::quotedPath(file);
  if (!now) {
    return texts::text(SPEECH_TEXT(kEditing,
                                   "%1 is no longer there: it was moved, renamed or deleted since it was "
                                   "read. Save the entries there as a new file?"),
                       {name});
  }
  if (!read) {
    return texts::text(
        SPEECH_TEXT(kEditing, "The system did not tell whether %1 has changed since it was read. Replace it?"), {name});
  }
  if (now->identity != read->identity) {
    return texts::text(SPEECH_TEXT(kEditing,
                                   "%1 is another file than the one read: it was replaced since. Replace "
                                   "it with these entries?"),
                       {name});
  }
  return texts::text(SPEECH_TEXT(kEditing,
                                 "%1 has changed on disk since it was read. Replace it with these entries, "
                                 "and lose what was changed there?"),
                     {name});
}

}  // namespace

ViewerSession::SpeechFileSave ViewerSession::saveSpeechFile(bool replaceChanged) {
  using Result = SpeechFileSave::Result;
  if (getRuns()) return {Result::Failed, texts::text(kGetRuns)};
  const std::optional<LineStore::Source>& source = lines_.source();
  if (!source || fromList_) {
    if (fromList_ || lines_.entries().hasUnsavedEdits()) return {Result::NeedsName, {}};
    return {Result::Failed,
            texts::text(SPEECH_TEXT(kEditing, "There is nothing to save: get a speech file or open a list first."))};
  }
  // The entries after the place a Get stopped at are not here to write.
  if (!readWhole_) {
    return {Result::Failed,
            texts::text(SPEECH_TEXT(kEditing,
                                    "Only a part of %1 was read, and saving over it would lose the rest of its "
                                    "entries: nothing was written. Use Save speech file as to write the "
                                    "entries listed to another file."),
                        {shown(runtime::quotedPath(source->path))})};
  }
  runtime::ReplaceCheck check;
  if (!replaceChanged) {
    check = [path = source->path, read = source->facts](const std::optional<runtime::ReplacedFile>& now) {
      if (!read || now != read) throw ChangedOnDisk(changedQuestion(path, read, now));
    };
  }
  return writeSpeechFile(source->path, check);
}

ViewerSession::SpeechFileSave ViewerSession::saveSpeechFileAs(const std::filesystem::path& target) {
  if (getRuns()) return {SpeechFileSave::Result::Failed, texts::text(kGetRuns)};
  return writeSpeechFile(target, {});
}

ViewerSession::SpeechFileSave ViewerSession::writeSpeechFile(const std::filesystem::path& target,
                                                             const runtime::ReplaceCheck& check) {
  using Result = SpeechFileSave::Result;
  model::SpeechModel& entries = lines_.entries();
  try {
    runtime::writeWholeFile(target, check, [&](const runtime::ByteWriter& write) {
      speechfile::RecordWriter writer(write);
      entries.forEachEntry(0, [&](std::size_t, const model::EntryView& entry) {
        writer.append(static_cast<std::uint16_t>(entry.id), entry.text);
        return true;
      });
      writer.finish();
    });
  } catch (const ChangedOnDisk& changed) {
    return {Result::ChangedOnDisk, shown(changed.question())};
  } catch (const std::bad_alloc&) {
    return {Result::Failed, outOfMemory(SPEECH_TEXT(
                                kEditing, "There is not enough memory to save the speech file; it was not written."))};
  } catch (const std::exception& e) {
    return {Result::Failed, shown(e.what())};
  }
  // The file written is the speech file from now on, as it is now.
  entries.markSaved();
  fromList_ = false;
  readWhole_ = true;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(target, error).lexically_normal();
  std::optional<runtime::ReplacedFile> facts = runtime::platform::fileFacts(target);
  std::optional<runtime::FileIdentity> identity;
  if (facts) identity = facts->identity;
  lines_.setSource(LineStore::Source{error ? target : absolute, identity, facts});
  return {Result::Saved, {}};
}

ViewerSession::SaveSuggestion ViewerSession::speechFileSuggestion() const {
  if (lines_.source() && !fromList_) return {lines_.source()->path.parent_path(), lines_.source()->path.filename()};
  std::error_code error;
  const std::filesystem::path list = std::filesystem::absolute(listOpened_, error);
  return {fromList_ && !error ? list.parent_path() : std::filesystem::path(), "speech.mul"};
}

// ---- Open a list

std::optional<std::string> ViewerSession::openList(const std::filesystem::path& list) {
  if (getRuns()) return texts::text(kGetRuns);
  std::unique_ptr<runtime::ByteSource> input;
  try {
    input = runtime::openFileReadOnly(list);
  } catch (const runtime::RuntimeError& e) {
    return shown(runtime::quotedPath(list) + ": " + e.what());
  } catch (const std::bad_alloc&) {
    return outOfMemory(kNoMemoryToList);
  }
  try {
    // Read whole before anything listed goes: a list with a fault opens
    // nothing, and the entries listed stay as they were.
    LineStore opened;
    packing::readEntries(*input, packing::inputFormatForFileName(list), encoding_,
                         [&](const packing::PackedEntry& packed) {
                           const speechfile::Entry entry{0, static_cast<std::int16_t>(packed.id), packed.text};
                           if (packed.text.empty()) {
                             opened.skipEmpty(entry);
                           } else {
                             opened.addItem(entry);
                           }
                         });
    lines_ = std::move(opened);
  } catch (const packing::PackError& e) {
    return shown(runtime::quotedPath(list) + ", " + e.what() + ".");
  } catch (const std::bad_alloc&) {
    return outOfMemory(kNoMemoryToList);
  } catch (const std::exception& e) {
    return shown(e.what());
  }
  readWhole_ = false;
  fromList_ = true;
  listOpened_ = list;
  return std::nullopt;
}

std::vector<FileType> fileTypes(FileDialog dialog, std::string_view separator) {
  struct Type {
    texts::Source name;
    std::vector<std::string> extensions;
  };
  const texts::Source allFiles = SPEECH_TEXT("file dialogs", "All files (%1)");
  std::vector<Type> types;
  switch (dialog) {
    case FileDialog::SaveList:
      types = {{SPEECH_TEXT("file dialogs", "Text files (%1)"), {"txt"}},
               {SPEECH_TEXT("file dialogs", "CSV (%1)"), {"csv"}},
               {SPEECH_TEXT("file dialogs", "JSON Lines (%1)"), {"json", "jsonl"}}};
      break;
    case FileDialog::SaveSpeechFile:
    case FileDialog::OpenSpeechFile:
      types = {{SPEECH_TEXT("file dialogs", "Speech files (%1)"), {"mul"}}, {allFiles, {}}};
      break;
    case FileDialog::OpenList:
      types = {{SPEECH_TEXT("file dialogs", "Lists (%1)"), {"csv", "json", "jsonl", "ndjson"}}, {allFiles, {}}};
      break;
  }
  std::vector<FileType> offered;
  for (const Type& type : types) {
    std::string patterns = type.extensions.empty() ? "*" : "";
    for (const std::string& extension : type.extensions) {
      patterns += (patterns.empty() ? "*." : std::string(separator) + "*.") + extension;
    }
    offered.push_back({texts::text(type.name, {patterns}), type.extensions});
  }
  return offered;
}

// ---- A long Get's progress

GetProgressText getProgressText(const ViewerSession::GetProgress& progress, const std::filesystem::path& file) {
  constexpr std::uint64_t kMB = 1000 * 1000;
  const std::string name = shown(runtime::pathText(file.filename()));
  const texts::Argument read = texts::Argument::count(progress.bytesRead / kMB);
  // %1 is the file's name, %2 and %3 millions of bytes.
  if (progress.fileSize == 0)
    return {texts::text(SPEECH_TEXT("window", "Reading %1: %2 MB"), {name, read}), std::nullopt};
  const texts::Argument size = texts::Argument::count((progress.fileSize + kMB - 1) / kMB);
  // A file that grows while it is read: how far the Get has come is known,
  // how far it has to go is not.
  if (progress.bytesRead > progress.fileSize) {
    return {texts::text(SPEECH_TEXT("window", "Reading %1: %2 MB (the file grew from %3 MB)"), {name, read, size}),
            std::nullopt};
  }
  return {texts::text(SPEECH_TEXT("window", "Reading %1: %2 of %3 MB"), {name, read, size}),
          static_cast<int>(progress.bytesRead * kProgressSteps / progress.fileSize)};
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

namespace {

// The system's default as the usage names it: "code page 1252", or UTF-8.
std::string systemCodePage() {
  const runtime::Encoding encoding = runtime::Encoding::systemDefault();
  return encoding.isUtf8() ? std::string("UTF-8") : "code page " + std::to_string(encoding.codePage());
}

}  // namespace

std::string viewerUsage(const ViewerProgram& program) {
  const std::string name(program.name);
  return "usage: " + name + " [--encoding NAME] [--] [PATH]\n" + "       " + name +
         " [--encoding NAME] --compare OLD [--] NEW\n" + "       " + name + " --help" +
         (program.slashQuestionMark ? " | /?" : "") + " | --version\n" +
         "\n"
         "Opens the speech file viewer. With a PATH, the window starts with it in\n"
         "the path field and lists the file at once, as if Get had been clicked.\n"
         "Give \"--\" before a PATH that starts with '-'. The file is written only\n"
         "when edits are saved to it. To list a file on the terminal, use\n"
         "speechlist.\n"
         "\n"
         "  --compare OLD    list NEW and open the Differences window against OLD,\n"
         "                   as a version-control system's difftool does\n"
         "  --encoding NAME  the texts' encoding: ansi (the system's default,\n"
         "                   now " +
         systemCodePage() +
         ", without the option), utf-8,\n"
         "                   or a code page: 874, 932, 936, 949, 950, 1250 to\n"
         "                   1258; the list's menu offers them all too\n";
}

std::string viewerVersion() { return "speechviewer " SPEECH_VERSION "\n" SPEECH_LICENCE; }

}  // namespace ui
