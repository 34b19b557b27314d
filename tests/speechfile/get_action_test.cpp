#include "speechfile/get_action.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "speechfile/record.h"
#include "support/test_files.h"

namespace {

using runtime::ErrorNumber;
using speechfile::GetError;
using testing_support::Bytes;
using testing_support::concat;
using testing_support::pathFromUtf8;
using testing_support::record;
using testing_support::RecordingList;
using testing_support::TempDir;

using Lines = std::vector<std::string>;

// The outcome of one Get: the lines in the list, and the error that ended it.
struct Outcome {
  Lines lines;
  std::optional<ErrorNumber> error;
  std::optional<std::uint64_t> offset;
  std::string message;
};

Outcome runGet(const std::string& path, runtime::FileTable& files, speechfile::ReadingState& state) {
  RecordingList list;
  list.lines = {"stale line from before"};
  Outcome outcome;
  try {
    speechfile::runGetAction(state, pathFromUtf8(path), list, files);
  } catch (const GetError& e) {
    outcome.error = e.cause().number();
    outcome.offset = e.recordOffset();
    outcome.message = e.what();
  }
  EXPECT_EQ(list.clears, 1);
  outcome.lines = list.lines;
  return outcome;
}

Outcome runGetOnBytes(const Bytes& bytes) {
  const TempDir dir;
  const std::string path = dir.write("speech.mul", bytes);
  runtime::FileTable files;
  speechfile::ReadingState state;
  Outcome outcome = runGet(path, files, state);
  EXPECT_FALSE(files.isOpen(state.iFileNum)) << "the file was left open";
  return outcome;
}

const Bytes kHailOkAndAnEmptyEntry = {0x00, 0x2A, 0x00, 0x04, 0x68, 0x61, 0x69, 0x6C, 0x80,
                                      0x01, 0x00, 0x02, 0x6F, 0x6B, 0x01, 0x00, 0x00, 0x00};

TEST(GetAction, ListsEveryRecordWithTextInFileOrder) {
  const struct {
    const char* name;
    Bytes file;
    Lines lines;
  } cases[] = {
      {"three records, one empty", kHailOkAndAnEmptyEntry, {"ID: 2A Text: hail", "ID: 8001 Text: ok"}},
      {"empty file", {}, {}},
      {"only zero-length records", concat({record(1, ""), record(2, ""), record(0xFFFF, "")}), {}},
      {"zero-length record is 4 bytes long", concat({record(0x0100, ""), record(0, "a")}), {"ID: 0 Text: a"}},
      {"length 5 record is 9 bytes long",
       concat({record(0x1234, "abcde"), record(7, "z")}),
       {"ID: 1234 Text: abcde", "ID: 7 Text: z"}},
      {"equal IDs and texts each get a line, unsorted",
       concat({record(9, "b"), record(9, "b"), record(1, "a"), record(9, "a")}),
       {"ID: 9 Text: b", "ID: 9 Text: b", "ID: 1 Text: a", "ID: 9 Text: a"}},
      {"ID edges",
       concat({record(0x7FFF, "x"), record(0x8000, "y"), record(0xFFFF, "z")}),
       {"ID: 7FFF Text: x", "ID: 8000 Text: y", "ID: FFFF Text: z"}},
      {"zero bytes and trailing blanks kept",
       record(3, std::string_view("a\0b  ", 5)),
       {std::string("ID: 3 Text: a\0b  ", 17)}},
  };
  for (const auto& c : cases) {
    const Outcome outcome = runGetOnBytes(c.file);
    EXPECT_FALSE(outcome.error) << c.name << ": " << outcome.message;
    EXPECT_EQ(outcome.lines, c.lines) << c.name;
  }
}

TEST(GetAction, ReadsTheLongestTextsBackToBack) {
  const std::string longest(32767, 'w');
  const Outcome outcome = runGetOnBytes(concat({record(1, longest), record(2, longest), record(3, "end")}));
  ASSERT_FALSE(outcome.error) << outcome.message;
  ASSERT_EQ(outcome.lines.size(), 3u);
  EXPECT_EQ(outcome.lines[0], "ID: 1 Text: " + longest);
  EXPECT_EQ(outcome.lines[1], "ID: 2 Text: " + longest);
  EXPECT_EQ(outcome.lines[2], "ID: 3 Text: end");
}

TEST(GetAction, StopsAtABadRecordNamingItsOffsetAndKeepsTheLinesBefore) {
  const Bytes good = concat({record(1, "one"), record(2, "")});  // 7 + 4 bytes
  const struct {
    const char* name;
    Bytes file;
    ErrorNumber error;
    const char* says;
  } cases[] = {
      {"length 0x8000", concat({good, record(5, 0x8000, "abc"), record(6, "never")}), ErrorNumber::Overflow,
       "The entry at byte 11 gives a text length of 0x8000, more than the 32,767 bytes an entry can hold. "
       "(Overflow, runtime error 6)"},
      {"length 0x8001", concat({good, record(5, 0x8001, "abc"), record(6, "never")}), ErrorNumber::SubscriptOutOfRange,
       "The entry at byte 11 gives a text length of 0x8001, more than the 32,767 bytes an entry can hold. "
       "(Subscript out of range, runtime error 9)"},
      {"length 0xFFFF", concat({good, record(5, 0xFFFF, "abc"), record(6, "never")}), ErrorNumber::SubscriptOutOfRange,
       "gives a text length of 0xFFFF, more than"},
      {"1 header byte", concat({good, {0x00}}), ErrorNumber::InputPastEndOfFile,
       "The entry at byte 11 is cut short: the file ends after 1 of its 4 header bytes. "
       "(Input past end of file, runtime error 62)"},
      {"2 header bytes", concat({good, {0x00, 0x05}}), ErrorNumber::InputPastEndOfFile,
       "the file ends after 2 of its 4 header bytes"},
      {"3 header bytes", concat({good, {0x00, 0x05, 0x00}}), ErrorNumber::InputPastEndOfFile,
       "the file ends after 3 of its 4 header bytes"},
      {"text shorter than its length", concat({good, record(5, 10, "short")}), ErrorNumber::InputPastEndOfFile,
       "The entry at byte 11 is cut short: its text is 10 bytes long, but the file ends after 5 of them."},
  };
  for (const auto& c : cases) {
    const Outcome outcome = runGetOnBytes(c.file);
    ASSERT_TRUE(outcome.error) << c.name;
    EXPECT_EQ(*outcome.error, c.error) << c.name << ": " << outcome.message;
    EXPECT_EQ(outcome.offset, 11u) << c.name;
    EXPECT_EQ(outcome.lines, Lines{"ID: 1 Text: one"}) << c.name;
    EXPECT_NE(outcome.message.find(c.says), std::string::npos) << outcome.message;
  }
}

TEST(GetAction, OpenFailuresLeaveTheListEmptyAndNameThePath) {
  const TempDir dir;
  const std::string missing = (dir.path() / "nothing here.mul").string();
  runtime::FileTable files;
  speechfile::ReadingState state;
  const Outcome outcome = runGet(missing, files, state);
  EXPECT_EQ(outcome.error, ErrorNumber::FileNotFound);
  EXPECT_FALSE(outcome.offset);
  EXPECT_TRUE(outcome.lines.empty());
  EXPECT_EQ(outcome.message,
            "\"" + missing + "\": There is no file with this name. (File not found, runtime error 53)");
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_FALSE(files.isOpen(state.iFileNum));
}

TEST(GetAction, PressingGetAgainShowsTheLinesOnceAndStateCarriesOver) {
  const TempDir dir;
  const std::string path = dir.write("speech.mul", kHailOkAndAnEmptyEntry);
  runtime::FileTable files;
  speechfile::ReadingState state;
  const Outcome first = runGet(path, files, state);
  const Outcome second = runGet(path, files, state);
  EXPECT_EQ(first.lines, second.lines);
  EXPECT_EQ(second.lines.size(), 2u);
  // The last record read was ID 0x0100 with length 0.
  EXPECT_EQ(state.iSpeechID, 0x0100);
  EXPECT_EQ(state.iTextLen, 0);
  EXPECT_EQ(state.bFirst, 0x00);
  EXPECT_EQ(state.bSecond, 0x00);
  EXPECT_EQ(Bytes(state.bText.begin(), state.bText.end()), (Bytes{'o', 'k'}));
  EXPECT_EQ(state.iFileNum, 1);  // the number was given back each time
}

TEST(GetAction, NeverChangesTheFile) {
  const TempDir dir;
  const Bytes bytes = concat({kHailOkAndAnEmptyEntry, record(4, 0x8000, "")});
  const std::string path = dir.write("speech.mul", bytes);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  const auto modified = std::filesystem::last_write_time(path);
  runtime::FileTable files;
  speechfile::ReadingState state;
  const Outcome outcome = runGet(path, files, state);
  EXPECT_EQ(outcome.error, ErrorNumber::Overflow);
  EXPECT_EQ(outcome.lines.size(), 2u);  // the read-only file listed up to the bad record
  EXPECT_EQ(testing_support::readAll(path), bytes);
  EXPECT_EQ(std::filesystem::last_write_time(path), modified);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Two Gets at once on two threads, each holding its file open until the
// other has opened its own: each is handed a number of its own and lists its
// own file whole.
TEST(GetAction, TwoGetsAtOnceOnTwoThreadsEachHaveAFileNumberOfTheirOwn) {
  std::mutex mutex;
  std::condition_variable bothOpen;
  int opened = 0;
  // A file whose first read waits until both files are open.
  class WaitingSource final : public runtime::ByteSource {
   public:
    WaitingSource(Bytes bytes, std::function<void()> wait) : bytes_(std::move(bytes)), wait_(std::move(wait)) {}
    std::uint64_t size() const override { return bytes_.size(); }
    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
      std::call_once(waited_, wait_);
      return bytes_.readAt(offset, out);
    }

   private:
    runtime::MemorySource bytes_;
    std::function<void()> wait_;
    std::once_flag waited_;
  };
  runtime::FileTable files([&](const std::filesystem::path& path) {
    return std::make_unique<WaitingSource>(record(path == "a" ? 0xA : 0xB, path.string() + " text"), [&] {
      std::unique_lock lock(mutex);
      ++opened;
      bothOpen.notify_all();
      bothOpen.wait_for(lock, std::chrono::seconds(10), [&] { return opened == 2; });
    });
  });
  struct Run {
    speechfile::ReadingState state;
    RecordingList list;
    std::string error;
  } a, b;
  const auto get = [&](Run& run, const char* path) {
    try {
      speechfile::runGetAction(run.state, path, run.list, files);
    } catch (const GetError& e) {
      run.error = e.what();
    }
  };
  std::thread first(get, std::ref(a), "a");
  std::thread second(get, std::ref(b), "b");
  first.join();
  second.join();
  EXPECT_EQ(opened, 2) << "the two files were never open at once";
  EXPECT_EQ(a.error + b.error, "");
  EXPECT_EQ(a.list.lines, Lines{"ID: A Text: a text"});
  EXPECT_EQ(b.list.lines, Lines{"ID: B Text: b text"});
  EXPECT_NE(a.state.iFileNum, b.state.iFileNum);
  EXPECT_FALSE(files.isOpen(a.state.iFileNum) || files.isOpen(b.state.iFileNum));
  EXPECT_EQ(files.nextFreeNumber(), 1);  // both numbers were given back
}

}  // namespace
