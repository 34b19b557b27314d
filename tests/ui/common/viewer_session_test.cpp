// The viewer's behaviour, once for both windows: what a Get lists and says,
// finding, copying and saving lines, a path given with any bytes, and the
// window's command line. The windows' own suites test only their wiring to
// it.
#include "ui/common/viewer_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#ifdef _WIN32
#include "ui/win32/windows_api.h"
#endif

#include "runtime/encoding.h"
#include "runtime/errors.h"
#include "support/allocation_faults.h"
#include "support/bad_inputs.h"
#include "support/test_files.h"
#include "version.h"

namespace {

using testing_support::BadInput;
using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;
using testing_support::TempDir;

// The path field, as the windows hand it to the session.

std::vector<std::string> shownLines(const ui::ViewerSession& session) {
  std::vector<std::string> lines;
  for (std::size_t row = 0; row < session.rowCount(); ++row) lines.push_back(session.shownLine(row));
  return lines;
}

// A Get of the file at `path` (UTF-8): the message, or "" when there is none.
std::string get(ui::ViewerSession& session, const std::string& path) {
  return session.get(testing_support::pathFromUtf8(path)).value_or("");
}

// ---- Get

TEST(ViewerSession, GetListsTheFileOnceEachTimeAndSaysWhatStoppedIt) {
  const TempDir dir;
  const std::string first =
      dir.write("first.mul", concat({record(0x2A, "hail"), record(0x100, ""), record(0x8001, "ok")}));
  const std::string bad = dir.write("bad.mul", concat({record(1, "one"), record(2, "two"), record(3, 0x8000, "")}));
  const std::string missing = (dir.path() / "missing.mul").string();
  ui::ViewerSession session;
  const struct {
    std::string path;
    std::vector<std::string> lines;
    std::string message;
  } gets[] = {
      {first, {"ID: 2A Text: hail", "ID: 8001 Text: ok"}, ""},
      {first, {"ID: 2A Text: hail", "ID: 8001 Text: ok"}, ""},  // once, not twice
      {bad,
       {"ID: 1 Text: one", "ID: 2 Text: two"},
       "\"" + bad +
           "\": The entry at byte 14 gives a text length of 0x8000, more than the 32,767 bytes an entry can hold. "
           "(Overflow, runtime error 6)"},
      {missing, {}, "\"" + missing + "\": There is no file with this name. (File not found, runtime error 53)"},
  };
  for (const auto& g : gets) {
    SCOPED_TRACE(g.path);
    EXPECT_EQ(get(session, g.path), g.message);
    EXPECT_EQ(shownLines(session), g.lines);
    EXPECT_FALSE(testing_support::holdsOpenFileUnder(dir.path())) << "the file is closed";
  }
}

#ifdef _WIN32
// Texts convert through the ANSI code page the system has, as one block;
// test-windows runs this under several.
TEST(ViewerSession, TextsConvertThroughTheSystemsAnsiCodePage) {
  const struct {
    UINT codePage;
    std::string bytes;
    std::string text;
  } cases[] = {
      {1252, "\xC0\xE9\x80", "\u00C0\u00E9\u20AC"},
      {1251, "\xC0\xE9\x80", "\u0410\u0439\u0402"},
      {932, "\x82\xA0\x93\xFA\x96\x7B", "\u3042\u65E5\u672C"},  // two bytes a character
  };
  const auto page =
      std::find_if(std::begin(cases), std::end(cases), [](const auto& c) { return c.codePage == GetACP(); });
  if (page == std::end(cases)) GTEST_SKIP() << "no case for code page " << GetACP();
  const TempDir dir;
  ui::ViewerSession session;
  get(session, dir.write("s.mul", record(0x2A, page->bytes)));
  EXPECT_EQ(shownLines(session), std::vector<std::string>{"ID: 2A Text: " + page->text});
}
#endif

// A long Get shows how far it has read, and stops when asked: the lines
// read before stay, and the message says so.
TEST(ViewerSession, ALongGetTellsItsProgressAndStopsWhenAsked) {
  const TempDir dir;
  std::uint64_t textsEnd = 0;
  const std::filesystem::path path = testing_support::pathFromUtf8(testing_support::makeLongFile(dir, &textsEnd));
  ui::ViewerSession session;
  ASSERT_TRUE(session.startGet(path));
  while (!session.waitForGet(std::chrono::milliseconds(1)) && session.getProgress().bytesRead <= textsEnd) {
  }
  const ui::ViewerSession::GetProgress progress = session.getProgress();
  session.stopGet();
  const std::string message = session.endGet().value_or("");
  ASSERT_TRUE(session.getWasStopped()) << "read to its end before it could be stopped: " << message;
  EXPECT_EQ(progress.fileSize, std::uint64_t{1} << 30);
  EXPECT_GT(progress.bytesRead, textsEnd);
  const std::string start = "\"" + runtime::pathText(path) + "\": The listing was stopped at byte ";
  EXPECT_EQ(message.substr(0, start.size()), start);
  EXPECT_TRUE(message.ends_with("; the entries before it are listed. (User interrupt occurred, runtime error 18)"))
      << message;
  EXPECT_EQ(session.rowCount(), 100u);
  EXPECT_EQ(session.shownLine(99), "ID: 63 Text: entry 99");
  EXPECT_FALSE(testing_support::holdsOpenFileUnder(dir.path()));

  // A Get that is not stopped says nothing of it.
  EXPECT_EQ(get(session, dir.write("s.mul", record(1, "one"))), "");
  EXPECT_FALSE(session.getWasStopped());
}

// One Get at a time: a second start while one runs is refused and leaves
// the first as it was (its control, its lines, its end); so are find, copy,
// save and a change of encoding, which would read the lines it writes. A
// Get abandoned because the window closes keeps nothing, and leaves the
// file closed.
TEST(ViewerSession, OneGetRunsAtATimeAndAnAbandonedOneKeepsNothing) {
  const TempDir dir;
  std::uint64_t textsEnd = 0;
  const std::string longFile = testing_support::makeLongFile(dir, &textsEnd);
  const std::string other = dir.write("other.mul", record(7, "other"));
  ui::ViewerSession session;
  const auto startLong = [&] {
    EXPECT_FALSE(session.getRuns());
    ASSERT_TRUE(session.startGet(testing_support::pathFromUtf8(longFile)));
    while (!session.waitForGet(std::chrono::milliseconds(1)) && session.getProgress().bytesRead <= textsEnd) {
    }
    ASSERT_TRUE(session.getRuns()) << "read to its end already";
  };
  startLong();
  const ui::ViewerSession::GetProgress before = session.getProgress();
  EXPECT_FALSE(session.startGet(testing_support::pathFromUtf8(other)));
  EXPECT_EQ(get(session, other), texts::text(ui::kGetRuns));
  session.setSearch("entry", false);
  EXPECT_EQ(session.find(ui::FindDirection::Next, std::nullopt).message, texts::text(ui::kGetRuns));
  EXPECT_EQ(session.allShownLines("\n").failure, texts::text(ui::kGetRuns));
  EXPECT_EQ(session.saveListAs(dir.path() / "list.txt"), texts::text(ui::kGetRuns));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "list.txt"));
  EXPECT_EQ(session.setEncoding(runtime::Encoding::fromCodePage(1251)), texts::text(ui::kGetRuns));
  EXPECT_EQ(session.encodingChoice(), std::nullopt);
  EXPECT_GE(session.getProgress().bytesRead, before.bytesRead) << "the same Get goes on";
  session.stopGet();
  EXPECT_NE(session.endGet().value_or("").find("The listing was stopped at byte"), std::string::npos);
  EXPECT_EQ(session.rowCount(), 100u);
  EXPECT_EQ(get(session, other), "");
  EXPECT_EQ(shownLines(session), std::vector<std::string>{"ID: 7 Text: other"});

  startLong();
  session.abandonGet();
  EXPECT_FALSE(session.getRuns());
  EXPECT_EQ(session.rowCount(), 0u);
  EXPECT_EQ(session.saveSuggestion().fileName, "list.txt") << "nothing kept of the file";
  EXPECT_FALSE(testing_support::holdsOpenFileUnder(dir.path()));
  EXPECT_EQ(session.endGet(), std::nullopt);
  session.abandonGet();  // with no Get, nothing
}

