// The record reader and writer, as a log's reader and writer are tested:
// what is written reads back the same; every cut of a file and every bad
// length stops the reader where and as the Get action stops.
#include "speechfile/record_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "speechfile/get_action.h"
#include "speechfile/record_writer.h"
#include "support/faulty_source.h"
#include "support/test_files.h"

namespace {

using runtime::ErrorNumber;
using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;

struct ReadBack {
  std::vector<std::uint64_t> offsets;
  std::vector<std::uint16_t> ids;
  std::vector<Bytes> texts;
  std::optional<ErrorNumber> error;
  std::uint64_t errorOffset = 0;
  std::string message;
};

ReadBack readAll(const Bytes& bytes, testing_support::Faults faults = {}) {
  runtime::BufferedFile file(std::make_unique<testing_support::FaultySource>(bytes, faults));
  speechfile::RecordReader reader(file);
  ReadBack back;
  try {
    while (const auto r = reader.next()) {
      back.offsets.push_back(r->offset);
      back.ids.push_back(r->id);
      back.texts.emplace_back(r->text.begin(), r->text.end());
    }
  } catch (const speechfile::RecordError& e) {
    back.error = e.number();
    back.errorOffset = e.offset();
    back.message = e.what();
  }
  return back;
}

// What the Get action says of the same bytes: its error's runtime text and
// offset, and how many entries it listed (with text or without).
struct GetSays {
  std::optional<ErrorNumber> error;
  std::uint64_t offset = 0;
  std::string message;
  std::size_t entries = 0;
};

GetSays getOf(const Bytes& bytes, testing_support::Faults faults = {}) {
  runtime::FileTable files(
      [&](const std::filesystem::path&) { return std::make_unique<testing_support::FaultySource>(bytes, faults); });
  struct Counting final : speechfile::LineList {
    std::size_t entries = 0;
    void clear() override {}
    void addItem(const speechfile::Entry&) override { ++entries; }
    void skipEmpty(const speechfile::Entry&) override { ++entries; }
  } list;
  speechfile::ReadingState state;
  GetSays says;
  try {
    speechfile::runGetAction(state, "", list, files);
  } catch (const speechfile::GetError& e) {
    says.error = e.cause().number();
    says.offset = e.recordOffset().value_or(0);
    says.message = e.cause().what();
  }
  says.entries = list.entries;
  return says;
}

void expectSameStopAsTheGet(const Bytes& bytes, const std::string& name, testing_support::Faults faults = {}) {
  const ReadBack back = readAll(bytes, faults);
  const GetSays get = getOf(bytes, faults);
  EXPECT_EQ(back.error, get.error) << name;
  EXPECT_EQ(back.message, get.message) << name;
  EXPECT_EQ(back.errorOffset, get.offset) << name;
  EXPECT_EQ(back.ids.size(), get.entries) << name;
}

Bytes written(const std::vector<std::pair<std::uint16_t, std::string>>& entries) {
  std::string out;
  speechfile::RecordWriter writer([&](std::string_view bytes) { out += bytes; });
  for (const auto& [id, text] : entries) {
    writer.append(id, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  }
  writer.finish();
  return Bytes(out.begin(), out.end());
}

const std::vector<std::pair<std::uint16_t, std::string>> kEntries = {
    {0x002A, "hail"},
    {0x8001, "ok"},
    {0x0100, ""},
    {0xFFFF, std::string("a\0b", 3)},
    {0, std::string(32767, 'w')},
    {0x7FFF, ""},
    {0x1234, "\xE9t\xE9"},
};

TEST(RecordWriter, WritesTheLayoutAndReadsBackTheSame) {
  EXPECT_EQ(
      written({{0x002A, "hail"}, {0x8001, "ok"}, {0x0100, ""}}),
      (Bytes{0x00, 0x2A, 0x00, 0x04, 'h', 'a', 'i', 'l', 0x80, 0x01, 0x00, 0x02, 'o', 'k', 0x01, 0x00, 0x00, 0x00}));
  EXPECT_TRUE(written({}).empty());
  const Bytes bytes = written(kEntries);
  const ReadBack back = readAll(bytes);
  ASSERT_FALSE(back.error) << back.message;
  ASSERT_EQ(back.ids.size(), kEntries.size());
  std::uint64_t offset = 0;
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    EXPECT_EQ(back.offsets[i], offset);
    EXPECT_EQ(back.ids[i], kEntries[i].first);
    EXPECT_EQ(back.texts[i], Bytes(kEntries[i].second.begin(), kEntries[i].second.end()));
    offset += 4 + kEntries[i].second.size();
  }
  EXPECT_EQ(offset, bytes.size());
}

TEST(RecordWriter, RefusesATextTooLongBeforeWritingAnything) {
  std::string out;
  speechfile::RecordWriter writer([&](std::string_view bytes) { out += bytes; });
  writer.append(1, Bytes{'a'});
  try {
    writer.append(2, Bytes(32768, 'x'));
    ADD_FAILURE() << "a text of 32,768 bytes was taken";
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    EXPECT_EQ(e.description(), "A text of 32,768 bytes is longer than the 32,767 bytes an entry can hold.");
  }
  writer.finish();
  EXPECT_EQ(out, std::string("\x00\x01\x00\x01"
                             "a",
                             5));
  EXPECT_EQ(writer.size(), 5u);
}

TEST(RecordReader, StopsAtEveryCutWhereAndAsTheGetStops) {
  const Bytes bytes = written({{1, "one"}, {2, ""}, {3, "three"}, {4, std::string(300, 'x')}});
  for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
    const Bytes shorter(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
    expectSameStopAsTheGet(shorter, "cut at " + std::to_string(cut));
    // A cut on a record's boundary is a whole, shorter file.
    const bool boundary = cut == 0 || cut == 7 || cut == 11 || cut == 20;
    EXPECT_EQ(readAll(shorter).error.has_value(), !boundary) << cut;
  }
  // A file that became shorter while it was read, and a read that failed.
  expectSameStopAsTheGet(bytes, "shrank", {.shrinkTo = 15});
  expectSameStopAsTheGet(bytes, "read failed", {.chunk = 5, .failFrom = 200});
}

TEST(RecordReader, StopsAtEveryBadLengthWhereAndAsTheGetStops) {
  const Bytes good = written({{1, "one"}, {2, ""}});
  for (unsigned length = 0x8000; length <= 0xFFFF; ++length) {
    const Bytes bytes = concat({good, record(5, static_cast<std::uint16_t>(length), "abc")});
    const ReadBack back = readAll(bytes);
    ASSERT_EQ(back.errorOffset, 11u) << length;
    ASSERT_EQ(back.ids.size(), 2u) << length;
    if (length == 0x8000 || length == 0x8001 || length == 0xFFFF) expectSameStopAsTheGet(bytes, std::to_string(length));
  }
  EXPECT_EQ(readAll(concat({good, record(5, 0x8000, "")})).message,
            "The entry at byte 11 gives a text length of 0x8000, more than the 32,767 bytes an entry can hold. "
            "(Overflow, runtime error 6)");
}

}  // namespace
