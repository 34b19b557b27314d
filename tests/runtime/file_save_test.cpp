// Saving over files: what the replaced file keeps, which files are followed
// or refused, and that a save leaves nothing behind, even when it is ended.
#include "runtime/file_save.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include "ui/win32/windows_api.h"
#else
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <fcntl.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <set>

#include "runtime/byte_source.h"
#include "runtime/errors.h"
#include "runtime/platform.h"
#include "support/bad_inputs.h"
#include "support/test_files.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Bytes;
using testing_support::TempDir;

std::string contentOf(const fs::path& file) {
  const Bytes bytes = testing_support::readAll(file.string());
  return std::string(bytes.begin(), bytes.end());
}

void save(const fs::path& target, std::string_view content) {
  runtime::writeWholeFile(target, [&](const runtime::ByteWriter& write) { write(content); });
}

// What a save of "new" raised, or "(written)".
std::string failureOf(const fs::path& target) {
  try {
    save(target, "new");
  } catch (const runtime::RuntimeError& e) {
    return e.what();
  }
  return "(written)";
}

// Every name under `dir`, relative to it: a save leaves none but its target.
std::set<std::string> namesUnder(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    names.insert(entry.path().lexically_relative(dir).generic_string());
  }
  return names;
}

// A file's 255-byte name: the longest most file systems take.
const std::string kLongestName = std::string(251, 'n') + ".txt";

struct KeptCase {
  const char* name;
  // Makes the files and returns the target to save to.
  std::function<fs::path(const fs::path& dir)> make;
  const char* written;                // the file that must then hold the new content
  std::vector<const char*> alsoShow;  // other names of it
  const char* stillALink = nullptr;   // a symbolic link that must stay one
  int mode = -1;                      // the mode it keeps (POSIX)
};

fs::path write(const fs::path& dir, const std::string& name, std::string_view content) {
  const fs::path file = dir / name;
  std::ofstream(file, std::ios::binary) << content;
  return file;
}

// Saving over a file replaces its content and keeps the rest, wherever the
// name the user gave leads.
TEST(WriteWholeFile, TheReplacedFileKeepsWhatItHadWhereverItsNameLeads) {
  std::vector<KeptCase> cases = {
      {"an earlier list",
       [](const fs::path& dir) {
         write(dir, "list.txt", "an earlier, longer list");
         return dir / "list.txt";
       },
       "list.txt",
       {}},
      {"a new file with a 255-byte name",
       [](const fs::path& dir) { return dir / kLongestName; },
       kLongestName.c_str(),
       {}},
      {"a file with another name (a hard link)",
       [](const fs::path& dir) {
         write(dir, "h1.txt", "the old content, longer than the new");
         fs::create_hard_link(dir / "h1.txt", dir / "h2.txt");
         return dir / "h2.txt";
       },
       "h2.txt",
       {"h1.txt"}},
  };
#ifndef _WIN32
  const auto withMode = [](const fs::path& file, fs::perms mode) {
    fs::permissions(file, mode);
    return file;
  };
  using enum fs::perms;
  const std::vector<KeptCase> posixCases = {
      {"a secret file, mode 0600",
       [&](const fs::path& dir) { return withMode(write(dir, "secret.txt", "old"), owner_read | owner_write); },
       "secret.txt",
       {},
       nullptr,
       0600},
      {"a symbolic link",
       [&](const fs::path& dir) {
         withMode(write(dir, "elsewhere.txt", "old"), owner_read | owner_write | group_read);
         fs::create_symlink("elsewhere.txt", dir / "sl.txt");
         return dir / "sl.txt";
       },
       "elsewhere.txt",
       {},
       "sl.txt",
       0640},
      {"links through other folders",
       [](const fs::path& dir) {
         fs::create_directories(dir / "a");
         fs::create_directories(dir / "b");
         write(dir, "real.txt", "old");
         fs::create_symlink(dir / "real.txt", dir / "b" / "second");
         fs::create_symlink("../b/second", dir / "a" / "first");
         return dir / "a" / "first";
       },
       "real.txt",
       {},
       "a/first"},
      {"a link to a file not made yet",
       [](const fs::path& dir) {
         fs::create_symlink("made.txt", dir / "sl.txt");
         return dir / "sl.txt";
       },
       "made.txt",
       {},
       "sl.txt"},
      {"a file another user owns",
       [](const fs::path& dir) {
         const std::string file = write(dir, "theirs.txt", "old");
         if (::geteuid() == 0 && ::chown(file.c_str(), 4321, 4322) != 0) ADD_FAILURE() << "chown";
         return fs::path(file);
       },
       "theirs.txt",
       {}},
  };
  cases.insert(cases.end(), posixCases.begin(), posixCases.end());
#endif
  for (const KeptCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TempDir dir;
    fs::path target;
    try {
      target = c.make(dir.path());
    } catch (const fs::filesystem_error& e) {
      std::cout << c.name << ": not tried, the system makes no such file here (" << e.what() << ")\n";
      continue;
    }
    std::set<std::string> names = namesUnder(dir.path());
#ifndef _WIN32
    struct stat before {};
    ::stat((dir.path() / c.written).c_str(), &before);
#endif
    try {
      save(target, "new");
    } catch (const runtime::RuntimeError& e) {
      ADD_FAILURE() << e.what();
      continue;
    }
    EXPECT_EQ(contentOf(dir.path() / c.written), "new");
    for (const char* other : c.alsoShow) EXPECT_EQ(contentOf(dir.path() / other), "new") << other;
    if (c.stillALink) {
      EXPECT_TRUE(fs::is_symlink(dir.path() / c.stillALink));
    }
    names.insert(c.written);
    EXPECT_EQ(namesUnder(dir.path()), names) << "a save makes its target and nothing else";
#ifndef _WIN32
    struct stat after {};
    ::stat((dir.path() / c.written).c_str(), &after);
    if (c.mode >= 0) {
      EXPECT_EQ(after.st_mode & 07777, static_cast<unsigned>(c.mode));
    }
    if (before.st_nlink > 0) {
      EXPECT_EQ(after.st_mode, before.st_mode);
      EXPECT_EQ(after.st_uid, before.st_uid);
      EXPECT_EQ(after.st_gid, before.st_gid);
      EXPECT_EQ(after.st_nlink, before.st_nlink);
    }
#endif
  }
}

