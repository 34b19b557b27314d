// The Get action over a file layer that misbehaves: short reads, a failing
// read in the middle of the file, a file that shrinks while it is read, a
// file whose size is wrong.
#include <gtest/gtest.h>

#include <filesystem>

#include "speechfile/get_action.h"
#include "support/faulty_source.h"
#include "support/test_files.h"

namespace {

using runtime::ErrorNumber;
using testing_support::Bytes;
using testing_support::Faults;
using testing_support::FaultySource;
using testing_support::record;
using testing_support::RecordingList;

// About 600 KB of records of varied sizes, so that reading crosses several
// buffer refills; with the offset and line of each record.
struct BigFile {
  Bytes bytes;
  std::vector<std::uint64_t> starts;
  std::vector<std::string> lines;
};

BigFile bigFile() {
  BigFile file;
  for (int i = 0; file.bytes.size() < 600'000; ++i) {
    const std::string text(1 + (i * 37) % 300, static_cast<char>('a' + i % 26));
    file.starts.push_back(file.bytes.size());
    file.lines.push_back("ID: " + std::to_string(i % 10) + " Text: " + text);
    const Bytes r = record(static_cast<std::uint16_t>(i % 10), text);
    file.bytes.insert(file.bytes.end(), r.begin(), r.end());
  }
  return file;
}

struct Result {
  std::vector<std::string> lines;
  std::optional<ErrorNumber> error;
  std::optional<std::uint64_t> offset;
  std::string message;
  bool leftOpen = false;
};

Result getThrough(const Bytes& bytes, Faults faults) {
  runtime::FileTable files([&](const std::filesystem::path&) { return std::make_unique<FaultySource>(bytes, faults); });
  speechfile::ReadingState state;
  RecordingList list;
  Result result;
  try {
    speechfile::runGetAction(state, testing_support::pathFromUtf8("injected"), list, files);
  } catch (const speechfile::GetError& e) {
    result.error = e.cause().number();
    result.offset = e.recordOffset();
    result.message = e.what();
  }
  result.lines = list.lines;
  result.leftOpen = files.isOpen(state.iFileNum);
  return result;
}

TEST(GetActionFaults, ShortReadsAreRetriedAndChangeNothing) {
  const BigFile file = bigFile();
  for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{4096}}) {
    const Result result = getThrough(file.bytes, Faults{.chunk = chunk});
    EXPECT_FALSE(result.error) << "chunk " << chunk;
    EXPECT_EQ(result.lines, file.lines) << "chunk " << chunk;
  }
}

// The record that holds byte `at`, or that starts there: the first one not
// whole before it.
std::size_t firstRecordNotWholeBefore(const BigFile& file, std::uint64_t at) {
  std::size_t i = 0;
  while (i < file.starts.size() && (i + 1 < file.starts.size() ? file.starts[i + 1] : file.bytes.size()) <= at) ++i;
  return i;
}

