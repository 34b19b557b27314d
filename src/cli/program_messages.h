// What the command-line programs share as programs: their messages on
// standard error, each starting with the program's name and in its shown
// form, and the texts asked for on standard output (--help, --version).
#pragma once

#include <string>
#include <string_view>

namespace cli {

class ProgramMessages {
 public:
  // `program` names the program in its messages ("speechlist"); `usage`
  // makes its usage, printed after a usage error.
  using UsageMaker = std::string (*)();
  constexpr ProgramMessages(std::string_view program, UsageMaker usage) : program_(program), usage_(usage) {}

  // "speechlist: MESSAGE" on standard error, no control character acting.
  void error(std::string_view message) const;
  // A usage error: what is wrong, then the usage.
  void usageError(std::string_view problem) const;
  // Prints `text` on standard output; false, saying why, when it could not
  // be written.
  bool print(std::string_view text) const;

  std::string usage() const { return usage_(); }

 private:
  std::string_view program_;
  UsageMaker usage_;
};

// "Cannot write to standard output: " and the system's words for `error`.
std::string writeFailure(int error);

}  // namespace cli