// What must not be replaced is refused in plain words and left as it was.
TEST(WriteWholeFile, RefusesWhatItMustNotReplaceAndChangesNothing) {
  const struct {
    const char* name;
    std::function<fs::path(const fs::path& dir)> make;
    std::string says;
  } cases[] = {
      {"a read-only file",
       [](const fs::path& dir) {
         const fs::path file = write(dir, "kept.txt", "old");
         fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         return file;
       },
       " cannot be written: it is read-only. (Permission denied, runtime error 70)"},
      {"a folder",
       [](const fs::path& dir) {
         fs::create_directory(dir / "folder");
         return dir / "folder";
       },
       " cannot be written: it is a folder."},
      {"a missing folder", [](const fs::path& dir) { return dir / "missing" / "list.txt"; },
       "missing\" does not exist. (Path not found, runtime error 76)"},
      {"a name longer than the system takes", [](const fs::path& dir) { return dir / (kLongestName + "x"); },
       " cannot be written: the name is too long."},
#ifndef _WIN32
      // The folder is there, yet the system makes no file in it.
      {"a folder that takes no new files", [](const fs::path&) { return fs::path("/proc/list.txt"); },
       "\"/proc/list.txt\" cannot be written: the folder \"/proc\" takes no new files. (Path not found, runtime error "
       "76)"},
      {"a FIFO",
       [](const fs::path& dir) {
         ::mkfifo((dir / "fifo").c_str(), 0666);
         return dir / "fifo";
       },
       " cannot be written: it is a device, pipe or socket, not a file."},
      {"links that lead round in a circle",
       [](const fs::path& dir) {
         fs::create_symlink("b", dir / "a");
         fs::create_symlink("a", dir / "b");
         return dir / "a";
       },
       " cannot be written: it is a symbolic link that leads round in a circle"},
#else
      // Names Windows would not keep as they stand: it would write another
      // file than the one named, or one that no other program can open.
      {"a dot after the name of a file that is there",
       [](const fs::path& dir) {
         write(dir, "small.mul", "old");
         return dir / "small.mul.";
       },
       ": \"small.mul.\" ends in a dot, which Windows drops from a name. (Bad file name or number"},
      {"a space after a name", [](const fs::path& dir) { return dir / "list.txt "; },
       ": \"list.txt \" ends in a space, which Windows drops from a name."},
      {"a dot after a folder's name",
       [](const fs::path& dir) {
         fs::create_directory(dir / "sub");
         return dir / "sub." / "list.txt";
       },
       ": \"sub.\" ends in a dot, which Windows drops from a name."},
      {"a stream of a file",
       [](const fs::path& dir) {
         write(dir, "list.txt", "old");
         return dir / "list.txt:stream";
       },
       ": the \":\" in \"list.txt:stream\" would name a stream inside a file, not a file."},
      {"a control character", [](const fs::path& dir) { return dir / "a\tb.txt"; },
       ": \"a\tb.txt\" holds a control character, which Windows does not allow in a name."},
      {"a character Windows refuses", [](const fs::path& dir) { return dir / "why?.txt"; },
       ": \"why?.txt\" holds the character \"?\", which Windows does not allow in a name."},
      {"another", [](const fs::path& dir) { return dir / "a|b.txt"; }, "holds the character \"|\""},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TempDir dir;
    const fs::path target = c.make(dir.path());
    const auto before = testing_support::snapshot(dir.path());
    const std::string failure = failureOf(target);
    EXPECT_NE(failure.find(c.says), std::string::npos) << failure;
    EXPECT_EQ(testing_support::snapshot(dir.path()), before);
  }
}

