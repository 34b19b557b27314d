// Runs the built speechlist program and checks its output and exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "support/bad_inputs.h"
#include "support/program_run.h"
#include "support/test_files.h"
#include "version.h"

extern char** environ;

namespace {

using testing_support::Bytes;
using testing_support::concat;
using testing_support::record;
using testing_support::TempDir;

using testing_support::ProgramRun;

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Runs speechlist (or `program` with these arguments) with its output in files.
ProgramRun speechlist(const std::vector<std::string>& args, const char* stdoutPath = nullptr,
                      const char* program = SPEECHLIST_EXE) {
  return testing_support::runProgram(program, args, stdoutPath);
}

TEST(Speechlist, PrintsTheLinesAsUtf8OnePerLine) {
  const TempDir dir;
  const std::string path = dir.write(
      "speech.mul", concat({record(0x2A, "hail"), record(0x100, ""), record(0x8001, "caf\xE9"), record(5, "a\nb")}));
  const ProgramRun run = speechlist({path});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "ID: 2A Text: hail\nID: 8001 Text: caf\xC3\xA9\nID: 5 Text: a\u240Ab\n");
  EXPECT_EQ(run.err, "");
}

TEST(Speechlist, AnErrorPrintsTheLinesBeforeItThenTheOffsetAndExits1) {
  const TempDir dir;
  const std::string path = dir.write("speech.mul", concat({record(1, "one"), record(2, 0x8000, "")}));
  const ProgramRun run = speechlist({path});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "ID: 1 Text: one\n");
  EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
  EXPECT_EQ(run.err, "speechlist: \"" + path +
                         "\": The entry at byte 7 gives a text length of 0x8000, more than the 32,767 bytes an "
                         "entry can hold. (Overflow, runtime error 6)\n");
}

TEST(Speechlist, UsageAndOpenErrors) {
  const TempDir dir;
  const std::string dashed = dir.write("-dash.mul", record(1, "x"));
  const struct {
    std::vector<std::string> args;
    int status;
    const char* out;      // expected start of standard output
    const char* errPart;  // expected part of standard error
  } cases[] = {
      {{}, 2, "", "speechlist: missing PATH\nusage: speechlist ["},
      {{"--"}, 2, "", "speechlist: missing PATH\n"},
      {{"a", "b"}, 2, "", "too many arguments"},
      {{"--bogus"}, 2, "", "speechlist: unknown option '--bogus'\n"},
      {{"--\x1B[2J"}, 2, "", "speechlist: unknown option '--\u241B[2J'\n"},
      // Bytes that are not UTF-8 (0x9B is CSI to an 8-bit terminal) are shown, not sent.
      {{"--\x9B"
        "2J"},
       2,
       "",
       "speechlist: unknown option '--\u2039"
       "9B\u203A2J'\n"},
      {{"--format", "\x9B"},
       2,
       "",
       "speechlist: unknown format '\u2039"
       "9B\u203A': give"},
      {{(dir.path() / "\x9B"
                      "2J.mul")
            .string()},
       1,
       "",
       "/\u2039"
       "9B\u203A2J.mul\": There is no file with this name."},
      {{"--help"}, 0, "usage: speechlist [--format lines|csv|json] [--all] [--encoding NAME] [--] PATH\n", ""},
      {{"--encoding", "cp1259", "x"}, 2, "", "speechlist: unknown encoding 'cp1259': give ansi, utf-8, or a code page"},
      {{"--encoding"}, 2, "", "speechlist: --encoding needs a NAME"},
      {{"--version"},
       0,
       "speechlist " SPEECH_VERSION "\n"
       "Copyright (c) 2026 the speech file viewer authors; MIT licence.\n",
       ""},
      {{"--", dashed}, 0, "ID: 1 Text: x\n", ""},
      {{(dir.path() / "missing.mul").string()}, 1, "", "File not found"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = speechlist(c.args);
    const std::string label = c.args.empty() ? "(no arguments)" : c.args[0];
    EXPECT_EQ(run.status, c.status) << label;
    EXPECT_EQ(run.out.rfind(c.out, 0), 0u) << label << ": " << run.out;
    EXPECT_NE(run.err.find(c.errPart), std::string::npos) << label << ": " << run.err;
    EXPECT_EQ(run.err.find("\x9B"
                           "2J"),
              std::string::npos)
        << label << ": a raw byte reached standard error";
  }
}

// Standard error of speechlist run with it on a terminal (a pseudo-terminal's
// other end), its output in a file.
std::string errorOnTerminal(const std::vector<std::string>& args, const TempDir& dir) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return "(no pseudo-terminal)";
  const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
  const std::string out = (dir.path() / "out.txt").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, terminal, 2);
  std::vector<std::string> all = {SPEECHLIST_EXE};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const bool started = ::posix_spawn(&pid, SPEECHLIST_EXE, &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  if (started) ::waitpid(pid, &status, 0);
  ::close(terminal);
  std::string err;
  char buffer[4096];
  for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;) err.append(buffer, static_cast<std::size_t>(n));
  ::close(master);
  return err;
}

