#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#ifdef __linux__
#include <sys/mount.h>
#endif

#include "runtime/errors.h"
#include "runtime/platform.h"
#include "support/bad_inputs.h"
#include "support/test_files.h"
#include "ui/common/find_line.h"
#include "ui/common/save_list.h"

namespace {

using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;

ui::LineStore storeOf(const Bytes& file) {
  ui::LineStore store;
  runtime::FileTable files([&](const std::filesystem::path&) { return std::make_unique<runtime::MemorySource>(file); });
  speechfile::ReadingState state;
  speechfile::runGetAction(state, testing_support::pathFromUtf8("memory"), store, files);
  return store;
}

TEST(FindLine, MatchesAnywhereInTheShownLineAndComesRound) {
  // Rows: 0 "ID: 2A Text: hail", 1 "ID: 9 Text: Bank", 2 "ID: 10 Text: a␊b",
  // 3 "ID: 11 Text: ЖУК", 4 "ID: 12 Text: bank".
  const ui::LineStore store = storeOf(concat({record(0x2A, "hail"), record(9, "Bank"), record(0x10, "a\nb"),
                                              record(0x11, "\xC6\xD3\xCA"), record(0x12, "bank")}));
  using ui::FindDirection;
  const struct {
    std::string text;
    bool matchCase;
    FindDirection direction;
    std::optional<std::size_t> from, found;
  } cases[] = {
      {"2A", false, FindDirection::Next, std::nullopt, 0},
      {"bank", false, FindDirection::Next, std::nullopt, 1},
      {"bank", true, FindDirection::Next, std::nullopt, 4},
      {"bank", false, FindDirection::Next, 1, 4},
      {"bank", false, FindDirection::Next, 4, 1},  // comes round past the end
      {"bank", false, FindDirection::Previous, 4, 1},
      {"bank", false, FindDirection::Previous, 1, 4},  // and past the start
      {"bank", true, FindDirection::Next, 4, 4},       // the only match is the current row
      {"\u240A", false, FindDirection::Next, std::nullopt, 2},
      {"TEXT: A", false, FindDirection::Next, 0, 2},
      {"sell", false, FindDirection::Next, 0, std::nullopt},
      {"", false, FindDirection::Next, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ui::findLine(store, {c.text, c.matchCase, c.direction}, c.from), c.found) << c.text;
  }
#ifndef _WIN32  // Windows-1252 bytes are not Cyrillic there
  EXPECT_EQ(ui::findLine(store, {"\u00E6\u00F3", false, FindDirection::Next}, std::nullopt), 3u);

  // Lines are shown only when the text could match the shown form alone:
  // row 0 is "ID: 1 Text: x‹81›y" (0x81 is undefined in Windows-1252),
  // row 1 "ID: 2 Text: a␉b".
  const ui::LineStore signs = storeOf(concat({record(1, "x\x81y"), record(2, "a\tb")}));
  for (const bool matchCase : {false, true}) {
    for (const char* text : {"81", "\u20398", "1\u203Ay", "x\u203981\u203Ay"}) {
      EXPECT_EQ(ui::findLine(signs, {text, matchCase, FindDirection::Next}, std::nullopt), 0u) << text;
    }
    EXPECT_EQ(ui::findLine(signs, {"a\u2409b", matchCase, FindDirection::Next}, std::nullopt), 1u);
    EXPECT_EQ(ui::findLine(signs, {"xy", matchCase, FindDirection::Next}, std::nullopt), std::nullopt);
    // No shown line holds a control character.
    EXPECT_EQ(ui::findLine(signs, {"a\tb", matchCase, FindDirection::Next}, std::nullopt), std::nullopt);
  }
#endif
}

TEST(FindLine, FoldsTheLettersOfTheCodePages) {
  EXPECT_EQ(ui::foldCase("ÀÉÎÕÜ ŠŽŒŸ ΑΩΆ ЖЁЯ Ґ"), "àéîõü šžœÿ αωά жёя ґ");
  EXPECT_EQ(ui::foldCase("× ß 123 ✓"), "× ß 123 ✓");
}

TEST(SaveList, WritesTheFormatTheNameAsksForAndNeverOverTheSpeechFile) {
  const testing_support::TempDir dir;
  const std::string speech = dir.write("speech.mul", concat({record(0x2A, "hail"), record(2, "a,b")}));
  const ui::LineStore store = storeOf(testing_support::readAll(speech));
  const auto text = [](const std::filesystem::path& p) {
    const Bytes b = testing_support::readAll(p.string());
    return std::string(b.begin(), b.end());
  };
  ui::saveList(store, dir.path() / "list.txt");
  EXPECT_EQ(text(dir.path() / "list.txt"), "ID: 2A Text: hail\nID: 2 Text: a,b\n");
  ui::saveList(store, dir.path() / "list.CSV");
  EXPECT_EQ(text(dir.path() / "list.CSV"), "offset,id,id_hex,length,text\r\n0,42,2A,4,hail\r\n8,2,2,3,\"a,b\"\r\n");
  ui::saveList(store, dir.path() / "list.txt");  // over an earlier list
  ui::saveList(store, dir.path() / "list.json");
  EXPECT_EQ(text(dir.path() / "list.json").substr(0, 59),
            "{\"offset\":0,\"id\":42,\"id_hex\":\"2A\",\"length\":4,\"text\":\"hail\"}");

  const auto fails = [&](const std::filesystem::path& target, const char* says) {
    try {
      ui::saveList(store, target);
      ADD_FAILURE() << target << " was written";
    } catch (const runtime::RuntimeError& e) {
      EXPECT_NE(std::string(e.what()).find(says), std::string::npos) << e.what();
    }
  };
  fails(dir.path() / "no such folder" / "list.txt", "cannot be written");
  // Nothing but the lists and the speech file: no temporary file is left.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4);
}

// The speech file is never written over, whatever it is called by the time
// the list is saved, or whatever the system resolves the name given to:
// each case lists M1/speech.mul, then does what a user or another program
// might do, then saves to the target it gives.
TEST(SaveList, NeverWritesOverTheSpeechFileWhateverItIsCalledNow) {
  namespace fs = std::filesystem;
  const Bytes content = concat({record(0x2A, "hail"), record(2, "ok")});
  const struct {
    const char* name;
    std::function<fs::path(const fs::path& root)> after;  // returns the target
    bool resolvedToTheSpeechFile = false;                 // whatever the target, the system resolves it so
    std::string says = "This is the speech file the lines come from";
  } cases[] = {
      {"another name, which the system resolves to it", [](const fs::path& root) { return root / "other.txt"; }, true},
      {"its own name, which the system resolves to it", [](const fs::path& root) { return root / "M1" / "speech.mul"; },
       true},
      {"the path as read", [](const fs::path& root) { return root / "M1" / "speech.mul"; }},
      {"the path spelt another way",
       [](const fs::path& root) { return root / "M1" / "." / ".." / "M1" / "speech.mul"; }},
      {"its folder moved",
       [](const fs::path& root) {
         fs::rename(root / "M1", root / "M2");
         return root / "M2" / "speech.mul";
       }},
      {"the file renamed",
       [](const fs::path& root) {
         fs::rename(root / "M1" / "speech.mul", root / "M1" / "renamed.mul");
         return root / "M1" / "renamed.mul";
       }},
      {"its old name, once the file moved away",
       [](const fs::path& root) {
         fs::rename(root / "M1" / "speech.mul", root / "moved.mul");
         return root / "M1" / "speech.mul";
       }},
      {"its old name, once the file is deleted",
       [](const fs::path& root) {
         fs::remove(root / "M1" / "speech.mul");
         return root / "M1" / "speech.mul";
       }},
#ifndef _WIN32  // links need privileges there
      {"a hard link to it",
       [](const fs::path& root) {
         fs::create_hard_link(root / "M1" / "speech.mul", root / "hard.mul");
         return root / "hard.mul";
       }},
      {"a symbolic link to it",
       [](const fs::path& root) {
         fs::create_symlink(root / "M1" / "speech.mul", root / "soft.mul");
         return root / "soft.mul";
       }},
      {"a link to its folder",
       [](const fs::path& root) {
         fs::create_directory_symlink(root / "M1", root / "L");
         return root / "L" / "speech.mul";
       }},
      {"its old name through a link to its folder, once deleted",
       [](const fs::path& root) {
         fs::create_directory_symlink(root / "M1", root / "L");
         fs::remove(root / "M1" / "speech.mul");
         return root / "L" / "speech.mul";
       }},
#else
      // Names Windows would not keep as they stand, some of which it
      // resolves to the speech file.
      {"its name and a dot", [](const fs::path& root) { return root / "M1" / "speech.mul."; }, false,
       "\"speech.mul.\" ends in a dot, which Windows drops from a name."},
      {"its name and a space", [](const fs::path& root) { return root / "M1" / "speech.mul "; }, false,
       "\"speech.mul \" ends in a space, which Windows drops from a name."},
      {"its folder's name and a dot", [](const fs::path& root) { return root / "M1." / "speech.mul"; }, false,
       "\"M1.\" ends in a dot, which Windows drops from a name."},
      {"its data stream", [](const fs::path& root) { return root / "M1" / "speech.mul::$DATA"; }, false,
       "the \":\" in \"speech.mul::$DATA\" would name a stream inside a file, not a file."},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const testing_support::TempDir dir;
    fs::create_directory(dir.path() / "M1");
    const std::string speech = dir.write("M1/speech.mul", content);
    ui::LineStore store;
    speechfile::ReadingState state;
    speechfile::runGetAction(state, testing_support::pathFromUtf8(speech), store);
    ASSERT_EQ(store.rowCount(), 2u);
    const fs::path target = c.after(dir.path());
    const auto moved = testing_support::snapshot(dir.path());
    std::optional<runtime::platform::SaveTargetsResolvedTo> resolved;
    if (c.resolvedToTheSpeechFile) resolved.emplace(speech);
    try {
      ui::saveList(store, target);
      ADD_FAILURE() << target << " was written";
    } catch (const runtime::RuntimeError& e) {
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
    }
    resolved.reset();
    EXPECT_EQ(testing_support::snapshot(dir.path()), moved) << "nothing is written or created";
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
      if (entry.is_regular_file()) {
        EXPECT_EQ(testing_support::readAll(entry.path().string()), content) << entry.path();
      }
    }
  }
}

#ifdef __linux__
// A bind mount shows the speech file's folder at a second place, as a
// remounted drive would; only root may make one.
TEST(SaveList, NeverWritesOverTheSpeechFileThroughABindMount) {
  const testing_support::TempDir dir;
  std::filesystem::create_directory(dir.path() / "M1");
  std::filesystem::create_directory(dir.path() / "B");
  const std::string speech = dir.write("M1/speech.mul", record(0x2A, "hail"));
  if (::mount((dir.path() / "M1").c_str(), (dir.path() / "B").c_str(), nullptr, MS_BIND, nullptr) != 0) {
    GTEST_SKIP() << "no bind mount can be made here";
  }
  struct Unmount {
    std::filesystem::path at;
    ~Unmount() { ::umount(at.c_str()); }
  } const unmount{dir.path() / "B"};
  ui::LineStore store;
  speechfile::ReadingState state;
  speechfile::runGetAction(state, testing_support::pathFromUtf8(speech), store);
  EXPECT_THROW(ui::saveList(store, dir.path() / "B" / "speech.mul"), runtime::RuntimeError);
  EXPECT_EQ(testing_support::readAll(speech), record(0x2A, "hail"));
}
#endif

}  // namespace