// What a file's check is handed: the file's identity and size, from the
// file itself, and a time of its last change that is about now.
std::optional<runtime::ReplacedFile> replacedFile(const fs::path& file) {
  if (!fs::exists(file)) return std::nullopt;
  return runtime::ReplacedFile{*runtime::openFileReadOnly(file)->identity(), fs::file_size(file), {}};
}

// The save hands its check the file it is about to replace, before anything
// is written and again right before it is replaced, whatever is there by
// then; when the check refuses, nothing changes.
TEST(WriteWholeFile, TheCheckSeesTheFileAboutToBeReplacedAndMayRefuseIt) {
  const struct {
    const char* name;
    const char* target;
    std::vector<const char*> seen;                            // the file handed to each call ("" for none)
    std::function<void(const fs::path& dir)> meanwhile = {};  // done while the content is written
    const char* resolvedTo = nullptr;                         // where the system resolves the target
  } cases[] = {
      {"a new file", "new.txt", {"", ""}},
      {"an earlier list", "list.txt", {"list.txt", "list.txt"}},
      {"a file with another name (a hard link), written in place", "h2.txt", {"h1.txt", "h1.txt"}},
      {"a file moved to the target meanwhile",
       "new.txt",
       {"", "kept.txt"},
       [](const fs::path& dir) { fs::rename(dir / "kept.txt", dir / "new.txt"); }},
      {"a target the system resolves to another file", "other.txt", {"kept.txt", "kept.txt"}, {}, "kept.txt"},
  };
  for (const auto& c : cases) {
    for (const bool refuse : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (refuse ? ", refused" : ""));
      const TempDir dir;
      write(dir.path(), "list.txt", "an earlier list");
      write(dir.path(), "h1.txt", "linked");
      fs::create_hard_link(dir.path() / "h1.txt", dir.path() / "h2.txt");
      write(dir.path(), "kept.txt", "kept");
      std::vector<std::optional<runtime::ReplacedFile>> expected;
      for (const char* name : c.seen) expected.push_back(*name ? replacedFile(dir.path() / name) : std::nullopt);
      std::vector<std::optional<runtime::ReplacedFile>> seen;
      const auto now = std::chrono::system_clock::now();
      std::optional<runtime::platform::SaveTargetsResolvedTo> resolved;
      if (c.resolvedTo) resolved.emplace(dir.path() / c.resolvedTo);
      std::map<std::string, std::string> before;  // but the temporary file
      std::string failure;
      try {
        const runtime::ReplaceCheck check = [&](const std::optional<runtime::ReplacedFile>& replaced) {
          if (replaced) {
            EXPECT_LT(std::chrono::abs(replaced->modified - now), std::chrono::minutes(10));
            seen.push_back(runtime::ReplacedFile{replaced->identity, replaced->size, {}});
          } else {
            seen.push_back(std::nullopt);
          }
          if (refuse && seen.size() == c.seen.size()) {
            throw runtime::RuntimeError(runtime::ErrorNumber::PermissionDenied, "refused");
          }
        };
        runtime::writeWholeFile(dir.path() / c.target, check, [&](const runtime::ByteWriter& write) {
          if (c.meanwhile) c.meanwhile(dir.path());
          before = testing_support::snapshot(dir.path());
          std::erase_if(before, [](const auto& entry) { return entry.first.find("saving-") != std::string::npos; });
          write("new");
        });
      } catch (const runtime::RuntimeError& e) {
        failure = e.what();
      }
      EXPECT_EQ(seen, expected);
      EXPECT_EQ(failure, refuse ? "refused (Permission denied, runtime error 70)" : "");
      if (refuse) {
        EXPECT_EQ(testing_support::snapshot(dir.path()), before);
      } else {
        EXPECT_EQ(contentOf(dir.path() / (c.resolvedTo ? c.resolvedTo : c.target)), "new");
      }
    }
  }
}