// --encoding auto reads the texts as UTF-8 when they all are and one at
// least is not ASCII, else in the system default; without --encoding, texts
// that look like UTF-8 are told of on a terminal only.
TEST(Speechlist, EncodingAutoChoosesUtf8ByTheTextsAndATerminalIsToldOfThem) {
  const TempDir dir;
  const std::string utf8 = dir.write("u.mul", concat({record(1, "caf\xC3\xA9"), record(2, ""), record(3, "hi")}));
  const std::string cp1252 = dir.write("w.mul", concat({record(1, "\xC3\xA9"), record(2, "caf\xE9")}));
  const std::string cut = dir.write("cut.mul", concat({record(1, "\xE6\x97\xA5"), Bytes{0, 2, 0}}));
  const std::string note =
      "speechlist: The texts of u.mul look like UTF-8, not Western European (1252): "
      "--encoding utf-8 or --encoding auto shows them so.\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string errPart;  // "" for none
    std::string onTerminal;
  } cases[] = {
      {{"--encoding", "auto", utf8}, 0, "ID: 1 Text: caf\u00E9\nID: 3 Text: hi\n", "", ""},
      {{"--encoding=AUTO", "--format", "csv", "--all", utf8},
       0,
       "offset,id,id_hex,length,text\r\n0,1,1,5,caf\u00E9\r\n9,2,2,0,\r\n13,3,3,2,hi\r\n",
       "",
       ""},
      {{"--encoding", "auto", cp1252}, 0, "ID: 1 Text: \u00C3\u00A9\nID: 2 Text: caf\u00E9\n", "", ""},
      {{"--encoding", "auto", cut}, 1, "ID: 1 Text: \u65E5\n", "The entry at byte 7", ""},
      {{utf8}, 0, "ID: 1 Text: caf\u00C3\u00A9\nID: 3 Text: hi\n", "", note},
      {{cp1252}, 0, "ID: 1 Text: \u00C3\u00A9\nID: 2 Text: caf\u00E9\n", "", ""},
      {{"--encoding", "1252", utf8}, 0, "ID: 1 Text: caf\u00C3\u00A9\nID: 3 Text: hi\n", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.front() + " " + c.args.back());
    const ProgramRun run = speechlist(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    if (c.errPart.empty()) {
      EXPECT_EQ(run.err, "");
    } else {
      EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
    }
    std::string onTerminal = errorOnTerminal(c.args, dir);
    std::erase(onTerminal, '\r');  // the terminal's line ends
    if (c.errPart.empty()) {
      EXPECT_EQ(onTerminal, c.onTerminal);
    }
  }
}

// Large enough that reading and writing run on two threads.
TEST(Speechlist, ALargeFileListsEveryLineInOrderBeforeTheError) {
  const TempDir dir;
  Bytes file;
  std::string expected;
  for (int i = 0; i < 60'000; ++i) {
    const std::string text(1 + (i * 7) % 90, static_cast<char>(i % 3 == 0 ? '\xE9' : 'a' + i % 26));
    const Bytes r =
        i % 17 == 0 ? record(static_cast<std::uint16_t>(i), "") : record(static_cast<std::uint16_t>(i), text);
    file.insert(file.end(), r.begin(), r.end());
    if (i % 17 != 0)
      expected += testing_support::listLine(static_cast<std::int16_t>(i), Bytes(text.begin(), text.end())) + "\n";
  }
  const std::size_t badAt = file.size();
  const Bytes bad = record(1, 0x8000, "");
  file.insert(file.end(), bad.begin(), bad.end());
  const ProgramRun run = speechlist({dir.write("big.mul", file)});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out == expected) << run.out.size() << " bytes, " << expected.size() << " expected";
  EXPECT_NE(run.err.find("The entry at byte " + std::to_string(badAt) + " gives"), std::string::npos) << run.err;
}

