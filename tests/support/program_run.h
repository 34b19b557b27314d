// Runs a built program with its output in files, for the programs' tests.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

struct ProgramRun {
  int status = -1;  // the exit status, or 128 + the signal that ended it
  std::string out;
  std::string err;
};

// Runs `program` with `args`, standard input read from `stdinPath` (none
// given: /dev/null) and standard output written to `stdoutPath` (none
// given: a file read back into `out`).
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const char* stdoutPath = nullptr, const char* stdinPath = nullptr);

}  // namespace testing_support
