// Runs the built speechpack program: what bad input gets, and where and how
// it writes the speech file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/bad_inputs.h"
#include "support/program_run.h"
#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Bytes;
using testing_support::TempDir;

Bytes bytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

testing_support::ProgramRun speechpack(const std::vector<std::string>& args, const char* stdinPath = nullptr) {
  return testing_support::runProgram(SPEECHPACK_EXE, args, nullptr, stdinPath);
}

std::string rows(int count, std::string_view last) {
  std::string csv = "id,text\r\n";
  for (int i = 1; i < count; ++i) csv += std::to_string(i) + ",word\r\n";
  return csv + std::to_string(count) + "," + std::string(last) + "\r\n";
}

// Every input that cannot be made a speech file, and every OUT that cannot
// be written: a message that names the place, status 1, nothing written, and
// an existing OUT exactly as it was.
TEST(Speechpack, BadInputGetsItsPlaceNamedStatus1AndNothingWritten) {
  std::string sixteenThousandAccents;
  for (int i = 0; i < 16384; ++i) sixteenThousandAccents += "\xC3\xA9";  // 2 bytes each in UTF-8, 1 in 1252
  const struct {
    const char* name;
    std::string input;  // the input file's name and bytes
    std::string bytes;
    std::vector<std::string> options;
    std::string says;
  } cases[] = {
      {"missing column", "list.csv", "offset,id\r\n0,1\r\n", {}, "line 1: the header has no column 'text'"},
      {"ID out of range",
       "list.json",
       "{\"id\":1,\"text\":\"a\"}\n{\"id\":65536,\"text\":\"b\"}\n",
       {},
       "line 2, key 'id': 65536 is not an ID from 0 to 65535"},
      {"ID not a number", "list.csv", "id,text\r\nq,word\r\n", {}, "line 2, row 1, column 'id': 'q' is not an ID"},
      {"text of 32,768 bytes once encoded",
       "list.csv",
       rows(2, sixteenThousandAccents),
       {"--encoding", "utf-8"},
       "line 3, row 2: the text is 32,768 bytes long in UTF-8, more than the 32,767 bytes"},
      {"character the encoding lacks",
       "list.csv",
       rows(12, "\xD0\xB6"),
       {},
       "line 13, row 12: '\xD0\xB6' (U+0436) has no bytes in Western European (1252)"},
      {"U+FFFD in csv", "list.csv", rows(1, "a\xEF\xBF\xBD"), {}, "line 2, row 1: the text holds U+FFFD"},
      {"unterminated quote",
       "list.csv",
       "id,text\n1,\"open\n2,x\n",
       {},
       "line 2: the quoted field 2 that starts on this line has no closing quote"},
      {"bad escape",
       "list.json",
       "{\"id\":1,\"text\":\"a\\qb\"}\n",
       {},
       "line 1: this is not JSON at byte 18 of the line: invalid escape character in string"},
      {"invalid UTF-8 in csv", "list.csv", rows(2, "caf\xE9"), {}, "line 3, row 2: the byte 0xE9 is not UTF-8"},
      {"invalid UTF-8 in json",
       "list.json",
       "{\"id\":1,\"text\":\"caf\xE9\"}\n",
       {},
       "line 1: a string that is not UTF-8"},
      {"lone surrogate", "list.json", "{\"id\":1,\"text\":\"\\udc00\"}\n", {}, "line 1: the text holds half of a"},
      {"empty input", "list.csv", "", {}, "the input is empty"},
      {"no such input", "", "", {}, "missing.csv\": There is no file with this name."},
  };
  for (const auto& c : cases) {
    const TempDir dir;
    const std::string out = dir.write("out.mul", bytes("old speech file"));
    std::vector<std::string> args = c.options;
    args.insert(args.end(), {"-o", out});
    args.push_back(c.input.empty() ? (dir.path() / "missing.csv").string() : dir.write(c.input, bytes(c.bytes)));
    const auto before = testing_support::snapshot(dir.path());
    const testing_support::ProgramRun run = speechpack(args);
    EXPECT_EQ(run.status, 1) << c.name << ": " << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << c.name << ": " << run.err;
    EXPECT_NE(run.err.find("Nothing was written."), std::string::npos) << c.name << ": " << run.err;
    EXPECT_EQ(testing_support::snapshot(dir.path()), before) << c.name << ": a file was made or changed";
    EXPECT_EQ(testing_support::readAll(out), bytes("old speech file")) << c.name;
  }
}