// Under every limit on its memory, speechlist lists the whole file, or lists
// the lines before the point where memory ran out and says so: never a crash.
TEST(Speechlist, RunningOutOfMemoryEndsWithAMessageNeverACrash) {
  if (testing_support::kUnderAddressSanitizer) {
    GTEST_SKIP() << "the address sanitizer needs more address space than these limits leave";
  }
  const TempDir dir;
  Bytes file;
  for (int i = 0; i < 100'000; ++i) {
    const Bytes r = record(static_cast<std::uint16_t>(i), std::string(5 + i % 40, 'a' + i % 26));
    file.insert(file.end(), r.begin(), r.end());
  }
  const std::string path = dir.write("big.mul", file);
  const std::string full = speechlist({path}).out;
  int listedAll = 0, stopped = 0;
  for (int mebibytes = 5; mebibytes <= 30; ++mebibytes) {
    const std::string limit = "--as=" + std::to_string(mebibytes << 20);
    const ProgramRun run = speechlist({limit, SPEECHLIST_EXE, path}, nullptr, "/usr/bin/prlimit");
    if (run.err.find("error while loading shared libraries") != std::string::npos) continue;  // too little to start
    if (run.status == 0) {
      EXPECT_TRUE(run.out == full) << mebibytes << " MiB";
      ++listedAll;
    } else {
      EXPECT_EQ(run.status, 1) << mebibytes << " MiB: " << run.err;
      EXPECT_NE(run.err.find("There is not enough memory to list"), std::string::npos)
          << mebibytes << " MiB: " << run.err;
      EXPECT_EQ(full.compare(0, run.out.size(), run.out), 0) << mebibytes << " MiB: not the lines before";
      EXPECT_TRUE(run.out.empty() || run.out.back() == '\n') << mebibytes << " MiB";
      ++stopped;
    }
  }
  EXPECT_GT(listedAll, 0);
  EXPECT_GT(stopped, 0);
}

TEST(Speechlist, AFailedWriteIsNotReportedAsSuccess) {
  const TempDir dir;
  const std::string path = dir.write("speech.mul", record(1, "x"));
  std::string big;
  for (int i = 0; i < 40'000; ++i) big += std::string(reinterpret_cast<const char*>(record(1, "some text").data()), 13);
  const std::string bigPath = dir.write("big.mul", Bytes(big.begin(), big.end()));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{path}, {bigPath}, {"--format", "csv", bigPath}, {"--help"}, {"--version"}}) {
    const ProgramRun run = speechlist(args, "/dev/full");
    EXPECT_EQ(run.status, 1) << args[0];
    EXPECT_EQ(run.err, "speechlist: Cannot write to standard output: No space left on device.\n") << args[0];
  }
}

// speechlist with its standard output in a pipe that the test reads as it
// goes: speechlist waits while the pipe is full, so the test knows how far
// it can have read.
class PipedSpeechlist {
 public:
  PipedSpeechlist(const std::string& path, bool sigpipeIgnored) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
    out_ = ends[0];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    if (!sigpipeIgnored) sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    // A signal ignored when a program starts stays ignored in it.
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    if (sigpipeIgnored) ::sigaction(SIGPIPE, &ignore, &previous);
    std::string program = SPEECHLIST_EXE, file = path;
    char* argv[] = {program.data(), file.data(), nullptr};
    if (posix_spawn(&pid_, SPEECHLIST_EXE, &actions, &attributes, argv, environ) != 0) pid_ = -1;
    if (sigpipeIgnored) ::sigaction(SIGPIPE, &previous, nullptr);
    ::close(ends[1]);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
  }
  ~PipedSpeechlist() {
    closeOutput();
    if (pid_ > 0) exitStatus();
  }
  PipedSpeechlist(const PipedSpeechlist&) = delete;
  PipedSpeechlist& operator=(const PipedSpeechlist&) = delete;

  // Reads until `count` bytes more have come, or all there are.
  std::string read(std::size_t count = SIZE_MAX) {
    std::string got;
    char block[65536];
    while (got.size() < count) {
      const ssize_t n = ::read(out_, block, sizeof block);
      if (n <= 0) break;
      got.append(block, static_cast<std::size_t>(n));
    }
    return got;
  }
  void closeOutput() {
    if (out_ >= 0) ::close(out_);
    out_ = -1;
  }
  // The exit status as the shell gives it: 128 + the signal that ended it.
  int exitStatus() {
    int status = 0;
    if (::waitpid(pid_, &status, 0) != pid_) return -1;
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  std::string err() const { return text(testing_support::readAll(errPath_)); }

 private:
  TempDir dir_;
  std::string errPath_ = (dir_.path() / "err").string();
  pid_t pid_ = -1;
  int out_ = -1;
};

// About 12 MB of entries, with the lines they give and where each ends.
struct ManyEntries {
  Bytes bytes;
  std::vector<std::uint64_t> ends;
  std::vector<std::string> lines;
};