// Holds a file as a save in progress holds its own: locked, or open
// without sharing.
class HeldAsASaveInProgress {
 public:
  explicit HeldAsASaveInProgress(const fs::path& file) {
#ifdef _WIN32
    handle_ = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE);
#else
    fd_ = ::open(file.c_str(), O_RDWR);
    EXPECT_EQ(::flock(fd_, LOCK_EX), 0);
#endif
  }
  ~HeldAsASaveInProgress() {
#ifdef _WIN32
    CloseHandle(handle_);
#else
    ::close(fd_);
#endif
  }
  HeldAsASaveInProgress(const HeldAsASaveInProgress&) = delete;
  HeldAsASaveInProgress& operator=(const HeldAsASaveInProgress&) = delete;

 private:
#ifdef _WIN32
  HANDLE handle_;
#else
  int fd_;
#endif
};

// A file last changed `age` ago.
fs::path changedAgo(const fs::path& file, std::chrono::minutes age) {
  fs::last_write_time(file, fs::file_time_type::clock::now() - age);
  return file;
}

// A later save removes what a save of this program left when it was ended
// midway, and only that: any other file in the folder stays, whoever made
// it, and so does the file of a save that may still be in progress. Each
// case makes a file, by default as an ended save leaves it (last changed
// over an hour ago), then changes it so.
TEST(WriteWholeFile, ALaterSaveRemovesOnlyWhatAnEndedSaveLeft) {
  const std::string left = ".speechviewer-saving-0123456789abcdef";
  struct Case {
    const char* what;
    std::string name;
    std::function<void(const fs::path& file)> change = [](const fs::path&) {};
    bool held = false;  // as a save in progress holds its file
    bool removed = false;
  };
  std::vector<Case> cases = {
      {.what = "what a save ended midway left", .name = left, .removed = true},
      {"one last changed a minute ago", left, [](const fs::path& f) { changedAgo(f, std::chrono::minutes(1)); }},
      {.what = "a save in progress, long since started", .name = left, .held = true},
      {.what = "a name without this program's mark", .name = ".saving-0123456789abcdef"},
      {.what = "the mark with digits of another kind", .name = ".speechviewer-saving-0123456789ABCDEF"},
      {"a file with another name", left,
       [](const fs::path& f) { fs::create_hard_link(f, f.parent_path() / "mine.txt"); }},
      {"a read-only file", left, [](const fs::path& f) { fs::permissions(f, fs::perms::owner_read); }},
      {"a folder", left,
       [](const fs::path& f) {
         fs::remove(f);
         fs::create_directory(f);
         std::error_code ignored;  // Wine cannot change a folder's time
         fs::last_write_time(f, fs::file_time_type::clock::now() - std::chrono::hours(2), ignored);
       }},
#ifndef _WIN32
      {"a symbolic link to one", left,
       [](const fs::path& f) {
         fs::rename(f, f.parent_path() / "elsewhere");
         fs::create_symlink("elsewhere", f);
       }},
      {"an executable", left, [](const fs::path& f) { fs::permissions(f, fs::perms::owner_all); }},
#endif
  };
#ifndef _WIN32
  if (::geteuid() == 0) {
    cases.push_back({"another user's", left, [](const fs::path& f) { EXPECT_EQ(::chown(f.c_str(), 4321, 4321), 0); }});
  }
#endif
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDir dir;
    const fs::path file = changedAgo(write(dir.path(), c.name, "left by a save"), std::chrono::minutes(61));
    c.change(file);
    std::optional<HeldAsASaveInProgress> held;
    if (c.held) held.emplace(file);
    std::set<std::string> names = namesUnder(dir.path());
    if (c.removed) names.erase(c.name);
    names.insert("list.txt");
    save(dir.path() / "list.txt", "new");
    EXPECT_EQ(namesUnder(dir.path()), names);
  }
}

