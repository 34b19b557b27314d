#include "runtime/file_table.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <numeric>

#include "runtime/arrays.h"
#include "runtime/errors.h"
#include "support/faulty_source.h"
#include "support/test_files.h"

namespace {

using runtime::ErrorNumber;
using runtime::RuntimeError;
using testing_support::Bytes;
using testing_support::Faults;
using testing_support::FaultySource;
using testing_support::TempDir;

ErrorNumber errorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  ADD_FAILURE() << "no runtime error was raised";
  return ErrorNumber::Overflow;
}

Bytes counting(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  return bytes;
}

runtime::BufferedFile memoryFile(Bytes bytes) {
  return runtime::BufferedFile(std::make_unique<runtime::MemorySource>(std::move(bytes)));
}

TEST(BufferedFile, ReadsBytesAndBlocksInSequenceAcrossBufferBoundaries) {
  // Larger than two buffers, so refills and direct block reads both happen.
  const Bytes data = counting(2 * runtime::BufferedFile::kBufferSize + 1000);
  for (const std::size_t chunk : {std::size_t{1} << 30, std::size_t{1}, std::size_t{4093}}) {
    runtime::BufferedFile file(std::make_unique<FaultySource>(data, Faults{.chunk = chunk}));
    Bytes got;
    const std::size_t blocks[] = {3, runtime::BufferedFile::kBufferSize - 10, 20,
                                  runtime::BufferedFile::kBufferSize + 5, 1};
    for (std::size_t i = 0; !file.atEnd(); ++i) {
      got.push_back(file.readByte());
      Bytes block(std::min<std::uint64_t>(blocks[i % 5], file.size() - file.position()));
      file.readBytes(block);
      got.insert(got.end(), block.begin(), block.end());
    }
    EXPECT_EQ(got, data) << "chunk " << chunk;
    EXPECT_EQ(file.position(), data.size());
  }
}

TEST(BufferedFile, EndIsReachedAsSoonAsTheLastByteIsRead) {
  auto file = memoryFile({1, 2});
  EXPECT_FALSE(file.atEnd());
  file.readByte();
  EXPECT_FALSE(file.atEnd());
  file.readByte();
  EXPECT_TRUE(file.atEnd());
  EXPECT_TRUE(memoryFile({}).atEnd());
}

TEST(BufferedFile, ReadingPastTheEndRaisesAndLeavesThePosition) {
  auto file = memoryFile({1, 2, 3});
  file.readByte();
  Bytes three(3);
  EXPECT_EQ(errorOf([&] { file.readBytes(three); }), ErrorNumber::InputPastEndOfFile);
  EXPECT_EQ(file.position(), 1u);
  Bytes two(2);
  file.readBytes(two);
  EXPECT_EQ(two, (Bytes{2, 3}));
  EXPECT_EQ(errorOf([&] { file.readByte(); }), ErrorNumber::InputPastEndOfFile);
  EXPECT_EQ(file.position(), 3u);
}

TEST(BufferedFile, AFileThatShrinksOrFailsWhileReadRaisesNamingTheOffset) {
  const Bytes data = counting(1000);
  runtime::BufferedFile shrunk(std::make_unique<FaultySource>(data, Faults{.chunk = 100, .shrinkTo = 600}));
  Bytes block(1000);
  try {
    shrunk.readBytes(block);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), ErrorNumber::InputPastEndOfFile);
    EXPECT_NE(std::string(e.what()).find("it now ends at byte 600,"), std::string::npos) << e.what();
  }
  runtime::BufferedFile failing(std::make_unique<FaultySource>(data, Faults{.failFrom = 500}));
  EXPECT_EQ(errorOf([&] { failing.readByte(); }), ErrorNumber::DeviceIOError);
}

TEST(FileTable, HandsOutTheLowestFreeNumberAndGuardsNumbers) {
  runtime::FileTable files(
      [](const std::filesystem::path&) { return std::make_unique<runtime::MemorySource>(Bytes{9}); });
  EXPECT_EQ(files.nextFreeNumber(), 1);
  files.openBinary(1, "a");
  EXPECT_EQ(files.nextFreeNumber(), 2);
  EXPECT_EQ(errorOf([&] { files.openBinary(1, "b"); }), ErrorNumber::FileAlreadyOpen);
  EXPECT_EQ(errorOf([&] { files.openBinary(0, "b"); }), ErrorNumber::BadFileNameOrNumber);
  EXPECT_EQ(errorOf([&] { files.openBinary(256, "b"); }), ErrorNumber::BadFileNameOrNumber);
  EXPECT_EQ(errorOf([&] { files.openFile(2); }), ErrorNumber::BadFileNameOrNumber);
  EXPECT_EQ(files.openFile(1).readByte(), 9);
  files.close(1);
  files.close(1);  // closing twice is harmless
  EXPECT_FALSE(files.isOpen(1));
  EXPECT_EQ(errorOf([&] { files.openFile(1); }), ErrorNumber::BadFileNameOrNumber);

  for (int i = 1; i <= 255; ++i) files.openBinary(files.nextFreeNumber(), "x");
  EXPECT_EQ(errorOf([&] { files.nextFreeNumber(); }), ErrorNumber::TooManyFiles);
}

