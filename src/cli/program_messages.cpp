#include "cli/program_messages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "listing/shown_text.h"
#include "runtime/platform.h"

namespace cli {

void ProgramMessages::error(std::string_view message) const {
  runtime::writeUtf8(stderr, std::string(program_) + ": " + listing::shownText(message) + "\n");
}

void ProgramMessages::usageError(std::string_view problem) const {
  error(problem);
  runtime::writeUtf8(stderr, usage_());
}

bool ProgramMessages::print(std::string_view text) const {
  if (runtime::writeUtf8(stdout, text) && std::fflush(stdout) == 0) return true;
  error(writeFailure(errno ? errno : EIO));
  return false;
}

std::string writeFailure(int error) {
  return std::string("Cannot write to standard output: ") + std::strerror(error) + ".";
}

}  // namespace cli