TEST(ViewerSession, ProgressIsToldInMegabytesAndSteps) {
  const struct {
    std::uint64_t read, size;
    std::string text;
    std::optional<int> step;
  } cases[] = {
      {0, 0, "Reading long.mul: 0 MB", std::nullopt},  // not open yet, or a size the system does not tell
      {1'024'000'000, 4'096'000'000, "Reading long.mul: 1,024 of 4,096 MB", 250},
      {4'000'000, 4'000'000, "Reading long.mul: 4 of 4 MB", 1000},
      {0, 1, "Reading long.mul: 0 of 1 MB", 0},
      // A file that grows while it is read: how far is known, how far to go
      // is not.
      {6'663'000'000, 4'294'967'296, "Reading long.mul: 6,663 MB (the file grew from 4,295 MB)", std::nullopt},
      {4'000'001, 4'000'000, "Reading long.mul: 4 MB (the file grew from 4 MB)", std::nullopt},
      {5'000'000, 0, "Reading long.mul: 5 MB", std::nullopt},  // an empty file that grew
  };
  for (const auto& c : cases) {
    const ui::GetProgressText progress = ui::getProgressText({c.read, c.size}, "folder/long.mul");
    EXPECT_EQ(progress.text, c.text);
    EXPECT_EQ(progress.step, c.step);
  }
}