#ifndef _WIN32
TEST(OpenFileReadOnly, RefusesWhatIsNotAReadableRegularFile) {
  const TempDir dir;
  const std::string fifo = (dir.path() / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string missingFolder = (dir.path() / "no-such-folder" / "speech.mul").string();
  const struct {
    std::string path;
    ErrorNumber expected;
  } cases[] = {
      {"", ErrorNumber::BadFileNameOrNumber},
      {std::string("a\0b", 3), ErrorNumber::BadFileNameOrNumber},
      {dir.write("plain.mul", Bytes{1}) + "/speech.mul", ErrorNumber::PathNotFound},
      {(dir.path() / "missing.mul").string(), ErrorNumber::FileNotFound},
      {missingFolder, ErrorNumber::PathNotFound},
      {dir.path().string(), ErrorNumber::PathFileAccessError},
      {fifo, ErrorNumber::PathFileAccessError},
      {"/dev/zero", ErrorNumber::PathFileAccessError},
      {std::string(5000, 'a'), ErrorNumber::BadFileNameOrNumber},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(errorOf([&] { runtime::openFileReadOnly(c.path); }), c.expected) << c.path.substr(0, 80);
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing.mul"));  // never created
}
#else
TEST(OpenFileReadOnly, RefusesWhatIsNotAReadableRegularFile) {
  const TempDir dir;
  const struct {
    std::string path;
    ErrorNumber expected;
  } cases[] = {
      {"", ErrorNumber::BadFileNameOrNumber},
      {(dir.path() / "missing.mul").string(), ErrorNumber::FileNotFound},
      {(dir.path() / "no-such-folder" / "speech.mul").string(), ErrorNumber::PathNotFound},
      {dir.path().string(), ErrorNumber::PathFileAccessError},
      {"NUL", ErrorNumber::PathFileAccessError},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(errorOf([&] { runtime::openFileReadOnly(c.path); }), c.expected) << c.path;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing.mul"));  // never created
}

TEST(OpenFileReadOnly, OpensAPathWithNonAsciiLetters) {
  const TempDir dir;
  const std::string path = dir.write(
      "sp\xC3\xA9"
      "ech \xD0\x96.mul",
      Bytes{1, 2, 3});
  EXPECT_EQ(runtime::openFileReadOnly(testing_support::pathFromUtf8(path))->size(), 3u);
}
#endif

TEST(OpenFileReadOnly, ReadsARealFile) {
  const TempDir dir;
  const Bytes data = counting(300000);
  const std::string path = dir.write("data.bin", data);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  auto source = runtime::openFileReadOnly(path);
  ASSERT_EQ(source->size(), data.size());
  Bytes got(data.size());
  runtime::BufferedFile(std::move(source)).readBytes(got);
  EXPECT_EQ(got, data);
}

TEST(Arrays, SubtractionIsChecked16Bit) {
  EXPECT_EQ(runtime::subtractChecked(32767, 1), 32766);
  EXPECT_EQ(runtime::subtractChecked(1, 1), 0);
  EXPECT_EQ(runtime::subtractChecked(-32767, 1), -32768);
  EXPECT_EQ(errorOf([] { runtime::subtractChecked(-32768, 1); }), ErrorNumber::Overflow);
  EXPECT_EQ(errorOf([] { runtime::subtractChecked(32767, -1); }), ErrorNumber::Overflow);
}

TEST(Arrays, RedimensionGivesUpperPlusOneElementsOrRaises) {
  runtime::ByteArray array = {1, 2, 3};
  runtime::redimension(array, 0);
  EXPECT_EQ(array.size(), 1u);
  runtime::redimension(array, 32766);
  EXPECT_EQ(array.size(), 32767u);
  for (const std::int16_t upper : {-1, -2, -32768}) {
    EXPECT_EQ(errorOf([&] { runtime::redimension(array, upper); }), ErrorNumber::SubscriptOutOfRange);
  }
}

TEST(RuntimeError, MessageIsThePlainWordsThenTheNameAndNumber) {
  EXPECT_STREQ(RuntimeError(ErrorNumber::Overflow).what(), "Overflow (runtime error 6)");
  EXPECT_STREQ(RuntimeError(ErrorNumber::FileNotFound, "There is no file with this name.").what(),
               "There is no file with this name. (File not found, runtime error 53)");
}

}  // namespace
