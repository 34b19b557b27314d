// The Get action over a file layer that misbehaves: short reads, a failing
// read in the middle of the file, a file that shrinks while it is read.
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
  bool leftOpen = false;
};

Result getThrough(const Bytes& bytes, Faults faults) {
  runtime::FileTable files([&](const std::filesystem::path&) { return std::make_unique<FaultySource>(bytes, faults); });
  speechfile::ReadingState state;
  RecordingList list;
  Result result;
  try {
    speechfile::runGetAction(state, testing_support::FixedPath("injected"), list, files);
  } catch (const speechfile::GetError& e) {
    result.error = e.cause().number();
    result.offset = e.recordOffset();
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

TEST(GetActionFaults, AFailingReadOrAShrunkFileStopsAtARecordKeepingTheLinesBefore) {
  const BigFile file = bigFile();
  const struct {
    const char* name;
    Faults faults;
    std::uint64_t at;
    ErrorNumber error;
  } cases[] = {
      {"read error at 300,000", Faults{.failFrom = 300'000}, 300'000, ErrorNumber::DeviceIOError},
      {"read error at byte 0", Faults{.failFrom = 0}, 0, ErrorNumber::DeviceIOError},
      {"shrunk to 450,000", Faults{.chunk = 1000, .shrinkTo = 450'000}, 450'000, ErrorNumber::InputPastEndOfFile},
      {"shrunk to 0", Faults{.shrinkTo = 0}, 0, ErrorNumber::InputPastEndOfFile},
  };
  for (const auto& c : cases) {
    const Result result = getThrough(file.bytes, c.faults);
    ASSERT_TRUE(result.error) << c.name;
    EXPECT_EQ(*result.error, c.error) << c.name;
    ASSERT_TRUE(result.offset) << c.name;
    EXPECT_LE(*result.offset, c.at) << c.name;
    // The offset is a record's start, and exactly the records before it are listed.
    const auto it = std::find(file.starts.begin(), file.starts.end(), *result.offset);
    ASSERT_NE(it, file.starts.end()) << c.name << ": " << *result.offset;
    const auto before = static_cast<std::size_t>(it - file.starts.begin());
    EXPECT_EQ(result.lines, std::vector<std::string>(file.lines.begin(), file.lines.begin() + before)) << c.name;
    EXPECT_FALSE(result.leftOpen) << c.name;
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

TEST(GetActionFaults, ARealFileThatShrinksWhileReadStopsWithAnError) {
  const testing_support::TempDir dir;
  const BigFile file = bigFile();
  const std::string path = dir.write("speech.mul", file.bytes);
  TruncatingList list(path, 400'000);
  runtime::FileTable files;
  speechfile::ReadingState state;
  try {
    speechfile::runGetAction(state, testing_support::FixedPath(path), list, files);
    FAIL() << "no error";
  } catch (const speechfile::GetError& e) {
    EXPECT_EQ(e.cause().number(), ErrorNumber::InputPastEndOfFile) << e.what();
    ASSERT_TRUE(e.recordOffset());
    EXPECT_LE(*e.recordOffset(), 400'000u);
    EXPECT_GT(list.lines.size(), 100u);  // the first buffer's records were listed
    EXPECT_NE(std::string(e.what()).find("became shorter while it was read"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(files.isOpen(state.iFileNum));
}

}  // namespace