TEST(GetActionFaults, EveryEntryReadIsListedThenWhatStoppedTheRead) {
  const BigFile file = bigFile();
  const std::uint64_t recordStart = file.starts[firstRecordNotWholeBefore(file, 300'000)];  // in the second buffer
  const Bytes cutInsideARecord(file.bytes.begin(), file.bytes.begin() + 450'002);
  const std::uint64_t many = file.bytes.size() + 5000;
  enum class Listed { All, EveryWholeEntryBefore, OnlyEntriesBefore };
  const struct {
    const char* name;
    const Bytes& bytes;
    Faults faults;
    Listed listed;
    std::uint64_t at;  // where the data ends or the read fails
    std::optional<ErrorNumber> error;
    std::string says;
  } cases[] = {
      // A read that fails loses the bytes it was to bring.
      {"read error at 300,000", file.bytes, Faults{.failFrom = 300'000}, Listed::OnlyEntriesBefore, 300'000,
       ErrorNumber::DeviceIOError, ""},
      {"read error at byte 0", file.bytes, Faults{.failFrom = 0}, Listed::OnlyEntriesBefore, 0,
       ErrorNumber::DeviceIOError, ""},
      // A file that became shorter: every whole entry before its new end,
      // then where it now ends.
      {"shrunk to 450,000 with short reads", file.bytes, Faults{.chunk = 1000, .shrinkTo = 450'000},
       Listed::EveryWholeEntryBefore, 450'000, ErrorNumber::InputPastEndOfFile, "now ends at byte 450000,"},
      {"shrunk to 400,000, in the middle of a buffer", file.bytes, Faults{.shrinkTo = 400'000},
       Listed::EveryWholeEntryBefore, 400'000, ErrorNumber::InputPastEndOfFile, "now ends at byte 400000,"},
      {"shrunk to a record's start", file.bytes, Faults{.shrinkTo = recordStart}, Listed::EveryWholeEntryBefore,
       recordStart, ErrorNumber::InputPastEndOfFile, "now ends at byte " + std::to_string(recordStart) + ","},
      {"shrunk to 0", file.bytes, Faults{.shrinkTo = 0}, Listed::EveryWholeEntryBefore, 0,
       ErrorNumber::InputPastEndOfFile, "now ends at byte 0,"},
      {"cut to 100,000 once read to 450,000", file.bytes, Faults{.shrinkTo = 450'000, .sizeNow = 100'000},
       Listed::EveryWholeEntryBefore, 450'000, ErrorNumber::InputPastEndOfFile,
       "now ends at byte 100000, though it had " + std::to_string(file.bytes.size()) +
           " bytes when it was opened (the read had come to byte 450000)."},
      // A file whose size is wrong from the start is read to its end.
      {"a size of 0, with data", file.bytes, Faults{.sizeSays = 0}, Listed::All, 0, std::nullopt, ""},
      {"a size of 0, with short reads", file.bytes, Faults{.chunk = 777, .sizeSays = 0}, Listed::All, 0, std::nullopt,
       ""},
      {"a size past its data", file.bytes, Faults{.sizeSays = many}, Listed::All, 0, std::nullopt, ""},
      {"a size past its data, which ends inside an entry", cutInsideARecord, Faults{.sizeSays = many},
       Listed::EveryWholeEntryBefore, 450'002, ErrorNumber::InputPastEndOfFile, "is cut short"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Result result = getThrough(c.bytes, c.faults);
    EXPECT_FALSE(result.leftOpen);
    if (!c.error) {
      EXPECT_FALSE(result.error);
      EXPECT_EQ(result.lines, file.lines);
      continue;
    }
    ASSERT_TRUE(result.error);
    EXPECT_EQ(*result.error, *c.error);
    EXPECT_NE(result.message.find(c.says), std::string::npos) << result.message;
    ASSERT_TRUE(result.offset);
    // The offset is a record's start, and exactly the records before it are listed.
    const auto it = std::find(file.starts.begin(), file.starts.end(), *result.offset);
    ASSERT_NE(it, file.starts.end()) << *result.offset;
    const auto before = static_cast<std::size_t>(it - file.starts.begin());
    if (c.listed == Listed::EveryWholeEntryBefore) {
      EXPECT_EQ(before, firstRecordNotWholeBefore(file, c.at));
    } else {
      EXPECT_LE(*result.offset, c.at);
    }
    EXPECT_EQ(result.lines, std::vector<std::string>(file.lines.begin(), file.lines.begin() + before));
  }
}

// Truncates the file on disk when the first line arrives.
class TruncatingList final : public speechfile::LineList {
 public:
  TruncatingList(std::string path, std::uint64_t size) : path_(std::move(path)), size_(size) {}
  void clear() override { lines.clear(); }
  void addItem(const speechfile::Entry& entry) override {
    if (lines.empty()) std::filesystem::resize_file(path_, size_);
    lines.push_back(testing_support::listLine(entry.id, entry.text));
  }
  std::vector<std::string> lines;

 private:
  std::string path_;
  std::uint64_t size_;
};

// Cut ahead of the read, and behind it (the first buffer already read):
// every whole entry before where the read found the end, and where the file
// ends now.
TEST(GetActionFaults, ARealFileThatShrinksWhileReadListsEveryWholeEntryBeforeItsNewEnd) {
  const BigFile file = bigFile();
  for (const std::uint64_t cut : {std::uint64_t{400'000}, std::uint64_t{100'000}}) {
    SCOPED_TRACE(cut);
    const testing_support::TempDir dir;
    const std::string path = dir.write("speech.mul", file.bytes);
    TruncatingList list(path, cut);
    runtime::FileTable files;
    speechfile::ReadingState state;
    const std::uint64_t readTo = std::max<std::uint64_t>(cut, runtime::BufferedFile::kBufferSize);
    try {
      speechfile::runGetAction(state, testing_support::pathFromUtf8(path), list, files);
      ADD_FAILURE() << "no error";
    } catch (const speechfile::GetError& e) {
      EXPECT_EQ(e.cause().number(), ErrorNumber::InputPastEndOfFile) << e.what();
      const std::size_t whole = firstRecordNotWholeBefore(file, readTo);
      EXPECT_EQ(e.recordOffset(), file.starts[whole]);
      EXPECT_EQ(list.lines, std::vector<std::string>(file.lines.begin(), file.lines.begin() + whole));
      EXPECT_NE(std::string(e.what()).find("became shorter while it was read: it now ends at byte " +
                                           std::to_string(cut) + ","),
                std::string::npos)
          << e.what();
    }
    EXPECT_FALSE(files.isOpen(state.iFileNum));
  }
}

}  // namespace
