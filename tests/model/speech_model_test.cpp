#include "model/speech_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "support/allocation_faults.h"
#include "support/test_files.h"

namespace {

using model::EntryState;
using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;

Bytes bytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

void fill(model::SpeechModel& entries, const Bytes& file) {
  runtime::FileTable files([&](const std::filesystem::path&) { return std::make_unique<runtime::MemorySource>(file); });
  speechfile::ReadingState state;
  speechfile::runGetAction(state, testing_support::pathFromUtf8("memory"), entries, files);
}

// What the model should hold: every entry, plainly.
struct Expected {
  std::int16_t id;
  Bytes text;
  EntryState state;
  bool operator==(const Expected&) const = default;
};
using Entries = std::vector<Expected>;

Entries entriesOf(const Bytes& file) {
  Entries entries;
  for (std::size_t at = 0; at + 4 <= file.size();) {
    const std::size_t length = file[at + 2] * 256u + file[at + 3];
    entries.push_back({speechfile::MAKEWORD(file[at + 1], file[at]),
                       Bytes(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                             file.begin() + static_cast<std::ptrdiff_t>(at + 4 + length)),
                       EntryState::AsRead});
    at += 4 + length;
  }
  return entries;
}

// Every entry through the walk, and the file the walk gives.
Entries walked(const model::SpeechModel& entries, Bytes* file = nullptr) {
  Entries all;
  entries.forEachEntry(0, [&](std::size_t, const model::EntryView& e) {
    all.push_back({e.id, Bytes(e.text.begin(), e.text.end()), e.state});
    if (file) {
      const Bytes r = record(static_cast<std::uint16_t>(e.id), std::string(e.text.begin(), e.text.end()));
      file->insert(file->end(), r.begin(), r.end());
    }
    return true;
  });
  return all;
}

// Checks every way of reading the model against what it should hold, from
// every `step`-th entry and row on.
void expectHolds(const model::SpeechModel& entries, const Entries& expected, std::size_t step = 1) {
  ASSERT_EQ(walked(entries), expected);
  ASSERT_EQ(entries.entryCount(), expected.size());
  std::vector<std::size_t> rows, offsets;
  std::uint64_t offset = 0;
  std::size_t longest = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    offsets.push_back(offset);
    offset += 4 + expected[i].text.size();
    if (expected[i].text.empty()) continue;
    if (expected[i].text.size() > expected[longest].text.size() || rows.empty()) longest = i;
    rows.push_back(i);
  }
  EXPECT_EQ(entries.fileSize(), offset);
  ASSERT_EQ(entries.rowCount(), rows.size());
  EXPECT_EQ(entries.longestRow(), rows.empty() ? 0 : entries.rowOfEntry(longest).value_or(SIZE_MAX));
  for (std::size_t i = 0; i < expected.size(); i += step) {
    const model::EntryView e = entries.entry(i);
    ASSERT_EQ(e.offset, offsets[i]) << i;
    ASSERT_EQ(Expected({e.id, Bytes(e.text.begin(), e.text.end()), e.state}), expected[i]) << i;
    const auto row = std::lower_bound(rows.begin(), rows.end(), i);
    const bool isRow = row != rows.end() && *row == i;
    ASSERT_EQ(entries.rowOfEntry(i), isRow ? std::optional<std::size_t>(row - rows.begin()) : std::nullopt) << i;
    std::size_t next = i;
    entries.forEachEntry(i, [&](std::size_t index, const model::EntryView& v) {
      EXPECT_EQ(index, next);
      EXPECT_EQ(v.offset, offsets[next++]);
      return next < i + 3;
    });
  }
  for (std::size_t r = 0; r < rows.size(); r += step) {
    ASSERT_EQ(entries.entryOfRow(r), rows[r]) << r;
    ASSERT_EQ(entries.row(r).offset, offsets[rows[r]]) << r;
    std::size_t next = r;
    entries.forEachRow(r, [&](std::size_t row, const model::EntryView& v) {
      EXPECT_EQ(row, next);
      EXPECT_EQ(v.offset, offsets[rows[next++]]);
      return next < r + 3;
    });
  }
}

