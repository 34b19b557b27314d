#include "support/program_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "support/test_files.h"

extern char** environ;

namespace testing_support {

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args, const char* stdoutPath,
                      const char* stdinPath) {
  const TempDir dir;
  const std::string out = stdoutPath ? stdoutPath : (dir.path() / "out").string();
  const std::string err = (dir.path() / "err").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, stdinPath ? stdinPath : "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> all = {program};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  ProgramRun run;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
  }
  posix_spawn_file_actions_destroy(&actions);
  const auto text = [](const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); };
  if (!stdoutPath) run.out = text(readAll(out));
  run.err = text(readAll(err));
  return run;
}

}  // namespace testing_support