// The shared table's texts are written for Windows-1252, the default where
// the locale or the system names no other; under another one a file with
// bytes of 0x80 and up lists other letters.
bool linesFollowCodePage(const BadInput& c) {
  if (c.lines.empty() || runtime::Encoding::systemDefault().codePage() == 1252) return false;
  const Bytes bytes = testing_support::readAll(c.path);
  return std::any_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b >= 0x80; });
}

// One case: the lines listed, the message, nothing created or changed, and
// (unless a case of the table holds one itself) no file left open.
void expectOutcome(const BadInput& c, const TempDir& dir, bool noFileOpen = true) {
  SCOPED_TRACE(c.name);
  ui::ViewerSession session;
  const auto before = testing_support::snapshot(dir.path());
  const std::string message = get(session, c.path);
  if (linesFollowCodePage(c)) {
    EXPECT_EQ(session.rowCount(), c.lines.size());
  } else {
    EXPECT_EQ(shownLines(session), c.lines);
  }
  if (c.errorPart.empty()) {
    EXPECT_EQ(message, "");
  } else {
    EXPECT_NE(message.find(c.errorPart), std::string::npos) << message;
  }
  EXPECT_EQ(testing_support::snapshot(dir.path()), before);
  if (noFileOpen) {
    EXPECT_FALSE(testing_support::holdsOpenFileUnder(dir.path()));
  }
}

TEST(ViewerSessionBadInputs, EachIsListedOrRefusedWithAClearMessage) {
  const TempDir dir;
  for (const BadInput& c : testing_support::makeBadInputs(dir)) expectOutcome(c, dir);
#ifdef _WIN32
  {
    const testing_support::WindowsBadInputs windows(dir);
    for (const BadInput& c : windows.cases()) expectOutcome(c, dir, false);
  }
  EXPECT_FALSE(testing_support::holdsOpenFileUnder(dir.path()));
#endif
}

TEST(ViewerSessionBadInputsSlow, SparseFileOver4GiBKeepsItsOffsets) {
  if (!testing_support::slowTestsEnabled()) GTEST_SKIP() << "set SPEECH_SLOW_TESTS to run";
  const TempDir dir;
  expectOutcome(testing_support::makeSparseOver4GiB(dir), dir);
}

// A name given on the command line or by a drop is read exactly, whatever
// its bytes; the field shows it visibly, and an edit names what it shows.
TEST(ViewerSession, APathGivenWithAnyBytesIsReadAsGivenWhileTheFieldShowsIt) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows' names are UTF-16: the field holds any of them as it is";
#else
  const TempDir dir;
  const auto writeAt = [](const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  };
  const std::filesystem::path given = dir.path() / "\xFF\xFE.mul";
  writeAt(given, record(1, "given"));
  // The file the name would open if its bytes were taken as UTF-8, and the
  // one that the field's text names.
  dir.write("\xEF\xBF\xBD\xEF\xBF\xBD.mul", record(2, "other"));
  dir.write(
      "\xE2\x80\xB9"
      "FF\xE2\x80\xBA\xE2\x80\xB9"
      "FE\xE2\x80\xBA.mul",
      record(3, "as shown"));
  const std::filesystem::path controls = dir.path() / "a\nb.mul";
  writeAt(controls, record(4, "x"));

  ui::ViewerSession session;
  const std::filesystem::path field = session.offerPath(given);
  EXPECT_EQ(field, dir.path() /
                       "\xE2\x80\xB9"
                       "FF\xE2\x80\xBA\xE2\x80\xB9"
                       "FE\xE2\x80\xBA.mul");
  EXPECT_EQ(session.get(field), std::nullopt);
  EXPECT_EQ(shownLines(session), std::vector<std::string>{"ID: 1 Text: given"});
  EXPECT_EQ(session.get(field), std::nullopt);  // again, while the field is as it was
  EXPECT_EQ(shownLines(session), std::vector<std::string>{"ID: 1 Text: given"});
  // Edited, even back to a text that names a file: what it shows is read.
  EXPECT_NE(session.get(std::filesystem::path(field.string() + " ")).value_or("").find("There is no file"),
            std::string::npos);
  EXPECT_EQ(session.get(field), std::nullopt);
  EXPECT_EQ(session.offerPath(dir.path() / "plain.mul"), dir.path() / "plain.mul");
  EXPECT_EQ(session.get(field), std::nullopt);
  EXPECT_EQ(shownLines(session), std::vector<std::string>{"ID: 3 Text: as shown"});

  // A control character in a name shows as its picture, and opens the file.
  const std::filesystem::path shownControls = session.offerPath(controls);
  EXPECT_EQ(shownControls, dir.path() /
                               "a\xE2\x90\x8A"
                               "b.mul");
  EXPECT_EQ(session.get(shownControls), std::nullopt);
  EXPECT_EQ(shownLines(session), std::vector<std::string>{"ID: 4 Text: x"});
