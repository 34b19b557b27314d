// The viewer's behaviour, once for both windows: what a window shows and
// does, without a toolkit. A window owns one session, hands it what the user
// did and shows what it gives back; its dialogs, menus, clipboard, cursors
// and drawing stay in the window.
//
// No exception leaves a session: every failure, running out of memory
// included, comes back as a message in plain words, in its shown form (no
// control character acts), ready for a message box.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "listing/threaded_list.h"
#include "model/speech_model.h"
#include "runtime/encoding.h"
#include "runtime/file_save.h"
#include "speechfile/get_action.h"
#include "texts/texts.h"
#include "ui/common/differences.h"
#include "ui/common/find_line.h"
#include "ui/common/found_lines.h"
#include "ui/common/line_store.h"

namespace ui {

// What Copy all lines says when there is no memory for every line, in the
// session or in the window's clipboard.
constexpr texts::Source kNoMemoryToCopy =
    SPEECH_TEXT("window", "There is not enough memory to copy every line; nothing was copied.");
// What get(), find, copy, save and a change of encoding say while a Get runs.
constexpr texts::Source kGetRuns =
    SPEECH_TEXT("window", "A file is being listed: wait until it is done, or cancel it.");

// A text a session made, or why it could not.
struct TextOutcome {
  std::string text;
  std::string failure;  // empty when the text was made
};

class ViewerSession {
 public:
  // The texts are read in `systemDefault` until an encoding is chosen.
  explicit ViewerSession(runtime::Encoding systemDefault = runtime::Encoding::systemDefault())
      : systemDefault_(systemDefault), encoding_(systemDefault) {}
  // Stops a Get that still runs, and waits for it.
  ~ViewerSession();
  ViewerSession(const ViewerSession&) = delete;
  ViewerSession& operator=(const ViewerSession&) = delete;

  // ---- Get

  // A path given on the command line or by a drop, for the path field to
  // show: returns what the field shows. A name whose bytes are not valid
  // UTF-8, or that holds a control character, shows in its shown form
  // ("\xFF.mul" as "‹FF›.mul"); a Get of the field as shown still reads
  // the very file given, while an edited field names what it shows.
  std::filesystem::path offerPath(const std::filesystem::path& given);

  // The Get action: empties the list, reads the file that `field` (the path
  // field's text, read once as Get was clicked) names and keeps a line for
  // each entry with text. Returns what went wrong when the file could not
  // be read to its end; the lines read before stay listed. While a Get
  // started by startGet runs, refuses: it says so and changes nothing.
  std::optional<std::string> get(const std::filesystem::path& field);

  // The same Get for a window that paints and shows its progress while it
  // runs: startGet starts the Get of the file `field` names on a thread of
  // its own and returns true. One Get runs at a time: while one runs (until
  // its endGet or abandonGet), startGet refuses and returns false, and the
  // Get that runs goes on as it was. Until endGet, the window's list must
  // show no rows, and find, copy, save and setEncoding refuse: they say so
  // (kGetRuns) and change nothing.
  [[nodiscard]] bool startGet(const std::filesystem::path& field);
  // Whether a Get was started and has not been ended yet.
  bool getRuns() const { return running_.valid(); }
  // Waits up to `timeout` for the Get; true once it has ended.
  bool waitForGet(std::chrono::milliseconds timeout);
  struct GetProgress {
    std::uint64_t bytesRead = 0;
    std::uint64_t fileSize = 0;  // 0 until the file is open
  };
  GetProgress getProgress() const;
  // Asks the Get to stop before its next entry: the lines read so far stay,
  // and endGet says that the listing was stopped.
  void stopGet();
  // Waits for the Get to end and returns what get() returns.
  std::optional<std::string> endGet();
  // For a window that closes while a Get runs: stops the Get, waits until it
  // has ended (before its next entry) and keeps none of the lines: the list
  // is empty, as before any Get. Does nothing when no Get runs.
  void abandonGet();
  // Whether the last Get ended because stopGet asked it to: its message
  // then tells, rather than warns.
  bool getWasStopped() const { return stopped_; }

  // The lines, for a list to draw: the row's line as the Get action forms
  // it (UTF-8, control characters and all), and as shown.
  std::size_t rowCount() const { return lines_.rowCount(); }
  std::string_view line(std::size_t row, LineStore::Scratch& scratch) const {
    return lines_.line(row, scratch, encoding_);
  }
  std::string shownLine(std::size_t row) const;
  // The row with the longest text, or rowCount() when there is none.
  std::size_t longestRow() const { return lines_.longestRow(); }
  const LineStore& lines() const { return lines_; }

