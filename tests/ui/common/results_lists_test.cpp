// The lists beside the main list, through the session as both windows use
// it: Find all's lines, and Compare with's differences, their counts, the
// main list's rows they select and F7's steps.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/test_files.h"
#include "ui/common/viewer_session.h"

namespace {

using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;
using testing_support::TempDir;
using ui::FindDirection;

struct Listed {
  std::vector<std::string> rows;
  std::vector<std::optional<std::size_t>> mainRows;
  std::string count;
};

Listed listed(const ui::ResultsList& results) {
  Listed out{{}, {}, results.countText()};
  for (std::size_t i = 0; i < results.size(); ++i) {
    out.rows.push_back(results.row(i));
    out.mainRows.push_back(results.mainRow(i));
  }
  return out;
}

std::string get(ui::ViewerSession& session, const std::string& path) {
  return session.get(testing_support::pathFromUtf8(path)).value_or("");
}

// Compares the listed file with `oldPath` as the windows do, waiting for it.
std::string compare(ui::ViewerSession& session, const std::string& oldPath) {
  if (auto refused = session.startCompare(testing_support::pathFromUtf8(oldPath))) return *refused;
  return session.endCompare().value_or("");
}

TEST(FindAll, ListsEveryLineThatHoldsTheTextAsFindNextMatchesAndCountsThem) {
  // Rows 0 "ID: 2A Text: hail", 1 "ID: 9 Text: Bank", 2 "ID: 12 Text: a␊bank", 3 "ID: 13 Text: hello".
  const TempDir dir;
  ui::ViewerSession session;
  ASSERT_EQ(get(session, dir.write("s.mul", concat({record(0x2A, "hail"), record(9, "Bank"), record(7, ""),
                                                    record(0x12, "a\nbank"), record(0x13, "hello")}))),
            "");
  const struct {
    std::string text;
    bool matchCase;
    std::vector<std::optional<std::size_t>> rows;
    std::string count;
  } cases[] = {
      {"bank", false, {1, 2}, "2 lines hold \"bank\"."},       {"bank", true, {2}, "1 line holds \"bank\"."},
      {"\u240A", false, {2}, "1 line holds \"\u240A\"."},  // the shown form of a control character
      {"\n", false, {}, "No line holds \"\u240A\"."},      // which no shown line holds itself
      {"ID: ", false, {0, 1, 2, 3}, "4 lines hold \"ID: \"."}, {"sell", false, {}, "No line holds \"sell\"."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    session.setSearch(c.text, c.matchCase);
    ASSERT_EQ(session.findAll(), std::nullopt);
    const Listed found = listed(session.foundLines());
    EXPECT_EQ(found.mainRows, c.rows);
    EXPECT_EQ(found.count, c.count);
    for (std::size_t i = 0; i < found.rows.size(); ++i) EXPECT_EQ(found.rows[i], session.shownLine(*c.rows[i]));
  }
  // A Get lists other rows: the lines found are gone with them.
  ASSERT_EQ(get(session, dir.write("t.mul", record(1, "bank"))), "");
  EXPECT_EQ(session.foundLines().size(), 0u);
  EXPECT_EQ(session.foundLines().countText(), "");
}

TEST(CompareWith, ListsEachDifferenceWithItsLinesAndCountsThemAndSelectsItsRow) {
  const Bytes hail = record(1, "hail"), hello = record(2, "hello"), bank = record(3, "bank"), empty = record(5, "");
  const struct {
    const char* what;
    Bytes oldFile, newFile;
    std::vector<std::string> rows;
    std::vector<std::optional<std::size_t>> mainRows;
    std::string count;
  } cases[] = {
      {"same",
       concat({hail, hello}),
       concat({hail, hello}),
       {},
       {},
       "Compared with old.mul: the files hold the same entries."},
      {"changed",
       concat({hail, hello, bank}),
       concat({hail, record(2, "hello there"), bank}),
       {"Changed: ID: 2 Text: hello \u2192 ID: 2 Text: hello there"},
       {1},
       "Compared with old.mul: 0 removed, 0 added, 1 changed."},
      {"removed, and the row it stood before is selected",
       concat({hail, hello, bank}),
       concat({hail, bank}),
       {"Removed: ID: 2 Text: hello"},
       {1},
       "Compared with old.mul: 1 removed, 0 added, 0 changed."},
      {"removed at the end selects the last row",
       concat({hail, hello}),
       concat({hail}),
       {"Removed: ID: 2 Text: hello"},
       {0},
       "Compared with old.mul: 1 removed, 0 added, 0 changed."},
      {"added entries, one without text, which selects the row after it",
       concat({hail, bank}),
       concat({hail, empty, record(4, "new\x1B"), bank}),
       {"Added: ID: 5 Text: ", "Added: ID: 4 Text: new\u241B"},
       {1, 1},
       "Compared with old.mul: 0 removed, 2 added, 0 changed."},
      {"all three",
       concat({hail, hello, bank}),
       concat({record(1, "HAIL"), bank, record(9, "end")}),
       {"Changed: ID: 1 Text: hail \u2192 ID: 1 Text: HAIL", "Removed: ID: 2 Text: hello", "Added: ID: 9 Text: end"},
       {0, 1, 2},
       "Compared with old.mul: 1 removed, 1 added, 1 changed."},
  };
  const TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ui::ViewerSession session;
    const std::string oldPath = dir.write("old.mul", c.oldFile);
    ASSERT_EQ(get(session, dir.write("new.mul", c.newFile)), "");
    ASSERT_EQ(compare(session, oldPath), "");
    ASSERT_NE(session.differences(), nullptr);
    const Listed differences = listed(*session.differences());
    EXPECT_EQ(differences.rows, c.rows);
    EXPECT_EQ(differences.mainRows, c.mainRows);
    EXPECT_EQ(differences.count, c.count);
  }
}

TEST(CompareWith, F7GoesOnFromTheCurrentDifferenceOrFromTheMainListsRow) {
  // New rows: 0 hail, 1 bank (before it: hello and hi removed), 2 "new"
  // (added), 3 "x" (changed), 4 end. Differences: 0 removed hello, 1
  // removed hi, 2 added new, 3 changed x.
  const TempDir dir;
  ui::ViewerSession session;
  const std::string oldPath = dir.write("old.mul", concat({record(1, "hail"), record(2, "hello"), record(2, "hi"),
                                                           record(3, "bank"), record(4, "x"), record(6, "end")}));
  ASSERT_EQ(get(session, dir.write("new.mul", concat({record(1, "hail"), record(3, "bank"), record(5, "new"),
                                                      record(4, "X"), record(6, "end")}))),
            "");
  ASSERT_EQ(compare(session, oldPath), "");
  const ui::DifferenceList& list = *session.differences();
  ASSERT_EQ(list.size(), 4u);
  const std::string atEnd = "There is no difference after this one.",
                    atStart = "There is no difference before this one.";
  const struct {
    FindDirection direction;
    std::optional<std::size_t> current, mainRow, to;
    std::string says;
  } steps[] = {
      {FindDirection::Next, std::nullopt, std::nullopt, 0, ""},
      {FindDirection::Previous, std::nullopt, std::nullopt, 3, ""},
      {FindDirection::Next, 0, 1, 1, ""},  // the current difference's row: on from it, though both select row 1
      {FindDirection::Previous, 1, 1, 0, ""},
      {FindDirection::Next, 3, 3, std::nullopt, atEnd},
      {FindDirection::Previous, 0, 1, std::nullopt, atStart},
      {FindDirection::Next, std::nullopt, 0, 0, ""},  // from the main list's row: what stands after it
      {FindDirection::Next, std::nullopt, 1, 2, ""},
      {FindDirection::Previous, std::nullopt, 1, 1, ""},  // the removed entries stand before row 1
      {FindDirection::Previous, std::nullopt, 3, 2, ""},  // row 3 is the change itself
      {FindDirection::Next, std::nullopt, 4, std::nullopt, atEnd},
      {FindDirection::Previous, std::nullopt, 0, std::nullopt, atStart},
      {FindDirection::Next, 0, 4, std::nullopt, atEnd},  // the main list moved on: its row counts
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(testing::Message() << (s.direction == FindDirection::Next ? "next" : "previous") << " from "
                                    << s.current.value_or(99) << ", row " << s.mainRow.value_or(99));
    const ui::DifferenceList::Step step = list.step(s.direction, s.current, s.mainRow);
    EXPECT_EQ(step.index, s.to);
    EXPECT_EQ(step.message, s.says);
  }
}

TEST(CompareWith, SaysWhyItCannotCompareAndKeepsNoDifferencesThen) {
  const TempDir dir;
  const std::string newPath = dir.write("new.mul", record(1, "hail"));
  const std::string oldPath = dir.write("old.mul", record(1, "hello"));
  {
    ui::ViewerSession session;
    EXPECT_EQ(compare(session, oldPath), "List a file first: it is compared with the file you choose.");
  }
  {
    ui::ViewerSession session;
    ASSERT_EQ(get(session, newPath), "");
    const std::string said = compare(session, (dir.path() / "gone.mul").string());
    EXPECT_NE(said.find("gone.mul"), std::string::npos) << said;
    EXPECT_EQ(session.differences(), nullptr);
  }
  {
    // The listed file was written over after the Get: its rows are no
    // longer the entries compared.
    ui::ViewerSession session;
    ASSERT_EQ(get(session, newPath), "");
    dir.write("new.mul", concat({record(1, "hail"), record(2, "more")}));
    EXPECT_EQ(compare(session, oldPath),
              "The listed file has changed since it was listed. Get it again, then compare.");
    EXPECT_EQ(session.differences(), nullptr);
  }
  {
    // A long compare stops when asked; a Get afterwards forgets the
    // differences of the file listed before.
    ui::ViewerSession session;
    const std::string longPath = testing_support::makeLongFile(dir);
    ASSERT_EQ(get(session, newPath), "");
    ASSERT_EQ(session.startCompare(testing_support::pathFromUtf8(longPath)), std::nullopt);
    EXPECT_NE(session.startCompare(testing_support::pathFromUtf8(oldPath)), std::nullopt);  // one at a time
    EXPECT_FALSE(session.waitForCompare(std::chrono::milliseconds(50)));
    EXPECT_NE(session.compareProgress().text.find("Comparing with long.mul"), std::string::npos);
    session.stopCompare();
    EXPECT_EQ(session.endCompare(), "The compare was stopped.");
    EXPECT_EQ(session.differences(), nullptr);
    ASSERT_EQ(compare(session, oldPath), "");
    EXPECT_NE(session.differences(), nullptr);
    ASSERT_EQ(get(session, newPath), "");
    EXPECT_EQ(session.differences(), nullptr);
  }
}

}  // namespace