// OUT that is the input under any name, or that cannot be written.
TEST(Speechpack, RefusesAnOutThatIsTheInputOrCannotBeWritten) {
  const TempDir dir;
  const std::string list = dir.write("list.json", bytes("{\"id\":1,\"text\":\"a\"}\n"));
  const std::string link = (dir.path() / "link.mul").string();
  fs::create_symlink(list, link);
  const std::string hard = (dir.path() / "hard.mul").string();
  fs::create_hard_link(list, hard);
  const struct {
    std::vector<std::string> args;
    const char* stdinPath;
    std::string says;
  } cases[] = {
      {{"-o", list, list}, nullptr, "is the input file itself"},
      {{"-o", link, list}, nullptr, "is the input file itself"},
      {{"-o", hard, list}, nullptr, "is the input file itself"},
      {{"-o", list}, list.c_str(), "is the input file itself"},  // the file standard input reads
      {{"-o", "/sys/speech.mul", list}, nullptr, "\"/sys/speech.mul\" cannot be written: you do not have permission"},
      {{"-o", (dir.path() / "no folder" / "x.mul").string(), list}, nullptr, "does not exist"},
  };
  const auto before = testing_support::snapshot(dir.path());
  for (const auto& c : cases) {
    const testing_support::ProgramRun run = speechpack(c.args, c.stdinPath);
    EXPECT_EQ(run.status, 1) << c.args[1] << ": " << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_EQ(testing_support::snapshot(dir.path()), before) << c.args[1];
  }
}

TEST(Speechpack, WritesOutWholeKeepingItsModeAndLinksOrToStandardOutput) {
  const TempDir dir;
  const std::string list = dir.write("list.txt", bytes("\xEF\xBB\xBFtext;id\r\n\"hail\";42\r\n;256\r\n"));
  const Bytes expected = {0x00, 0x2A, 0x00, 0x04, 'h', 'a', 'i', 'l', 0x01, 0x00, 0x00, 0x00};
  const std::string target = dir.write("target.mul", bytes("old"));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  const std::string link = (dir.path() / "link.mul").string();
  fs::create_symlink(target, link);
  const testing_support::ProgramRun run = speechpack({"--output=" + link, list});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(testing_support::readAll(target), expected);
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  const testing_support::ProgramRun toStdout = speechpack({"-"}, list.c_str());
  EXPECT_EQ(toStdout.status, 0) << toStdout.err;
  EXPECT_EQ(bytes(toStdout.out), expected);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 3);  // nothing left beside them
}

TEST(Speechpack, UsageErrorsGetStatus2) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* says;
  } cases[] = {
      {{"--bogus"}, 2, "speechpack: unknown option '--bogus'\nusage: speechpack ["},
      {{"--format", "xml"}, 2, "speechpack: unknown format 'xml': give csv or json"},
      {{"--encoding", "cp1259"}, 2, "speechpack: unknown encoding 'cp1259'"},
      {{"-o"}, 2, "speechpack: --output needs an OUT"},
      {{"a.csv", "b.csv"}, 2, "too many arguments: give one INPUT"},
      {{"--help"}, 0, ""},
  };
  for (const auto& c : cases) {
    const testing_support::ProgramRun run = speechpack(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[0];
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
  EXPECT_TRUE(speechpack({"--help"}).out.starts_with("usage: speechpack [--encoding NAME] [--format csv|json]"));
  EXPECT_TRUE(speechpack({"--version"}).out.starts_with("speechpack "));
}

}  // namespace