  // ---- The encoding the texts are read in

  // The system default until another is chosen (none chooses it again);
  // every line, find, copy and save uses it. Choosing one shows the lines in
  // it at once: they are kept as bytes, and formed again when they are shown.
  // Returns what went wrong (there was no memory for its tables), the
  // encoding staying as it was.
  std::optional<std::string> setEncoding(std::optional<runtime::Encoding> choice);
  std::optional<runtime::Encoding> encodingChoice() const { return choice_; }
  runtime::Encoding encoding() const { return encoding_; }

  // ---- A file whose texts look like UTF-8

  // After a Get with no encoding chosen and a system default other than
  // UTF-8, when every text listed is valid UTF-8 and one at least holds a
  // character of two or more bytes (listing/utf8_evidence.h): the question
  // to ask ("The texts of speech.mul look like UTF-8, not Western European
  // (1252). Show them as UTF-8?"). None otherwise, while a Get runs, and for
  // a file already asked about while the program runs.
  std::optional<std::string> utf8Question() const;
  // The answer to it: yes chooses UTF-8 as the Encoding menu does, and
  // returns what setEncoding returns; no keeps the encoding. Either way the
  // file is not asked about again.
  std::optional<std::string> answerUtf8Question(bool showAsUtf8);

  // ---- Find

  // The text and case that find next and previous look for.
  void setSearch(std::string text, bool matchCase);
  const std::string& searchText() const { return search_.text; }

  struct Found {
    std::optional<std::size_t> row;  // none when no line holds the text
    bool cameRound = false;          // the search went on past the last (first) line
    std::string message;             // what to tell the user; empty when there is nothing to tell
  };
  // The next (previous) line after (before) `from` that holds the search's
  // text, coming round past the end. With no text to look for, no row and
  // no message.
  Found find(FindDirection direction, std::optional<std::size_t> from) const;

  // ---- Find all and Compare with: the lists beside the main list

  // Every line that holds the search's text, as Find next finds them, into
  // foundLines(). Returns what went wrong; the list is then empty.
  std::optional<std::string> findAll();
  const FoundLines& foundLines() const { return found_; }

  // Compares the listed file (the new one) with `oldFile` on a thread of its
  // own, as startGet does: returns why it cannot start (no file listed, a
  // Get or another compare runs), or none once it runs.
  std::optional<std::string> startCompare(const std::filesystem::path& oldFile);
  bool compareRuns() const { return compare_ != nullptr; }
  // Waits up to `timeout` for the compare; true once it has ended.
  bool waitForCompare(std::chrono::milliseconds timeout) const;
  // The progress window's text and step (of kProgressSteps).
  CompareProgressText compareProgress() const;
  // Asks the compare to stop soon: it then ends without differences.
  void stopCompare();
  // Waits for the compare to end; on success the differences are in
  // differences(), otherwise it says why (or that it was stopped). Either
  // way a window shows differences() again: the ones it showed may be gone.
  std::optional<std::string> endCompare();
  // The last compare's differences, while its file stays listed; null
  // before one, and once a Get lists a file again.
  const DifferenceList* differences() const { return differences_ ? &*differences_ : nullptr; }

  // ---- Copy and save

  // Every line as shown, each followed by `lineEnd` (the platform's).
  TextOutcome allShownLines(std::string_view lineEnd) const;

  // Writes every line to `target` in the format its name asks for, never
  // over the speech file the lines come from. Returns what went wrong.
  std::optional<std::string> saveListAs(const std::filesystem::path& target) const;

  // Where Save list as starts: beside the speech file, named after it.
  struct SaveSuggestion {
    std::filesystem::path folder;    // empty before a Get
    std::filesystem::path fileName;  // "speech.txt"
  };
  SaveSuggestion saveSuggestion() const;

  // ---- Editing: every entry of the file is kept, those without text
  // included, and each edit can be undone back to the state of the Get.
  // Texts are typed and shown in the encoding chosen, and kept as its bytes:
  // an edit is written in the encoding chosen when it was made. While a Get
  // runs, every edit refuses (kGetRuns).

  // How a row is drawn: as read, changed or new (the line's text is the same).
  model::EntryState lineState(std::size_t row) const { return lines_.entries().row(row).state; }

