// Editing in the viewer session: sequences of edits checked against the
// bytes of the file saved, what the edit window says of its fields, saving
// over files of every kind, and opening a list.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/encoding.h"
#include "support/test_files.h"
#include "ui/common/viewer_session.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;
using testing_support::TempDir;
using Result = ui::ViewerSession::SpeechFileSave::Result;

// The file every sequence starts from: two entries with text around one
// without, and one without at the end.
Bytes startingFile() { return concat({record(0x2A, "hail"), record(0x100, ""), record(0x8001, "ok"), record(7, "")}); }

struct Step {
  enum Kind { Edit, New, Delete, Undo, Redo, Encoding, Save, SaveAs } kind;
  std::optional<std::size_t> row = std::nullopt;
  std::string id = {};
  std::string text = {};
  unsigned codePage = 0;  // for Encoding
};

std::string run(ui::ViewerSession& session, const Step& step, const fs::path& saveAs) {
  switch (step.kind) {
    case Step::Edit: return session.editEntry(*step.row, {step.id, step.text}).failure;
    case Step::New: return session.newEntry(step.row, {step.id, step.text}).failure;
    case Step::Delete: return session.deleteEntry(*step.row).failure;
    case Step::Undo: return session.undo().failure;
    case Step::Redo: return session.redo().failure;
    case Step::Encoding: return session.setEncoding(runtime::Encoding::fromCodePage(step.codePage)).value_or("");
    case Step::Save: return session.saveSpeechFile().message;
    case Step::SaveAs: return session.saveSpeechFileAs(saveAs).message;
  }
  return "no such step";
}

