#include "ui/common/line_store.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace {

using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;

// Runs a Get into both a store and a plain recording of the lines.
struct Listed {
  ui::LineStore store;
  testing_support::RecordingList recorded;
};

class BothLists final : public speechfile::LineList {
 public:
  explicit BothLists(Listed& listed) : listed_(listed) {}
  void clear() override {
    listed_.store.clear();
    listed_.recorded.clear();
  }
  void addItem(const speechfile::Entry& e) override {
    listed_.store.addItem(e);
    listed_.recorded.addItem(e);
  }
  void skipEmpty(const speechfile::Entry& e) override {
    listed_.store.skipEmpty(e);
    listed_.recorded.skipEmpty(e);
  }

 private:
  Listed& listed_;
};

void getInto(Listed& listed, const Bytes& file) {
  runtime::FileTable files([&](const std::filesystem::path&) { return std::make_unique<runtime::MemorySource>(file); });
  speechfile::ReadingState state;
  BothLists both(listed);
  speechfile::runGetAction(state, testing_support::pathFromUtf8("memory"), both, files);
}

TEST(LineStore, GivesBackEveryLineAndOffsetExactly) {
  // Texts long enough to run across the store's blocks, runs of entries
  // without text (one longer than a 16-bit count), every byte value.
  std::vector<Bytes> parts;
  std::string every;
  for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
  for (int i = 0; i < 300; ++i) {
    parts.push_back(record(static_cast<std::uint16_t>(i * 331), std::string(1 + (i * 7919) % 32767, 'a' + i % 26)));
    if (i % 50 == 0) parts.push_back(record(0xFFFF, every));
    for (int e = 0; e < i % 3; ++e) parts.push_back(record(7, ""));
  }
  for (int e = 0; e < 70'000; ++e) parts.push_back(record(8, ""));
  parts.push_back(record(9, "after many empty entries"));
  Bytes file;
  for (const Bytes& p : parts) file.insert(file.end(), p.begin(), p.end());

  Listed listed;
  getInto(listed, file);
  const auto& lines = listed.recorded.lines;
  ASSERT_EQ(listed.store.rowCount(), lines.size());
  ui::LineStore::Scratch scratch;
  for (std::size_t row = 0; row < lines.size(); ++row) {
    ASSERT_EQ(listed.store.line(row, scratch), lines[row]) << row;
    ASSERT_EQ(listed.store.row(row, scratch).offset, listed.recorded.offsets[row]) << row;
  }
  // A walk from any row gives the same as looking each row up.
  std::size_t visited = 0, longest = 0;
  listed.store.forEachRow(37, scratch, [&](std::size_t row, const ui::LineStore::Row& r) {
    EXPECT_EQ(r.offset, listed.recorded.offsets[row]) << row;
    EXPECT_EQ(testing_support::listLine(r.id, r.text), lines[row]) << row;
    longest = std::max(longest, r.text.size());
    ++visited;
    return true;
  });
  EXPECT_EQ(visited, lines.size() - 37);
  EXPECT_EQ(listed.store.row(listed.store.longestRow(), scratch).text.size(), longest);

  getInto(listed, concat({record(1, "one")}));
  EXPECT_EQ(listed.store.rowCount(), 1u);
  EXPECT_EQ(listed.store.line(0, scratch), "ID: 1 Text: one");
}

}  // namespace