ManyEntries manyEntries() {
  ManyEntries many;
  for (int i = 0; many.bytes.size() < 12'000'000; ++i) {
    const std::string text(1 + i % 60, static_cast<char>('a' + i % 26));
    const Bytes r = record(static_cast<std::uint16_t>(i), text);
    many.bytes.insert(many.bytes.end(), r.begin(), r.end());
    many.ends.push_back(many.bytes.size());
    many.lines.push_back(testing_support::listLine(static_cast<std::int16_t>(i), Bytes(text.begin(), text.end())));
  }
  return many;
}

// Another program cuts the file short while speechlist lists it: every whole
// entry before the cut is listed, then where the file now ends.
TEST(Speechlist, AFileCutShortWhileListedListsEveryWholeEntryBeforeTheCut) {
  const TempDir dir;
  const ManyEntries many = manyEntries();
  const std::string path = dir.write("speech.mul", many.bytes);
  // Far past what speechlist can have read while the test reads nothing.
  const std::uint64_t cut = 6'000'003;
  PipedSpeechlist run(path, false);
  std::string out = run.read(1);
  std::filesystem::resize_file(path, cut);
  out += run.read();
  EXPECT_EQ(run.exitStatus(), 1);
  std::string expected;
  for (std::size_t i = 0; many.ends[i] <= cut; ++i) expected += many.lines[i] + "\n";
  EXPECT_TRUE(out == expected) << out.size() << " bytes, " << expected.size() << " expected";
  EXPECT_NE(run.err().find("became shorter while it was read: it now ends at byte 6000003, though it had " +
                           std::to_string(many.bytes.size()) + " bytes"),
            std::string::npos)
      << run.err();
}

// A reader that goes away (`speechlist big.mul | head -1`) ends speechlist
// as it ends the standard tools: by the signal SIGPIPE, without a word; or,
// where whoever started it ignores that signal, at the first write that
// fails, with a message and exit status 1, without reading on.
TEST(Speechlist, AReaderThatGoesAwayEndsItAsItEndsTheStandardTools) {
  const TempDir dir;
  ManyEntries many = manyEntries();
  const Bytes bad = record(1, 0x8000, "");  // an error the rest of the file would end in
  many.bytes.insert(many.bytes.end(), bad.begin(), bad.end());
  const std::string path = dir.write("speech.mul", many.bytes);
  const struct {
    bool sigpipeIgnored;
    int status;
    std::string err;
  } cases[] = {
      {false, 128 + SIGPIPE, ""},
      {true, 1, "speechlist: Cannot write to standard output: Broken pipe.\n"},
  };
  for (const auto& c : cases) {
    PipedSpeechlist run(path, c.sigpipeIgnored);
    EXPECT_EQ(run.read(100).substr(0, 14), "ID: 0 Text: a\n");
    run.closeOutput();
    EXPECT_EQ(run.exitStatus(), c.status) << "SIGPIPE ignored: " << c.sigpipeIgnored;
    EXPECT_EQ(run.err(), c.err) << "SIGPIPE ignored: " << c.sigpipeIgnored;
  }
}

}  // namespace

namespace {

std::vector<std::string> splitLines(const std::string& out) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(out.substr(start, end - start));
  }
  return lines;
}

void expectOutcome(const testing_support::BadInput& c, const TempDir& dir) {
  const auto before = testing_support::snapshot(dir.path());
  const ProgramRun run = speechlist({"--", c.path});
  EXPECT_EQ(splitLines(run.out), c.lines) << c.name;
  // Nothing but the line ends reaches the terminal as a control character.
  EXPECT_EQ(std::count_if(run.out.begin(), run.out.end(), [](unsigned char b) { return b < 0x20 || b == 0x7F; }),
            static_cast<std::ptrdiff_t>(c.lines.size()))
      << c.name;
  EXPECT_FALSE(run.err.find_first_of("\x1B\r\x07") != std::string::npos) << c.name;
  if (c.errorPart.empty()) {
    EXPECT_EQ(run.status, 0) << c.name << ": " << run.err;
  } else {
    EXPECT_EQ(run.status, 1) << c.name;
    EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << c.name << ": " << run.err;
  }
  EXPECT_EQ(testing_support::snapshot(dir.path()), before) << c.name << ": a file was created or changed";
}

TEST(SpeechlistBadInputs, EachIsListedOrRefusedWithAClearError) {
  const TempDir dir;
  for (const auto& c : testing_support::makeBadInputs(dir)) expectOutcome(c, dir);
}

TEST(SpeechlistBadInputsSlow, SparseFileOver4GiBKeepsItsOffsets) {
  if (!testing_support::slowTestsEnabled()) GTEST_SKIP() << "set SPEECH_SLOW_TESTS to run";
  const TempDir dir;
  expectOutcome(testing_support::makeSparseOver4GiB(dir), dir);
}

}  // namespace