  // What the Edit entry and New entry window holds: the ID in hexadecimal
  // and the text, UTF-8.
  struct EntryFields {
    std::string id;
    std::string text;
  };
  // The fields as Edit entry starts with the row's entry: its ID ("2A") and
  // its text read in the encoding chosen. An OK with the text as it was
  // keeps the entry's bytes exactly, whatever they are.
  EntryFields entryFields(std::size_t row) const;
  // The fields as New entry starts: the ID of the row's entry (none: "0")
  // and no text, for the user to fill in.
  EntryFields newEntryFields(std::optional<std::size_t> row) const;

  // What the window says under its fields as the user types, for the row
  // edited (none for a new entry).
  struct FieldsCheck {
    std::string bytes;    // "4 of 32,767 bytes"; empty when the text has no bytes in the encoding
    std::string note;     // what an empty text does; empty otherwise
    std::string problem;  // why OK takes nothing, naming the character or the count; empty when it takes the fields
  };
  FieldsCheck checkFields(std::optional<std::size_t> row, const EntryFields& fields) const;

  // What an edit, an undo or a redo did: the row to select after it (none
  // when no row is left there), or why nothing was changed.
  struct EditOutcome {
    std::optional<std::size_t> row;
    std::string failure;  // empty when the edit was made
  };
  // Edit entry: gives the row's entry the fields' ID and text. An empty text
  // keeps the entry in the file as one without text, which is not listed.
  EditOutcome editEntry(std::size_t row, const EntryFields& fields);
  // New entry: puts an entry right after the row's entry in the file (at
  // the file's end when no row is given).
  EditOutcome newEntry(std::optional<std::size_t> afterRow, const EntryFields& fields);
  // Delete entry: removes the row's entry from the file.
  EditOutcome deleteEntry(std::size_t row);
  EditOutcome undo();
  EditOutcome redo();
  bool canUndo() const { return !getRuns() && lines_.entries().canUndo(); }
  bool canRedo() const { return !getRuns() && lines_.entries().canRedo(); }

  // Whether there is something that closing, a Get or opening a list would
  // lose: edits not saved, or entries from a list not yet saved as a file.
  bool isModified() const { return !getRuns() && (fromList_ || lines_.entries().hasUnsavedEdits()); }
  // What the window asks then, with Save, Don't Save and Cancel:
  // "Save the changes to speech.mul?".
  std::string unsavedChangesQuestion() const;

  // ---- Saving the speech file: every entry in its order, in the record
  // layout whatever the name, written beside the file and then put in its
  // place (file_save.h).

  struct SpeechFileSave {
    enum class Result {
      Saved,
      NeedsName,      // no speech file to save over: ask for one and save as
      ChangedOnDisk,  // the file is not as the Get read it: ask `message`, then save with replaceChanged
      Failed,         // `message` says why; nothing was written
    };
    Result result = Result::Saved;
    std::string message;
  };
  // Save speech file: over the file the Get read (or the last save as
  // wrote). Asks first (ChangedOnDisk) when that file changed on disk since,
  // in its identity, size or time, unless `replaceChanged`. Refuses for a
  // file that was not read to its end, which it would cut short.
  SpeechFileSave saveSpeechFile(bool replaceChanged = false);
  // Save speech file as: to `target`, which is the speech file from then on.
  SpeechFileSave saveSpeechFileAs(const std::filesystem::path& target);
  // Where Save speech file as starts: the speech file's folder and name, or
  // "speech.mul" beside the list opened.
  SaveSuggestion speechFileSuggestion() const;

  // Open a list: the entries of a csv or JSON Lines file, as speechpack
  // reads it, with their texts encoded in the encoding chosen, as a speech
  // file not yet saved (Save speech file as names it). Returns what is wrong
  // with it in speechpack's words; the entries listed before then stay.
  std::optional<std::string> openList(const std::filesystem::path& list);

 private:
  // The file a Get of the path field reads: the path given, while the field
  // shows it as it was offered; otherwise what the field shows.
  std::filesystem::path pathToRead(const std::filesystem::path& field) const;
  std::optional<std::string> runGet(const std::filesystem::path& path);
  // Drops Find all's lines and the differences, whose rows a Get replaces.
  void forgetResults();