#endif
}

// ---- Find

TEST(ViewerSession, FindsTheNextOrPreviousLineComingRoundAndSaysHowItWent) {
  // Rows 0 "ID: 2A Text: hail", 1 "ID: 9 Text: Bank", 2 "ID: 12 Text: bank",
  // 3 "ID: 13 Text: hello", 4 to 203 "ID: 1 Text: filler", 204 "ID: 2 Text: needle".
  Bytes file = concat({record(0x2A, "hail"), record(9, "Bank"), record(0x12, "bank"), record(0x13, "hello")});
  for (int i = 0; i <= 200; ++i) {
    const Bytes r = record(i < 200 ? 1 : 2, i < 200 ? "filler" : "needle");
    file.insert(file.end(), r.begin(), r.end());
  }
  const TempDir dir;
  ui::ViewerSession session;
  ASSERT_EQ(get(session, dir.write("s.mul", file)), "");
  using ui::FindDirection;
  const std::string firstLine = "Went on from the first line.", lastLine = "Went on from the last line.";
  const struct {
    std::string text;
    bool matchCase;
    FindDirection direction;
    std::optional<std::size_t> from, found;
    std::string says;
  } steps[] = {
      {"bank", false, FindDirection::Next, std::nullopt, 1, ""},
      {"bank", false, FindDirection::Next, 1, 2, ""},
      {"bank", false, FindDirection::Next, 2, 1, firstLine},
      {"bank", false, FindDirection::Previous, 1, 2, lastLine},
      {"Bank", true, FindDirection::Previous, 2, 1, ""},
      {"Bank", true, FindDirection::Next, 1, 1, firstLine},  // the only match is the current line
      {"NEEDLE", false, FindDirection::Next, 1, 204, ""},
      {"2a", false, FindDirection::Next, 204, 0, firstLine},
      {"hail", false, FindDirection::Previous, std::nullopt, 0, ""},
      {"sell", false, FindDirection::Next, 0, std::nullopt, "No line holds \"sell\"."},
      {"a\x1B[2J", false, FindDirection::Next, 0, std::nullopt, "No line holds \"a\xE2\x90\x9B[2J\"."},
      {"", false, FindDirection::Next, 0, std::nullopt, ""},  // nothing to find
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.text);
    session.setSearch(s.text, s.matchCase);
    const ui::ViewerSession::Found found = session.find(s.direction, s.from);
    EXPECT_EQ(found.row, s.found);
    EXPECT_EQ(found.message, s.says);
    EXPECT_EQ(found.cameRound, s.says == firstLine || s.says == lastLine);
  }
}

// Every row that Find next stops at for `text` without Match case, in order.
std::vector<std::size_t> rowsHolding(ui::ViewerSession& session, const std::string& text) {
  session.setSearch(text, false);
  std::vector<std::size_t> rows;
  for (std::optional<std::size_t> row; (row = session.find(ui::FindDirection::Next, row).row);) {
    if (!rows.empty() && *row <= rows.back()) break;  // came round
    rows.push_back(*row);
  }
  return rows;
}