TEST(Editing, EachSequenceSavesTheBytesItShould) {
  const Bytes hail = record(0x2A, "hail"), none = record(0x100, ""), ok = record(0x8001, "ok"), last = record(7, "");
  const struct Case {
    const char* what;
    unsigned codePage;
    std::vector<Step> steps;
    Bytes saved;
    bool savedAs = false;  // written to the other name, and the file read left as it was
  } cases[] = {
      {"saved unchanged, entries without text included", 1252, {{Step::Save}}, startingFile()},
      {"an edit in 1252",
       1252,
       {{Step::Edit, 0, "2a", "caf\xC3\xA9"}, {Step::Save}},
       concat({record(0x2A, "caf\xE9"), none, ok, last})},
      {"a new ID, the text as it was",
       1252,
       {{Step::Edit, 1, "FFFF", "ok"}, {Step::Save}},
       concat({hail, none, record(0xFFFF, "ok"), last})},
      {"a Japanese text in 932",
       932,
       {{Step::Edit, 1, "8001", "\xE6\x97\xA5\xE6\x9C\xAC"}, {Step::Save}},
       concat({hail, none, record(0x8001, "\x93\xFA\x96\x7B"), last})},
      {"a new entry after a line, before the entry without text",
       65001,
       {{Step::New, 0, "5", "\xE6\x97\xA5"}, {Step::Save}},
       concat({hail, record(5, "\xE6\x97\xA5"), none, ok, last})},
      {"a new entry without a line selected goes last",
       1252,
       {{Step::New, std::nullopt, "9", "end"}, {Step::Save}},
       concat({hail, none, ok, last, record(9, "end")})},
      {"delete, undo, redo",
       1252,
       {{Step::Delete, 0}, {Step::Undo}, {Step::Redo}, {Step::Save}},
       concat({none, ok, last})},
      {"undone back to the Get",
       932,
       {{Step::Edit, 0, "1", "x"},
        {Step::New, 1, "2", "y"},
        {Step::Delete, 0},
        {Step::Undo},
        {Step::Undo},
        {Step::Undo},
        {Step::Save}},
       startingFile()},
      {"an empty text keeps the entry without text",
       1252,
       {{Step::Edit, 0, "2A", ""}, {Step::Save}},
       concat({record(0x2A, ""), none, ok, last})},
      {"each edit in the encoding chosen when it was made",
       1252,
       {{Step::Edit, 0, "2A", "\xC3\xA9"},
        {Step::Encoding, {}, {}, {}, 65001},
        {Step::Edit, 1, "8001", "\xC3\xA9"},
        {Step::Save}},
       concat({record(0x2A, "\xE9"), none, record(0x8001, "\xC3\xA9"), last})},
      {"a text kept as it was shown keeps its bytes after a change of encoding",
       1252,
       {{Step::Edit, 0, "2A", "\xC3\xA9"},
        {Step::Encoding, {}, {}, {}, 65001},
        {Step::Edit, 0, "2B", "\xEF\xBF\xBD"},
        {Step::Save}},
       concat({record(0x2B, "\xE9"), none, ok, last})},
      {"save as, then save edits that file",
       65001,
       {{Step::SaveAs}, {Step::Edit, 0, "2A", "\xD0\xB6"}, {Step::Save}},
       concat({record(0x2A, "\xD0\xB6"), none, ok, last}),
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDir dir;
    const std::string file = dir.write("speech.mul", startingFile());
    const fs::path other = dir.path() / "other.mul";
    ui::ViewerSession session;
    ASSERT_FALSE(session.setEncoding(runtime::Encoding::fromCodePage(c.codePage)));
    ASSERT_EQ(session.get(file), std::nullopt);
    for (const Step& step : c.steps) EXPECT_EQ(run(session, step, other), "");
    EXPECT_FALSE(session.isModified());
    EXPECT_EQ(testing_support::readAll(c.savedAs ? other.string() : file), c.saved);
    if (c.savedAs) {
      EXPECT_EQ(testing_support::readAll(file), startingFile());
    }
  }
}

TEST(Editing, LinesAreDrawnAsReadChangedOrNewAndUndoSelectsTheLine) {
  const TempDir dir;
  ui::ViewerSession session;
  ASSERT_EQ(session.get(dir.write("speech.mul", startingFile())), std::nullopt);
  EXPECT_EQ(session.editEntry(1, {"8001", "changed"}).row, 1u);
  EXPECT_EQ(session.newEntry(0, {"3", "new"}).row, 1u);
  using model::EntryState;
  EXPECT_EQ(session.lineState(0), EntryState::AsRead);
  EXPECT_EQ(session.lineState(1), EntryState::New);
  EXPECT_EQ(session.lineState(2), EntryState::Changed);
  EXPECT_EQ(session.shownLine(2), "ID: 8001 Text: changed");
  EXPECT_EQ(session.deleteEntry(2).row, 1u) << "the last line is selected once the one deleted was last";
  EXPECT_EQ(session.undo().row, 2u);
  EXPECT_EQ(session.undo().row, 1u) << "undoing the new entry selects the line after it";
  EXPECT_EQ(session.undo().row, 1u);
  EXPECT_EQ(session.shownLine(1), "ID: 8001 Text: ok");
  EXPECT_FALSE(session.canUndo());
  EXPECT_FALSE(session.isModified());
  EXPECT_EQ(session.unsavedChangesQuestion(), "Save the changes to speech.mul?");
}

TEST(Editing, TheEditWindowNamesWhatItRefuses) {
  const TempDir dir;
  ui::ViewerSession session;
  ASSERT_EQ(session.get(dir.write("speech.mul", startingFile())), std::nullopt);
  ASSERT_FALSE(session.setEncoding(runtime::Encoding::fromCodePage(1252)));
  const std::string tooLong(32768, 'a');
  const struct {
    ui::ViewerSession::EntryFields fields;
    std::string bytes, note, problem;
  } cases[] = {
      {{"2A", "caf\xC3\xA9"}, "4 of 32,767 bytes", "", ""},
      {{" 2a ", std::string(32767, 'a')}, "32,767 of 32,767 bytes", "", ""},
      {{"2A", tooLong},
       "32,768 of 32,767 bytes",
       "",
       "The text takes 32,768 bytes, more than the 32,767 an entry can hold."},
      {{"2A", "a\xD0\xB6"}, "", "", "'\xD0\xB6' (U+0436) has no bytes in Western European (1252)."},
      {{"10000", "x"}, "1 of 32,767 bytes", "", "The ID is to be 1 to 4 hexadecimal digits, from 0 to FFFF."},
      {{"", "x"}, "1 of 32,767 bytes", "", "The ID is to be 1 to 4 hexadecimal digits, from 0 to FFFF."},
      {{"2G", "x"}, "1 of 32,767 bytes", "", "The ID is to be 1 to 4 hexadecimal digits, from 0 to FFFF."},
      {{"2A", ""},
       "0 of 32,767 bytes",
       "Without a text the entry is kept in the file as one without text, which the list does not show.",
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fields.id + " " + c.fields.text.substr(0, 20));
    const ui::ViewerSession::FieldsCheck check = session.checkFields(0, c.fields);
    EXPECT_EQ(check.bytes, c.bytes);
    EXPECT_EQ(check.note, c.note);
    EXPECT_EQ(check.problem, c.problem);
    // What the window refuses, the session refuses too, the entry as it was.
    EXPECT_EQ(session.editEntry(0, c.fields).failure, c.problem);
    EXPECT_EQ(session.newEntry(0, c.fields).failure, c.problem);
    if (!c.problem.empty()) {
      EXPECT_EQ(session.shownLine(0), "ID: 2A Text: hail");
    }
    while (session.canUndo()) session.undo();
  }
  EXPECT_EQ(session.entryFields(1).id, "8001");
  EXPECT_EQ(session.entryFields(1).text, "ok");
  EXPECT_EQ(session.newEntryFields(std::nullopt).id, "0");
}

TEST(Editing, SavingOverTheFileReadDoesWhatTheFileAllows) {
  const Bytes edited = concat({record(0x2A, "new"), record(0x100, ""), record(0x8001, "ok"), record(7, "")});
  const struct Case {
    const char* what;
    std::function<void(const fs::path& file, const fs::path& dir)> after;  // after the Get, before the save
    Result result;
    std::string message;  // the start of it
    bool written;         // what the file read now holds: the edited entries, or what was there
  } cases[] = {
      {"unchanged on disk", [](const fs::path&, const fs::path&) {}, Result::Saved, "", true},
      {"changed on disk: asked first", [](const fs::path& file, const fs::path&) { fs::resize_file(file, 8); },
       Result::ChangedOnDisk, "has changed on disk since it was read", false},
      {"the same size, a new time: asked first",
       [](const fs::path& file, const fs::path&) {
         fs::last_write_time(file, fs::last_write_time(file) + std::chrono::hours(1));
       },
       Result::ChangedOnDisk, "has changed on disk since it was read", false},
      {"replaced by another file: asked first",
       [](const fs::path& file, const fs::path& dir) {
         fs::rename(file, dir / "old.mul");
         fs::copy_file(dir / "old.mul", file);
       },
       Result::ChangedOnDisk, "is another file than the one read", false},
      {"its folder moved", [](const fs::path&, const fs::path& dir) { fs::rename(dir / "in", dir / "moved"); },
       Result::Failed, "The file", false},
      {"a read-only file", [](const fs::path& file, const fs::path&) { fs::permissions(file, fs::perms::owner_read); },
       Result::Failed, "The file", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDir dir;
    fs::create_directory(dir.path() / "in");
    const fs::path file = dir.path() / "in" / "speech.mul";
    dir.write("in/speech.mul", startingFile());
    ui::ViewerSession session;
    ASSERT_EQ(session.get(file), std::nullopt);
    ASSERT_EQ(session.editEntry(0, {"2A", "new"}).failure, "");
    c.after(file, dir.path());
    const Bytes before = fs::exists(file) ? testing_support::readAll(file.string()) : Bytes{};
    const ui::ViewerSession::SpeechFileSave save = session.saveSpeechFile();
    EXPECT_EQ(save.result, c.result);
    EXPECT_NE(save.message.find(c.message), std::string::npos) << save.message;
    if (fs::exists(file)) {
      EXPECT_EQ(testing_support::readAll(file.string()), c.written ? edited : before);
    }
    EXPECT_EQ(session.isModified(), !c.written);
    if (c.result == Result::ChangedOnDisk) {
      // The user said to replace it.
      EXPECT_EQ(session.saveSpeechFile(true).result, Result::Saved);
      EXPECT_EQ(testing_support::readAll(file.string()), edited);
      EXPECT_EQ(session.saveSpeechFile().result, Result::Saved) << "the file as saved is the one read now";
    }
  }
}

TEST(Editing, ASaveFollowsALinkAndRefusesAFileReadInPart) {
  const TempDir dir;
  const std::string file = dir.write("speech.mul", startingFile());
  ui::ViewerSession session;
#ifdef _WIN32
  // Wine reports a link made and makes none.
  const fs::path link = file;
#else
  const fs::path link = dir.path() / "link.mul";
  fs::create_symlink(file, link);
#endif
  ASSERT_EQ(session.get(link), std::nullopt);
  ASSERT_EQ(session.deleteEntry(0).failure, "");
  EXPECT_EQ(session.saveSpeechFile().result, Result::Saved);
#ifndef _WIN32
  EXPECT_TRUE(fs::is_symlink(link));
#endif
  const Bytes saved = concat({record(0x100, ""), record(0x8001, "ok"), record(7, "")});
  EXPECT_EQ(testing_support::readAll(file), saved);
  // Whatever the name, a speech file is written in the record layout.
  EXPECT_EQ(session.saveSpeechFileAs(dir.path() / "list.txt").result, Result::Saved);
  EXPECT_EQ(testing_support::readAll((dir.path() / "list.txt").string()), saved);

  // A Get stopped by a damaged entry: the entries after it are not there to write.
  const Bytes damaged = concat({record(1, "one"), record(2, 0x8000, "")});
  const std::string bad = dir.write("bad.mul", damaged);
  ASSERT_NE(session.get(bad), std::nullopt);
  ASSERT_EQ(session.editEntry(0, {"1", "uno"}).failure, "");
  const ui::ViewerSession::SpeechFileSave refused = session.saveSpeechFile();
  EXPECT_EQ(refused.result, Result::Failed);
  EXPECT_NE(refused.message.find("Only a part of"), std::string::npos) << refused.message;
  EXPECT_EQ(testing_support::readAll(bad), damaged);
  EXPECT_TRUE(session.isModified());
}

TEST(Editing, AListOpensAsAnUnsavedSpeechFileOrNotAtAll) {
  const TempDir dir;
  const std::string list =
      dir.write("names.csv", {'i', 'd', ',', 't', 'e', 'x', 't', '\n', '4', '2', ',', 'h', 'i', '\n', '7', ',', '\n'});
  const std::string bad = dir.write("bad.csv", {'i', 'd', ',', 't', 'e', 'x', 't', '\n', 'x', ',', 'h', 'i', '\n'});
  ui::ViewerSession session;
  ASSERT_EQ(session.openList(list), std::nullopt);
  EXPECT_EQ(session.shownLine(0), "ID: 2A Text: hi");
  EXPECT_TRUE(session.isModified());
  EXPECT_EQ(session.unsavedChangesQuestion(), "Save the entries of names.csv as a speech file?");
  EXPECT_EQ(session.saveSpeechFile().result, Result::NeedsName);
  EXPECT_EQ(session.speechFileSuggestion().fileName, "speech.mul");

  const std::optional<std::string> problem = session.openList(bad);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->rfind("\"" + bad + "\", line 2", 0), 0u) << *problem;
  EXPECT_EQ(session.rowCount(), 1u) << "the list with a fault opened nothing";

  const fs::path out = dir.path() / "out.mul";
  EXPECT_EQ(session.saveSpeechFileAs(out).result, Result::Saved);
  EXPECT_EQ(testing_support::readAll(out.string()), concat({record(0x2A, "hi"), record(7, "")}));
  EXPECT_FALSE(session.isModified());
  EXPECT_EQ(session.unsavedChangesQuestion(), "Save the changes to out.mul?");
}

}  // namespace