  speechfile::ReadingState reading_;  // iSpeechID, bFirst, bSecond, iTextLen, bText, iFileNum: kept between runs
  std::filesystem::path given_;       // the path offered last, as given
  std::filesystem::path offered_;     // and as the field shows it
  LineStore lines_;
  FindRequest search_;
  std::optional<runtime::Encoding> choice_;  // none: the system default
  runtime::Encoding systemDefault_;
  runtime::Encoding encoding_;
  std::vector<std::filesystem::path> askedUtf8_;     // the files asked about, as their Gets opened them
  std::unique_ptr<listing::GetControl> control_;     // of the Get that runs, or ran last
  bool stopped_ = false;                             // whether it was stopped on request
  std::future<std::optional<std::string>> running_;  // the Get that runs

  // The entries' text in the encoding chosen, as the edit window shows it.
  std::string textOf(std::span<const std::uint8_t> bytes) const;
  // The fields as bytes, or why they cannot be an entry.
  struct EntryBytes {
    std::int16_t id = 0;
    std::vector<std::uint8_t> text;
    std::string problem;
  };
  EntryBytes entryBytes(std::optional<std::size_t> row, const EntryFields& fields) const;
  EditOutcome afterEdit(const std::optional<model::Edit>& edit) const;
  SpeechFileSave writeSpeechFile(const std::filesystem::path& target, const runtime::ReplaceCheck& check);

  bool readWhole_ = false;  // the last Get read the file to its end
  bool fromList_ = false;   // the entries come from a list, and are no file yet
  std::filesystem::path listOpened_;
  // The lists beside the main one: rows of lines_, shown in encoding_.
  FoundLines found_{lines_, encoding_};
  std::filesystem::path compareWith_;  // the old file of the compare that runs
  std::unique_ptr<CompareTask> compare_;
  std::optional<DifferenceList> differences_;
};

// ---- The Encoding menu, as both windows offer it: the system default
// first, with its number, then every encoding by name and number, the one
// chosen checked.

struct EncodingMenuItem {
  std::string text;                           // "System default (1252)", "Cyrillic (1251)", ...
  std::optional<runtime::Encoding> encoding;  // none: the system default
  bool checked;
};
std::vector<EncodingMenuItem> encodingMenu(const std::optional<runtime::Encoding>& choice);

// ---- The file types the windows' file dialogs offer, as both list them,
// in this order. A name typed without an extension gets the chosen type's
// first one; what is written or read follows the name's extension.

struct FileType {
  std::string name;                     // "Text files (*.txt)", its patterns joined by the separator asked for
  std::vector<std::string> extensions;  // "txt"; "json", "jsonl"; none for all files ("*")
};
enum class FileDialog { SaveList, SaveSpeechFile, OpenList, OpenSpeechFile };
// `separator` joins a type's patterns in its name: the platform's own
// (", " in Windows' dialogs, " " in the toolkit's, which reads them back).
std::vector<FileType> fileTypes(FileDialog dialog, std::string_view separator);

// ---- A long Get's progress, as both windows show it

// A Get that has not ended after this long shows its progress.
constexpr std::chrono::milliseconds kGetShowsProgressAfter{500};
// The steps of the progress bar.
constexpr int kProgressSteps = 1000;

struct GetProgressText {
  std::string text;         // "Reading speech.mul: 1,024 of 4,096 MB"
  std::optional<int> step;  // of kProgressSteps; none while the size is not known, or once the file grew past it
};
GetProgressText getProgressText(const ViewerSession::GetProgress& progress, const std::filesystem::path& file);

// ---- The window's command line: [--encoding NAME] [--compare OLD] [--] [PATH], --help,
// --version, in the grammar and wording speechlist uses.

struct ViewerCommandLine {
  enum class Action { OpenWindow, ShowUsage, ShowVersion, Refuse };
  Action action = Action::OpenWindow;
  std::optional<std::filesystem::path> path;         // with OpenWindow: the file to list at once
  std::optional<runtime::Encoding> encoding;         // with OpenWindow: --encoding's, unless the system default
  std::optional<std::filesystem::path> compareWith;  // with OpenWindow: --compare's OLD, to compare `path` with
  std::string problem;                               // with Refuse: what is wrong
};

// How the platform's viewer is started and asks for help: its program name
// ("speechviewer", "speechviewer.exe"), and whether "/?" asks for the usage
// too, as on Windows.
struct ViewerProgram {
  std::string_view name;
  bool slashQuestionMark = false;
};

ViewerCommandLine readViewerCommandLine(const std::vector<std::filesystem::path>& arguments,
                                        const ViewerProgram& program);
std::string viewerUsage(const ViewerProgram& program);
std::string viewerVersion();

}  // namespace ui