// Entries read as a file: many short ones, then texts that run across the
// 4 MiB blocks, every byte value, runs of entries without text longer than
// one slot holds and runs whose IDs change.
Bytes variedFile() {
  std::string every;
  for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
  Bytes file;
  const auto add = [&](const Bytes& r) { file.insert(file.end(), r.begin(), r.end()); };
  for (int i = 0; i < 10'000; ++i) add(record(static_cast<std::uint16_t>(i), std::string(1 + i % 5, 's')));
  for (int i = 0; i < 300; ++i) {
    add(record(static_cast<std::uint16_t>(i * 331), std::string(1 + (i * 7919) % 32767, 'a' + i % 26)));
    if (i % 50 == 0) add(record(0xFFFF, every));
    for (int e = 0; e < i % 3; ++e) add(record(static_cast<std::uint16_t>(e), ""));
  }
  for (int e = 0; e < 70'000; ++e) add(record(8, ""));
  add(record(9, "after many empty entries"));
  return file;
}

TEST(SpeechModel, HoldsEveryEntryAsReadAndWalksBackToTheFile) {
  for (const Bytes& file : {Bytes{}, concat({record(1, ""), record(1, "")}), variedFile()}) {
    model::SpeechModel entries;
    fill(entries, file);
    expectHolds(entries, entriesOf(file), 97);
    Bytes again;
    walked(entries, &again);
    EXPECT_EQ(again, file);
    // Every text stays where it is while the model does, also those at the
    // end of a block.
    std::vector<std::span<const std::uint8_t>> texts;
    entries.forEachEntry(0, [&](std::size_t, const model::EntryView& e) {
      texts.push_back(e.text);
      return true;
    });
    const Entries expected = entriesOf(file);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      ASSERT_TRUE(std::equal(texts[i].begin(), texts[i].end(), expected[i].text.begin(), expected[i].text.end())) << i;
    }
    EXPECT_FALSE(entries.hasUnsavedEdits());
  }
}

TEST(SpeechModel, TwoModelsFillAtOnceOnTwoThreads) {
  const Bytes first = variedFile();
  const Bytes second = concat({record(0x2A, "hail"), record(7, ""), record(0x8001, "ok")});
  model::SpeechModel a, b;
  std::thread other([&] { fill(a, first); });
  fill(b, second);
  other.join();
  expectHolds(a, entriesOf(first), 211);
  expectHolds(b, entriesOf(second));
}

// One step of an edit sequence, on the entry `at`.
struct Op {
  enum Kind { Change, Insert, Remove, Undo, Redo, Saved } kind;
  std::size_t at = 0;
  std::int16_t id = 0;
  std::string text = {};
};

// Applies `op` to the model and to what it should hold, with its history:
// each edit with the entry it took away and the one it put.
struct Reference {
  struct Step {
    model::Edit edit;
    Expected before, after;
  };
  Entries entries;
  std::vector<Step> undone = {}, redone = {};

  void apply(model::SpeechModel& m, const Op& op) {
    using K = model::Edit::Kind;
    const Expected made{op.id, bytesOf(op.text), EntryState::New};
    switch (op.kind) {
      case Op::Change: {
        m.change(op.at, op.id, made.text);
        Expected changed = made;
        if (entries[op.at].state != EntryState::New) changed.state = EntryState::Changed;
        edit({{K::Change, op.at}, entries[op.at], changed});
        break;
      }
      case Op::Insert:
        m.insert(op.at, op.id, made.text);
        edit({{K::Insert, op.at}, {}, made});
        break;
      case Op::Remove:
        m.remove(op.at);
        edit({{K::Remove, op.at}, entries[op.at], {}});
        break;
      case Op::Undo: replay(m.undo(), undone, redone, true); break;
      case Op::Redo: replay(m.redo(), redone, undone, false); break;
      case Op::Saved: m.markSaved(); break;
    }
  }
  // Undoes (redoes) the last step of `from`, which the model did as `did`.
  void replay(std::optional<model::Edit> did, std::vector<Step>& from, std::vector<Step>& to, bool undoing) {
    using K = model::Edit::Kind;
    ASSERT_EQ(did.has_value(), !from.empty());
    if (!did) return;
    const Step step = from.back();
    from.pop_back();
    to.push_back(step);
    if (!undoing) return perform(step, *did);
    const K kind = step.edit.kind == K::Insert ? K::Remove : step.edit.kind == K::Remove ? K::Insert : K::Change;
    perform({{kind, step.edit.entry}, step.after, step.before}, *did);
  }
  void edit(const Step& step) {
    undone.push_back(step);
    redone.clear();
    perform(step, step.edit);
  }
  // Does the step to the entries, which the model says it did.
  void perform(const Step& step, model::Edit did) {
    EXPECT_EQ(did.kind, step.edit.kind);
    EXPECT_EQ(did.entry, step.edit.entry);
    const auto at = entries.begin() + static_cast<std::ptrdiff_t>(step.edit.entry);
    switch (step.edit.kind) {
      case model::Edit::Kind::Change: *at = step.after; break;
      case model::Edit::Kind::Insert: entries.insert(at, step.after); break;
      case model::Edit::Kind::Remove: entries.erase(at); break;
    }
  }
};

// The entries as "ID:text", with "~" for a changed one and "+" for a new one.
std::string shortly(const Entries& entries) {
  std::string out;
  for (const Expected& e : entries) {
    out += (out.empty() ? "" : " ") + runtime::hexText(e.id) + ":" + std::string(e.text.begin(), e.text.end()) +
           (e.state == EntryState::Changed ? "~"
            : e.state == EntryState::New   ? "+"
                                           : "");
  }
  return out;
}

TEST(SpeechModel, EditsUndoAndRedoGiveTheEntriesExpected) {
  // Two texts of the longest length: the first of them is the longest row.
  const Bytes file = concat({record(0x2A, "hail"), record(0x100, ""), record(0x8001, "ok"), record(0, "bank")});
  using K = Op::Kind;
  const struct {
    const char* name;
    Bytes file;
    std::vector<Op> ops;
    std::string entries;
    bool unsaved;
  } cases[] = {
      {"nothing edited", file, {}, "2A:hail 100: 8001:ok 0:bank", false},
      {"a text changed", file, {{K::Change, 0, 0x2A, "hello"}}, "2A:hello~ 100: 8001:ok 0:bank", true},
      {"an ID changed", file, {{K::Change, 3, 0x7FFF, "a"}}, "2A:hail 100: 8001:ok 7FFF:a~", true},
      {"a text emptied is no row", file, {{K::Change, 2, -32767, ""}}, "2A:hail 100: 8001:~ 0:bank", true},
      {"an empty entry given a text", file, {{K::Change, 1, 0x100, "now"}}, "2A:hail 100:now~ 8001:ok 0:bank", true},
      {"inserted first, within and last",
       file,
       {{K::Insert, 0, 1, "first"}, {K::Insert, 3, 2, ""}, {K::Insert, 6, 3, "last"}},
       "1:first+ 2A:hail 100: 2:+ 8001:ok 0:bank 3:last+",
       true},
      {"removed first, an empty one and last", file, {{K::Remove, 0}, {K::Remove, 0}, {K::Remove, 1}}, "8001:ok", true},
      {"a changed entry changed again stays changed",
       file,
       {{K::Change, 2, 1, "x"}, {K::Change, 2, 1, "y"}},
       "2A:hail 100: 1:y~ 0:bank",
       true},
      {"a new entry changed stays new",
       file,
       {{K::Insert, 1, 5, "x"}, {K::Change, 1, 6, "y"}},
       "2A:hail 6:y+ 100: 8001:ok 0:bank",
       true},
      {"a change undone is as read", file, {{K::Change, 0, 1, "x"}, {K::Undo}}, "2A:hail 100: 8001:ok 0:bank", false},
      {"a removal undone is as read", file, {{K::Remove, 2}, {K::Undo}}, "2A:hail 100: 8001:ok 0:bank", false},
      {"undone and redone",
       file,
       {{K::Remove, 2}, {K::Insert, 0, 1, "n"}, {K::Undo}, {K::Undo}, {K::Redo}},
       "2A:hail 100: 0:bank",
       true},
      {"a new edit forgets the redo",
       file,
       {{K::Change, 0, 1, "x"}, {K::Undo}, {K::Change, 3, 2, "y"}, {K::Redo}},
       "2A:hail 100: 8001:ok 2:y~",
       true},
      {"undo all the way back, and once more",
       file,
       {{K::Change, 0, 1, "x"},
        {K::Insert, 2, 3, "z"},
        {K::Remove, 4},
        {K::Remove, 0},
        {K::Undo},
        {K::Undo},
        {K::Undo},
        {K::Undo},
        {K::Undo}},
       "2A:hail 100: 8001:ok 0:bank",
       false},
      {"saved, then undone",
       file,
       {{K::Change, 0, 1, "x"}, {K::Saved}, {K::Undo}},
       "2A:hail 100: 8001:ok 0:bank",
       true},
      {"saved, undone and redone",
       file,
       {{K::Change, 0, 1, "x"}, {K::Saved}, {K::Undo}, {K::Redo}},
       "1:x~ 100: 8001:ok 0:bank",
       false},
      {"what was saved can no longer be had",
       file,
       {{K::Change, 0, 1, "x"}, {K::Saved}, {K::Undo}, {K::Change, 0, 2, "y"}},
       "2:y~ 100: 8001:ok 0:bank",
       true},
      {"an empty file gets an entry", {}, {{K::Insert, 0, 1, "one"}, {K::Insert, 0, 2, ""}}, "2:+ 1:one+", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    model::SpeechModel entries;
    fill(entries, c.file);
    Reference reference{entriesOf(c.file)};
    expectHolds(entries, reference.entries);
    for (const Op& op : c.ops) {
      reference.apply(entries, op);
      expectHolds(entries, reference.entries);
    }
    EXPECT_EQ(shortly(walked(entries)), c.entries);
    EXPECT_EQ(entries.hasUnsavedEdits(), c.unsaved);
  }
}

TEST(SpeechModel, TheLongestRowFollowsTheEdits) {
  // Short texts over many index entries, and three longer ones.
  Bytes file;
  for (int i = 0; i < 10'000; ++i) {
    const std::size_t length = i == 100 ? 250 : i == 5000 ? 300 : i == 9000 ? 200 : 1 + i % 5;
    const Bytes r = record(static_cast<std::uint16_t>(i), std::string(length, 'x'));
    file.insert(file.end(), r.begin(), r.end());
  }
  model::SpeechModel entries;
  fill(entries, file);
  Reference reference{entriesOf(file)};
  const Op ops[] = {{Op::Remove, 5000},
                    {Op::Remove, 100},
                    {Op::Change, 4000, 1, "y"},
                    {Op::Insert, 8000, 2, std::string(199, 'z')},
                    {Op::Remove, 8999},
                    {Op::Remove, 8000},
                    {Op::Undo},
                    {Op::Undo},
                    {Op::Undo},
                    {Op::Undo},
                    {Op::Undo},
                    {Op::Redo}};
  for (const Op& op : ops) {
    reference.apply(entries, op);
    expectHolds(entries, reference.entries, 997);
  }
}

TEST(SpeechModel, ALongRunOfEditsOverALargeFileUndoesBackToTheFileRead) {
  const Bytes file = variedFile();
  model::SpeechModel entries;
  fill(entries, file);
  Reference reference{entriesOf(file)};
  std::mt19937 random(25);
  int edits = 0;
  for (int i = 0; i < 600; ++i) {
    const std::size_t count = reference.entries.size();
    const std::size_t at = std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    const std::string text(random() % 4 == 0 ? 0 : random() % 32768, char('a' + random() % 26));
    switch (random() % 6) {
      case 0: reference.apply(entries, {Op::Undo}); break;
      case 1: reference.apply(entries, {Op::Redo}); break;
      case 2: reference.apply(entries, {Op::Remove, at}); break;
      case 3: reference.apply(entries, {Op::Insert, at + random() % 2, static_cast<std::int16_t>(i), text}); break;
      default: reference.apply(entries, {Op::Change, at, static_cast<std::int16_t>(i), text});
    }
    ++edits;
    if (edits % 50 == 0) expectHolds(entries, reference.entries, 101);
  }
  while (entries.undo()) {
  }
  Bytes again;
  EXPECT_EQ(walked(entries, &again), entriesOf(file));
  EXPECT_EQ(again, file);
  EXPECT_FALSE(entries.hasUnsavedEdits());
}

TEST(SpeechModel, AnEditRefusedLeavesTheEntriesAsTheyWere) {
  const Bytes file = concat({record(0x2A, "hail"), record(7, "")});
  model::SpeechModel entries;
  fill(entries, file);
  const Bytes tooLong(32768, 'x');
  EXPECT_THROW(entries.change(2, 1, bytesOf("x")), std::out_of_range);
  EXPECT_THROW(entries.insert(3, 1, bytesOf("x")), std::out_of_range);
  EXPECT_THROW(entries.remove(2), std::out_of_range);
  EXPECT_THROW(entries.change(0, 1, tooLong), std::length_error);
  EXPECT_THROW(entries.insert(0, 1, tooLong), std::length_error);
  {
    const testing_support::AllocationsFail noMemory(1);
    EXPECT_THROW(entries.change(0, 1, bytesOf("x")), std::bad_alloc);
    EXPECT_THROW(entries.insert(1, 1, bytesOf("x")), std::bad_alloc);
  }
  expectHolds(entries, entriesOf(file));
  EXPECT_FALSE(entries.canUndo());
}

}  // namespace