// Letters match in either case as Unicode folds them, in the encoding the
// texts are read in: the Vietnamese horned letters, the final sigma, the
// dotted and dotless i (i is I, i is İ and ı is I; ı is never i or İ, nor İ I),
// and the letters that fold into ASCII. One letter is one letter: ß never
// finds "ss".
TEST(ViewerSession, FindWithoutMatchCaseFoldsEveryLetterOfTheEncoding) {
  const struct {
    unsigned codePage;
    std::vector<std::string> texts;  // the rows, in the code page's bytes
    std::vector<std::pair<std::string, std::vector<std::size_t>>> finds;
  } cases[] = {
      {1258, {"PH\xDD\xD5NG", "ph\xFD\xF5ng"}, {{"ph\u01B0\u01A1ng", {0, 1}}, {"PH\u01AF\u01A0NG", {0, 1}}}},
      {1253,
       {"\xD3\xC9\xD3\xD5\xD6\xCF\xD3", "\xF3\xE9\xF3\xF5\xF6\xEF\xF2", "\xF2\xE9\xF3\xF5\xF6\xEF\xF3"},
       {{"\u03C3\u03B9\u03C3\u03C5\u03C6\u03BF\u03C2", {0, 1, 2}},
        {"\u03A3\u0399\u03A3\u03A5\u03A6\u039F\u03A3", {0, 1, 2}},
        {"\u03C2\u03B9\u03C3\u03C5\u03C6\u03BF\u03C3", {0, 1, 2}}}},
      {1254,
       {"\xDDSTANBUL", "ISTANBUL", "istanbul", "\xFDstanbul", "xi", "xI", "x\xFD", "x\xDD"},
       {{"istanbul", {0, 1, 2}},
        {"ISTANBUL", {1, 2, 3}},
        {"\u0131stanbul", {1, 3}},
        {"\u0130STANBUL", {0, 2}},
        {"xi", {4, 5, 7}},
        {"xI", {4, 5, 6}},
        {"x\u0131", {5, 6}},
        {"x\u0130", {4, 7}}}},
      {65001,
       {"\u017Ftar", "STAR", "\u212Aelvin", "stra\u00DFe", "STRA\u1E9EE"},
       {{"star", {0, 1}},
        {"\u017FTAR", {0, 1}},
        {"kelvin", {2}},
        {"tar", {0, 1}},
        {"stra\u1E9Ee", {3, 4}},
        {"strasse", {}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.codePage);
    Bytes file;
    for (const std::string& text : c.texts) file = concat({file, record(0x70, text)});
    const TempDir dir;
    ui::ViewerSession session;
    ASSERT_EQ(get(session, dir.write("s.mul", file)), "");
    ASSERT_EQ(session.setEncoding(runtime::Encoding::fromCodePage(c.codePage)), std::nullopt);
    for (const auto& [text, rows] : c.finds) EXPECT_EQ(rowsHolding(session, text), rows) << text;
  }
}

// ---- The encoding

// One file of Cyrillic (1251), Japanese (932) and UTF-8 texts: each reads
// right in its own encoding, and every line, find, copy and save follows the
// encoding chosen, without reading the file again.
TEST(ViewerSession, TheChosenEncodingShowsFindsCopiesAndSavesEveryLineInIt) {
  const TempDir dir;
  const std::string path =
      dir.write("s.mul", concat({record(1, "\xCF\xF0\xE8\xE2\xE5\xF2"),
                                 record(2, "\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD"), record(3, "h\xC3\xA9llo")}));
  ui::ViewerSession session;
  ASSERT_EQ(get(session, path), "");
  session.setSearch("\u3053\u3093", false);
  const struct {
    unsigned codePage;
    std::string line1, line2, line3;
    std::optional<std::size_t> found;
  } cases[] = {
      {1251, "\u041F\u0440\u0438\u0432\u0435\u0442", "\u201A\u00B1\u201A\u0441\u201A\u0419\u201A\u0457\u201A\u041D",
       "h\u0413\u00A9llo", std::nullopt},
      // F0 E8 is a character of the user-defined area; F2 has no second byte.
      {932, "\uFF8F\uE0A7\u7CA2\u2039F2\u203A", "\u3053\u3093\u306B\u3061\u306F", "h\uFF83\uFF69llo", 1},
      // Bytes that are not UTF-8 show their value; C9 82 is U+0242.
      {65001, "\u2039CF\u203A\u2039F0\u203A\u2039E8\u203A\u2039E2\u203A\u2039E5\u203A\u2039F2\u203A",
       "\u203982\u203A\u2039B1\u203A\u203982\u203A\u2039F1\u203A\u203982\u203A\u0242\u2039BF\u203A\u203982\u203A\u2039C"
       "D\u203A",
       "h\u00E9llo", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.codePage);
    const auto encoding = runtime::Encoding::fromCodePage(c.codePage);
    ASSERT_TRUE(encoding);
    EXPECT_EQ(session.setEncoding(encoding), std::nullopt);
    EXPECT_EQ(session.encoding(), *encoding);
    const std::vector<std::string> lines = {"ID: 1 Text: " + c.line1, "ID: 2 Text: " + c.line2,
                                            "ID: 3 Text: " + c.line3};
    EXPECT_EQ(shownLines(session), lines);
    EXPECT_EQ(session.find(ui::FindDirection::Next, std::nullopt).row, c.found);
    EXPECT_EQ(session.allShownLines("\n").text, lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\n");
    EXPECT_EQ(session.saveListAs(dir.path() / "list.txt"), std::nullopt);
    const Bytes saved = testing_support::readAll((dir.path() / "list.txt").string());
    EXPECT_EQ(std::string(saved.begin(), saved.end()), session.allShownLines("\n").text);
  }
  EXPECT_EQ(session.setEncoding(std::nullopt), std::nullopt);
  EXPECT_EQ(session.encoding(), runtime::Encoding::systemDefault());
}

// A file whose texts look like UTF-8 is asked about once, when no encoding
// was chosen and the default is not UTF-8.
TEST(ViewerSession, AFileOfUtf8TextsIsAskedAboutOnceUnlessAnEncodingWasChosen) {
  const auto cp1252 = *runtime::Encoding::fromCodePage(1252);
  const auto utf8 = *runtime::Encoding::fromCodePage(65001);
  const Bytes utf8Texts = concat({record(1, "caf\xC3\xA9"), record(2, ""), record(3, "\xE6\x97\xA5\xF0\x9F\x98\x80")});
  const std::string question = "The texts of s.mul look like UTF-8, not Western European (1252). Show them as UTF-8?";
  const struct {
    const char* what;
    Bytes file;
    runtime::Encoding systemDefault;
    std::optional<runtime::Encoding> chosen;
    bool asks;
  } cases[] = {
      {"UTF-8 texts", utf8Texts, cp1252, std::nullopt, true},
      {"and a cut-off entry after them", concat({utf8Texts, Bytes{0, 4, 0}}), cp1252, std::nullopt, true},
      {"ASCII texts only", concat({record(1, "plain"), record(2, "text")}), cp1252, std::nullopt, false},
      // C3 A9 reads as UTF-8, the lone E9 of "caf\xE9" does not.
      {"1252 texts valid UTF-8 in part", concat({record(1, "\xC3\xA9"), record(2, "caf\xE9")}), cp1252, std::nullopt,
       false},
      {"an empty file", {}, cp1252, std::nullopt, false},
      {"entries without text", concat({record(1, ""), record(2, "")}), cp1252, std::nullopt, false},
      {"an encoding chosen", utf8Texts, cp1252, cp1252, false},
      {"UTF-8 chosen", utf8Texts, cp1252, utf8, false},
      {"a UTF-8 system default", utf8Texts, utf8, std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDir dir;
    const std::string path = dir.write("s.mul", c.file);
    for (const bool yes : {false, true}) {
      ui::ViewerSession session(c.systemDefault);
      if (c.chosen) {
        ASSERT_EQ(session.setEncoding(c.chosen), std::nullopt);
      }
      get(session, path);
      EXPECT_EQ(session.utf8Question(), c.asks ? std::optional(question) : std::nullopt);
      if (!c.asks) continue;
      EXPECT_EQ(session.answerUtf8Question(yes), std::nullopt);
      EXPECT_EQ(session.encodingChoice(), yes ? std::optional(utf8) : std::nullopt);
      EXPECT_EQ(shownLines(session).front(), yes ? "ID: 1 Text: caf\u00E9" : "ID: 1 Text: caf\u00C3\u00A9");
      // Asked once for the file, whatever the answer.
      EXPECT_EQ(session.setEncoding(std::nullopt), std::nullopt);
      get(session, path);
      EXPECT_EQ(session.utf8Question(), std::nullopt);
    }
  }
}

TEST(ViewerSession, TheEncodingMenuOffersTheDefaultFirstThenEveryEncodingWithTheChosenChecked) {
  const std::vector<ui::EncodingMenuItem> byDefault = ui::encodingMenu(std::nullopt);
  ASSERT_EQ(byDefault.size(), 1 + runtime::Encoding::all().size());
  EXPECT_EQ(byDefault[0].text, runtime::systemDefaultName());
  EXPECT_TRUE(byDefault[0].checked);
  const auto cyrillic = runtime::Encoding::fromCodePage(1251);
  const std::vector<ui::EncodingMenuItem> chosen = ui::encodingMenu(cyrillic);
  EXPECT_FALSE(chosen[0].checked);
  const auto checked = std::find_if(chosen.begin(), chosen.end(), [](const auto& item) { return item.checked; });
  ASSERT_NE(checked, chosen.end());
  EXPECT_EQ(checked->text, "Cyrillic (1251)");
  EXPECT_EQ(checked->encoding, cyrillic);
  EXPECT_EQ(std::count_if(chosen.begin(), chosen.end(), [](const auto& item) { return item.checked; }), 1);
  EXPECT_EQ(chosen.back().text, "UTF-8");
}

// ---- Copy and save

TEST(ViewerSession, CopiesEveryLineAsShownWithThePlatformsLineEnd) {
  const TempDir dir;
  ui::ViewerSession session;
  EXPECT_EQ(session.allShownLines("\n").text, "");
  get(session, dir.write("s.mul", concat({record(1, "a\nb"), record(2, ""), record(3, "three")})));
  EXPECT_EQ(session.shownLine(0),
            "ID: 1 Text: a\xE2\x90\x8A"
            "b");
  EXPECT_EQ(session.allShownLines("\n").text,
            "ID: 1 Text: a\xE2\x90\x8A"
            "b\nID: 3 Text: three\n");
  EXPECT_EQ(session.allShownLines("\r\n").text,
            "ID: 1 Text: a\xE2\x90\x8A"
            "b\r\nID: 3 Text: three\r\n");
}

TEST(ViewerSession, SavesBesideTheSpeechFileAndSaysWhyItCannot) {
  const TempDir dir;
  const std::string speech = dir.write("speech.mul", concat({record(0x2A, "hail"), record(2, "a,b")}));
  ui::ViewerSession session;
  EXPECT_EQ(session.saveSuggestion().fileName, "list.txt");
  get(session, speech);
  const ui::ViewerSession::SaveSuggestion suggestion = session.saveSuggestion();
  EXPECT_TRUE(std::filesystem::equivalent(suggestion.folder, dir.path()));
  EXPECT_EQ(suggestion.fileName, "speech.txt");

  EXPECT_EQ(session.saveListAs(dir.path() / "list.txt"), std::nullopt);
  const Bytes written = testing_support::readAll((dir.path() / "list.txt").string());
  EXPECT_EQ(std::string(written.begin(), written.end()), "ID: 2A Text: hail\nID: 2 Text: a,b\n");
  EXPECT_EQ(session.saveListAs(testing_support::pathFromUtf8(speech)),
            "This is the speech file the lines come from; the list is not saved over it. (Permission denied, runtime "
            "error 70)");
  EXPECT_NE(session.saveListAs(dir.path() / "no folder" / "l.txt").value_or("").find("cannot be written"),
            std::string::npos);
}

// With no memory for a large block, Copy all lines, Save list as and Find
// say so, and the session goes on once there is memory again.
TEST(ViewerSession, RunningOutOfMemoryIsSaidNeverACrash) {
  const TempDir dir;
  Bytes file;
  const Bytes entry = record(7, std::string(1000, 'x'));
  for (int i = 0; i < 2000; ++i) file.insert(file.end(), entry.begin(), entry.end());
  ui::ViewerSession session;
  ASSERT_EQ(get(session, dir.write("s.mul", file)), "");
  session.setSearch("y", false);

  const std::filesystem::path target = dir.path() / "list.txt";
  ui::TextOutcome copied;
  std::optional<std::string> saved;
  ui::ViewerSession::Found found;
  {
    const testing_support::AllocationsFail failing(256);
    copied = session.allShownLines("\n");
    saved = session.saveListAs(target);
    found = session.find(ui::FindDirection::Next, std::nullopt);
  }
  EXPECT_EQ(copied.failure, "There is not enough memory to copy every line; nothing was copied.");
  EXPECT_EQ(copied.text, "");
  EXPECT_EQ(saved, "There is not enough memory to save the list; the file was not written.");
  EXPECT_FALSE(std::filesystem::exists(target));
  EXPECT_EQ(found.message, "There is not enough memory to search the lines.");
  EXPECT_EQ(session.allShownLines("\n").text.size(), 2000u * 1013);  // and it goes on
}

// ---- The window's command line

TEST(ViewerCommandLine, OpensThePathOrAsksForTheUsageOrVersionOrSaysWhatIsWrong) {
  using Action = ui::ViewerCommandLine::Action;
  const ui::ViewerProgram onLinux{"speechviewer"}, onWindows{"speechviewer.exe", true};
  const struct {
    std::vector<std::string> arguments;
    const ui::ViewerProgram& program;
    Action action;
    std::optional<std::string> path;
    std::string problem;
  } cases[] = {
      {{}, onLinux, Action::OpenWindow, std::nullopt, ""},
      {{"C:\\Daten \xD0\x96\\speech.mul"}, onWindows, Action::OpenWindow, "C:\\Daten \xD0\x96\\speech.mul", ""},
      {{"-"}, onLinux, Action::OpenWindow, "-", ""},
      {{"--", "--help"}, onLinux, Action::OpenWindow, "--help", ""},
      {{"--", "-a.mul"}, onWindows, Action::OpenWindow, "-a.mul", ""},
      {{"--help"}, onLinux, Action::ShowUsage, std::nullopt, ""},
      {{"-h"}, onWindows, Action::ShowUsage, std::nullopt, ""},
      {{"/?"}, onWindows, Action::ShowUsage, std::nullopt, ""},
      {{"/?"}, onLinux, Action::OpenWindow, "/?", ""},  // a name there
      {{"a.mul", "--version"}, onLinux, Action::ShowVersion, std::nullopt, ""},
      {{"a.mul", "b.mul"}, onWindows, Action::Refuse, std::nullopt, "too many arguments: give one PATH"},
      {{"a.mul", "--", "-b.mul"}, onLinux, Action::Refuse, std::nullopt, "too many arguments: give one PATH"},
      {{"--frob"}, onWindows, Action::Refuse, std::nullopt, "unknown option '--frob'"},
      {{"--help=x"}, onLinux, Action::Refuse, std::nullopt, "unknown option '--help=x'"},
      {{"-x\x1B[2J"}, onLinux, Action::Refuse, std::nullopt, "unknown option '-x\xE2\x90\x9B[2J'"},  // shown
      {{"--encoding", "cp1259", "a.mul"},
       onWindows,
       Action::Refuse,
       std::nullopt,
       "unknown encoding 'cp1259': give ansi, utf-8, or a code page: 874, 932, 936, 949, 950, 1250 to 1258"},
      {{"--encoding"},
       onLinux,
       Action::Refuse,
       std::nullopt,
       "--encoding needs a NAME: ansi, utf-8, or a code page: 874, 932, 936, 949, 950, 1250 to 1258"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.empty() ? "(none)" : c.arguments.front());
    std::vector<std::filesystem::path> arguments;
    for (const std::string& a : c.arguments) arguments.push_back(testing_support::pathFromUtf8(a));
    const ui::ViewerCommandLine line = ui::readViewerCommandLine(arguments, c.program);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.path, c.path ? std::optional(testing_support::pathFromUtf8(*c.path)) : std::nullopt);
    EXPECT_EQ(line.problem, c.problem);
  }
  using runtime::Encoding;
  const auto encodingOf = [](std::vector<std::filesystem::path> arguments) {
    return ui::readViewerCommandLine(arguments, {"speechviewer"}).encoding;
  };
  EXPECT_EQ(encodingOf({"--encoding", "windows-1251", "a.mul"}), Encoding::fromCodePage(1251));
  EXPECT_EQ(encodingOf({"--encoding=UTF-8"}), Encoding::fromCodePage(65001));
  EXPECT_EQ(encodingOf({"--encoding", "ansi"}), std::nullopt);  // the system default
  EXPECT_EQ(encodingOf({"a.mul"}), std::nullopt);
  const auto compareOf = [&](std::vector<std::filesystem::path> arguments) {
    const ui::ViewerCommandLine line = ui::readViewerCommandLine(arguments, onLinux);
    return std::make_tuple(line.action, line.compareWith, line.path, line.problem);
  };
  EXPECT_EQ(compareOf({"--compare", "old.mul", "new.mul"}),
            std::make_tuple(Action::OpenWindow, std::optional<std::filesystem::path>("old.mul"),
                            std::optional<std::filesystem::path>("new.mul"), std::string()));
  EXPECT_EQ(compareOf({"--compare", "old.mul"}),
            std::make_tuple(Action::Refuse, std::optional<std::filesystem::path>("old.mul"),
                            std::optional<std::filesystem::path>(),
                            std::string("--compare OLD needs the NEW file after it")));
  EXPECT_TRUE(ui::viewerUsage(onLinux).starts_with("usage: speechviewer [--encoding NAME] [--] [PATH]\n"));
  EXPECT_NE(ui::viewerUsage(onWindows).find("speechviewer.exe --help | /? | --version"), std::string::npos);
  EXPECT_EQ(ui::viewerVersion(),
            "speechviewer " SPEECH_VERSION "\nCopyright (c) 2026 the speech file viewer authors; MIT licence.");
}

}  // namespace
