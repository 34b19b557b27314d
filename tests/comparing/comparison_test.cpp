#include "comparing/comparison.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "comparing/compare_files.h"
#include "comparing/entry_kinds.h"
#include "comparing/sequence_diff.h"
#include "listing/threaded_list.h"
#include "support/test_files.h"

namespace {

using comparing::Change;
using testing_support::Bytes;
using testing_support::record;
using testing_support::TempDir;

using EntryList = std::vector<std::pair<std::uint16_t, std::string>>;

Bytes fileOf(const EntryList& entries) {
  Bytes bytes;
  for (const auto& [id, text] : entries) {
    const Bytes one = record(id, text);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  return bytes;
}

// The runs in short: "=2" two the same, "-1" one removed, "+1" one added,
// "~1" one changed, separated by blanks. Each run's starts follow from the
// runs before it, so they are checked here too.
std::string shortRuns(const comparing::Comparison& comparison) {
  std::ostringstream out;
  std::size_t oldAt = 0, newAt = 0;
  for (const comparing::Run& run : comparison.runs) {
    if (run.oldStart != oldAt || run.newStart != newAt) out << "(at " << run.oldStart << "," << run.newStart << ")";
    out << (out.tellp() > 0 ? " " : "") << "=-+~"[static_cast<int>(run.change)] << run.count;
    oldAt += run.oldCount();
    newAt += run.newCount();
  }
  return out.str();
}

const std::string kCafe1252 = "caf\xE9";
const std::string kCafeUtf8 = "caf\xC3\xA9";

TEST(CompareFiles, MatchesEntriesAsATextDiffMatchesLines) {
  const EntryList abc = {{1, "hail"}, {2, "bank"}, {3, "buy"}};
  const struct {
    const char* what;
    EntryList old, young;
    const char* runs;
  } cases[] = {
      {"identical files", abc, abc, "=3"},
      {"one entry added at the start", {{2, "bank"}, {3, "buy"}}, abc, "+1 =2"},
      {"in the middle", {{1, "hail"}, {3, "buy"}}, abc, "=1 +1 =1"},
      {"at the end", {{1, "hail"}, {2, "bank"}}, abc, "=2 +1"},
      {"one removed at the start", abc, {{2, "bank"}, {3, "buy"}}, "-1 =2"},
      {"in the middle", abc, {{1, "hail"}, {3, "buy"}}, "=1 -1 =1"},
      {"at the end", abc, {{1, "hail"}, {2, "bank"}}, "=2 -1"},
      {"a text changed", abc, {{1, "hail"}, {2, "bench"}, {3, "buy"}}, "=1 ~1 =1"},
      {"an ID changed: removed and added", abc, {{1, "hail"}, {7, "bank"}, {3, "buy"}}, "=1 -1 +1 =1"},
      {"two entries swapped", {{1, "hail"}, {2, "bank"}}, {{2, "bank"}, {1, "hail"}}, "-1 =1 +1"},
      {"changes paired by ID where they stand together", abc, {{1, "hello"}, {9, "new"}, {3, "sell"}}, "~1 -1 +1 ~1"},
      {"duplicate IDs, one text changed", {{1, "a"}, {1, "b"}, {1, "c"}}, {{1, "a"}, {1, "x"}, {1, "c"}}, "=1 ~1 =1"},
      {"duplicate IDs, all texts changed", {{1, "a"}, {1, "b"}}, {{1, "c"}, {1, "d"}}, "~2"},
      {"a duplicate entry removed", {{1, "a"}, {1, "a"}, {2, "b"}}, {{1, "a"}, {2, "b"}}, "=1 -1 =1"},
      {"entries without text count", {{1, ""}, {2, "a"}}, {{1, ""}, {2, "a"}, {3, ""}}, "=2 +1"},
      {"a text emptied is changed", {{1, ""}, {2, "a"}}, {{1, ""}, {2, ""}}, "=1 ~1"},
      {"empty entries differ by ID", {{1, ""}, {2, ""}}, {{1, ""}, {3, ""}}, "=1 -1 +1"},
      {"two empty files", {}, {}, ""},
      {"an empty old file", {}, abc, "+3"},
      {"an empty new file", abc, {}, "-3"},
      {"the same word in two encodings is two texts", {{1, kCafe1252}}, {{1, kCafeUtf8}}, "~1"},
      {"the same bytes are the same whatever they encode",
       {{1, kCafeUtf8}, {2, "\x82\xA0"}},
       {{1, kCafeUtf8}, {2, "\x82\xA0"}},
       "=2"},
      {"nothing shared", abc, {{4, "x"}, {5, "y"}}, "-3 +2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDir dir;
    const comparing::CompareOutcome outcome =
        comparing::compareFiles(testing_support::pathFromUtf8(dir.write("old.mul", fileOf(c.old))),
                                testing_support::pathFromUtf8(dir.write("new.mul", fileOf(c.young))));
    ASSERT_TRUE(outcome.compared) << (outcome.failures.empty() ? "" : outcome.failures.front());
    const comparing::Comparison& comparison = outcome.compared->comparison;
    EXPECT_EQ(shortRuns(comparison), c.runs);
    EXPECT_EQ(comparison.same(), c.old == c.young);
    EXPECT_TRUE(comparison.fewest);
    EXPECT_EQ(outcome.compared->oldEntries.size(), c.old.size());
    EXPECT_EQ(outcome.compared->newEntries.size(), c.young.size());
  }
}

TEST(CompareFiles, AFileThatCannotBeReadToItsEndEndsTheCompareWithTheGetsMessage) {
  const TempDir dir;
  const std::string good = dir.write("good.mul", fileOf({{1, "hail"}}));
  Bytes cut = fileOf({{1, "hail"}, {2, "bank"}});
  cut.resize(cut.size() - 2);
  const std::string cutShort = dir.write("cut.mul", cut);
  const std::string missing = dir.write("none.mul", {}) + ".gone", alsoMissing = missing + ".too";
  const struct {
    const char* what;
    std::string old, young;
    std::vector<std::string> unreadable;  // in the order their messages come
  } cases[] = {
      {"the new file is cut short", good, cutShort, {cutShort}},
      {"the old file is missing", missing, good, {missing}},
      {"both are missing, the old first", missing, alsoMissing, {missing, alsoMissing}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const comparing::CompareOutcome outcome =
        comparing::compareFiles(testing_support::pathFromUtf8(c.old), testing_support::pathFromUtf8(c.young));
    EXPECT_FALSE(outcome.compared);
    EXPECT_FALSE(outcome.stopped);
    std::vector<std::string> expected;
    for (const std::string& path : c.unreadable) {
      // The message the Get gives for the file, naming it, as speechlist prints it.
      testing_support::RecordingList list;
      speechfile::ReadingState state;
      const auto error = listing::runGetOnTwoThreads(state, testing_support::pathFromUtf8(path), list);
      ASSERT_TRUE(error);
      expected.push_back(error->what());
    }
    EXPECT_EQ(outcome.failures, expected);
  }
}

TEST(CompareFiles, TellsItsProgressAndStopsWhenAsked) {
  const TempDir dir;
  const auto path = testing_support::pathFromUtf8(dir.write("speech.mul", fileOf({{1, "hail"}, {2, "bank"}})));
  comparing::CompareControl finished;
  const comparing::CompareOutcome outcome = comparing::compareFiles(path, path, &finished);
  ASSERT_TRUE(outcome.compared);
  const comparing::CompareControl::Progress done = finished.progress();
  EXPECT_EQ(done.stage, comparing::CompareControl::Stage::Matching);
  EXPECT_EQ(done.done, done.total);
  EXPECT_EQ(done.total, 8u);  // both files' entries, matched by entry and then by ID

  comparing::CompareControl stopped;
  stopped.stop();
  const comparing::CompareOutcome none = comparing::compareFiles(path, path, &stopped);
  EXPECT_TRUE(none.stopped);
  EXPECT_FALSE(none.compared);
  EXPECT_TRUE(none.failures.empty());
  EXPECT_EQ(stopped.progress().stage, comparing::CompareControl::Stage::Reading);
}

TEST(CompareEntries, AStopAskedWhileMatchingEndsIt) {
  // Two long files of a few texts in another order each: matching them is long work.
  comparing::FileEntries old, young;
  std::mt19937 random(7);
  std::uint64_t oldAt = 0, newAt = 0;
  for (int i = 0; i < 50000; ++i) {
    const std::uint8_t a[] = {static_cast<std::uint8_t>('a' + random() % 3)};
    const std::uint8_t b[] = {static_cast<std::uint8_t>('a' + random() % 3)};
    old.append({oldAt, 1, a});
    young.append({newAt, 1, b});
    oldAt += 5, newAt += 5;
  }
  comparing::CompareControl control;
  control.stop();
  EXPECT_THROW(comparing::compareEntries(old, young, &control), comparing::CompareStopped);
}

TEST(Differences, AreTheEntriesOfTheRunsThatDifferFoundByNumberOrFromANewEntry) {
  const EntryList old = {{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}, {5, "e"}};
  const EntryList young = {{1, "a"}, {2, "B"}, {7, "n"}, {4, "d"}, {5, "E"}};
  const TempDir dir;
  const comparing::CompareOutcome outcome =
      comparing::compareFiles(testing_support::pathFromUtf8(dir.write("old.mul", fileOf(old))),
                              testing_support::pathFromUtf8(dir.write("new.mul", fileOf(young))));
  ASSERT_TRUE(outcome.compared);
  const comparing::Differences differences(outcome.compared->comparison);
  std::vector<std::tuple<Change, std::size_t, std::size_t>> listed;
  for (std::size_t d = 0; d < differences.size(); ++d) {
    listed.emplace_back(differences[d].change, differences[d].oldEntry, differences[d].newEntry);
  }
  const std::vector<std::tuple<Change, std::size_t, std::size_t>> expected = {
      {Change::Changed, 1, 1}, {Change::Removed, 2, 2}, {Change::Added, 3, 2}, {Change::Changed, 4, 4}};
  EXPECT_EQ(listed, expected);
  const std::size_t firstFrom[] = {0, 0, 1, 3, 3, 4};  // for the new entries 0 to 5
  for (std::size_t entry = 0; entry < std::size(firstFrom); ++entry) {
    EXPECT_EQ(differences.firstAtOrAfter(entry), firstFrom[entry]) << "from the new entry " << entry;
  }
}

TEST(EntryKinds, GiveOneKindToTheSameEntriesAndOnlyToThem) {
  const EntryList lists[] = {
      {},
      {{1, "hail"}, {1, "hail"}, {2, "hail"}, {1, "hai"}, {1, "hail "}},
      {{0, ""}, {1, ""}, {0, ""}, {0xFFFF, ""}, {0, std::string(1, '\0')}},
      {{5, std::string(32767, 'x')}, {5, std::string(32766, 'x') + "y"}, {5, std::string(32767, 'x')}},
  };
  for (const EntryList& list : lists) {
    comparing::FileEntries old, young;
    std::uint64_t at = 0;
    for (const auto& [id, text] : list) {
      const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
      old.append({at, static_cast<std::int16_t>(id), bytes});
      young.append({at, static_cast<std::int16_t>(id), bytes});
      at += 4 + text.size();
    }
    const comparing::EntryRange oldRange{old, 0, old.size()}, newRange{young, 0, young.size()};
    const std::optional<comparing::Kinds> byHash = comparing::kindsByHash(oldRange, newRange);
    ASSERT_TRUE(byHash);
    for (const comparing::Kinds& kinds : {*byHash, comparing::kindsByBytes(oldRange, newRange)}) {
      for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(kinds.ofOld[i], kinds.ofNew[i]);
        for (std::size_t j = 0; j < list.size(); ++j) EXPECT_EQ(kinds.ofOld[i] == kinds.ofNew[j], list[i] == list[j]);
      }
    }
  }
}

// ---- The bounded diff of two sequences

// A common subsequence found: the elements left unmarked, equal in order.
std::vector<std::uint32_t> kept(std::span<const std::uint32_t> values, const std::vector<std::uint8_t>& marks) {
  std::vector<std::uint32_t> left;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!marks[i]) left.push_back(values[i]);
  }
  return left;
}

// The length of the longest common subsequence, the slow sure way.
std::size_t longestCommon(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  std::vector<std::size_t> row(b.size() + 1), next(b.size() + 1);
  for (const std::uint32_t x : a) {
    for (std::size_t j = 0; j < b.size(); ++j) next[j + 1] = x == b[j] ? row[j] + 1 : std::max(row[j + 1], next[j]);
    std::swap(row, next);
  }
  return row[b.size()];
}

TEST(SequenceDiff, IsATrueDifferenceTheSameEachTimeAndSaysWhenALimitMadeItLonger) {
  const comparing::DiffLimits unbounded{1u << 20, 1u << 20, 1u << 30};
  const struct {
    const char* what;
    std::size_t length;
    std::uint32_t alphabet;  // numbers drawn below it; 0: the second is the first with a few edits
    comparing::DiffLimits limits;
    bool fewest;  // whether the limits let it find the fewest
  } cases[] = {
      {"a few edits, searched to the end", 300, 0, unbounded, true},
      {"a few edits under the default limits", 300, 0, {}, true},
      {"two random sequences, searched to the end", 300, 4, unbounded, true},
      {"a search cut short at each step", 300, 4, {2, 1u << 20, 1u << 30}, false},
      {"no work allowed beyond the first split", 300, 4, {256, 0, 0}, false},
      {"numbers the other lacks are set aside", 300, 1000, unbounded, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::mt19937 random(11);
    std::vector<std::uint32_t> a(c.length), b;
    for (auto& x : a) x = random() % (c.alphabet ? c.alphabet : 50);
    if (c.alphabet) {
      b.resize(c.length);
      for (auto& x : b) x = random() % c.alphabet;
    } else {
      b = a;
      for (int edit = 0; edit < 8; ++edit) b.insert(b.begin() + random() % b.size(), random() % 50);
      b.erase(b.begin() + 40, b.begin() + 50);
    }
    comparing::SequenceDiffer differ(c.limits);
    const comparing::SequenceDiff diff = differ.diff(a, b);
    ASSERT_EQ(kept(a, diff.removed), kept(b, diff.added));
    EXPECT_EQ(diff.fewest, c.fewest);
    if (diff.fewest) {
      EXPECT_EQ(kept(a, diff.removed).size(), longestCommon(a, b));
    } else {
      EXPECT_LT(kept(a, diff.removed).size(), longestCommon(a, b));
    }
    const comparing::SequenceDiff again = differ.diff(a, b);
    EXPECT_EQ(again.removed, diff.removed);
    EXPECT_EQ(again.added, diff.added);
  }
}

}  // namespace