#ifdef _WIN32
// The replaced file keeps its attributes, and a symbolic link is followed
// (where the system lets the tests make one).
TEST(WriteWholeFile, TheReplacedFileKeepsItsAttributesAndLinksAreFollowed) {
  const TempDir dir;
  const fs::path hidden = write(dir.path(), "hidden.txt", "old");
  ASSERT_TRUE(SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  save(hidden, "new");
  EXPECT_EQ(contentOf(hidden), "new");
  EXPECT_TRUE(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);

  write(dir.path(), "elsewhere.txt", "old");
  // Wine reports success and makes nothing.
  if (!CreateSymbolicLinkW((dir.path() / "sl.txt").c_str(), (dir.path() / "elsewhere.txt").c_str(), 0) ||
      GetFileAttributesW((dir.path() / "sl.txt").c_str()) == INVALID_FILE_ATTRIBUTES) {
    GTEST_SKIP() << "no symbolic link can be made here";
  }
  save(dir.path() / "sl.txt", "new");
  EXPECT_EQ(contentOf(dir.path() / "elsewhere.txt"), "new");
  EXPECT_TRUE(fs::is_symlink(dir.path() / "sl.txt"));
}
#endif

#ifndef _WIN32
// A save ended by the system midway (a kill, a crash) leaves no file that
// stays: the temporary file has no name while it is written.
TEST(WriteWholeFile, ASaveKilledMidwayLeavesTheTargetAsItWasAndNoOtherFile) {
  const TempDir dir;
  const fs::path target = write(dir.path(), "list.txt", "old");
  const pid_t child = ::fork();
  if (child == 0) {
    runtime::writeWholeFile(target, [](const runtime::ByteWriter& write) {
      write(std::string(std::size_t{4} << 20, 'x'));
      ::kill(::getpid(), SIGKILL);
    });
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  EXPECT_EQ(contentOf(target), "old");
  EXPECT_EQ(namesUnder(dir.path()), std::set<std::string>{"list.txt"});
}

// Runs `action` as a user without root's powers: as "nobody" in a child
// process when the tests run as root. Returns what it returned.
std::string asAnotherUser(const std::function<std::string()>& action) {
  if (::geteuid() != 0) return action();
  int ends[2];
  if (::pipe(ends) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ends[0]);
    const std::string result = ::setgid(65534) == 0 && ::setuid(65534) == 0 ? action() : "cannot become nobody";
    const ssize_t ignored = ::write(ends[1], result.data(), result.size());
    ::_exit(ignored < 0);
  }
  ::close(ends[1]);
  std::string result;
  char block[4096];
  for (ssize_t n; (n = ::read(ends[0], block, sizeof block)) > 0;) result.append(block, static_cast<std::size_t>(n));
  ::close(ends[0]);
  ::waitpid(child, nullptr, 0);
  return result;
}

// Permissions that stop a user, each told as what it is.
TEST(WriteWholeFile, SaysWhetherTheFileOrItsFolderStopsTheUser) {
  const TempDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  fs::create_directory(dir.path() / "locked");
  const fs::path writable = write(dir.path() / "locked", "list.txt", "old");
  fs::permissions(writable, fs::perms::all);
  fs::permissions(dir.path() / "locked", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                             fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  // Others may only read it; the group may write it, so it is not read-only.
  const fs::path notForOthers = write(dir.path(), "theirs.txt", "old");
  fs::permissions(notForOthers,
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::group_write | fs::perms::others_read);
  const struct {
    fs::path target;
    std::string says;
  } cases[] = {
      {writable, "cannot be written: you may write to the file but not make files in its folder \"" +
                     (dir.path() / "locked").string() + "\""},
      {dir.path() / "locked" / "new.txt",
       "cannot be written: you do not have permission to make files in the folder \"" +
           (dir.path() / "locked").string() + "\""},
      {notForOthers, "cannot be written: you do not have permission to write to it."},
  };
  for (const auto& c : cases) {
    const std::string failure = asAnotherUser([&] { return failureOf(c.target); });
    EXPECT_NE(failure.find(c.says), std::string::npos) << failure;
    EXPECT_TRUE(!fs::exists(c.target) || contentOf(c.target) == "old") << c.target;
  }
}
#endif

}  // namespace
