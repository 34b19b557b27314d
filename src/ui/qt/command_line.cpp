#include "ui/qt/command_line.h"

#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "runtime/platform.h"
#include "ui/common/viewer_session.h"

namespace {

constexpr ui::ViewerProgram kProgram{"speechviewer"};

int printRequested(const std::string& text) {
  if (runtime::writeUtf8(stdout, text) && std::fflush(stdout) == 0) return 0;
  runtime::writeUtf8(stderr, std::string("speechviewer: cannot write to standard output: ") +
                                 std::strerror(errno ? errno : EIO) + ".\n");
  return 1;
}

int usageError(const std::string& problem) {
  runtime::writeUtf8(stderr, "speechviewer: " + problem + "\n" + ui::viewerUsage(kProgram));
  return 2;
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
  const ui::ViewerCommandLine line = ui::readViewerCommandLine(runtime::commandLineArguments(argc, argv), kProgram);
  switch (line.action) {
    case ui::ViewerCommandLine::Action::ShowUsage: return {printRequested(ui::viewerUsage(kProgram)), {}};
    case ui::ViewerCommandLine::Action::ShowVersion: return {printRequested(ui::viewerVersion() + "\n"), {}};
    case ui::ViewerCommandLine::Action::Refuse: return {usageError(line.problem), {}};
    case ui::ViewerCommandLine::Action::OpenWindow: break;
  }
  return {std::nullopt, line.path};
}

bool displayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (!qEnvironmentVariableIsEmpty(name)) return true;
  }
  runtime::writeUtf8(stderr,
                     "speechviewer: there is no display to show the window on (DISPLAY is not set).\n"
                     "To list a speech file on the terminal, use: speechlist PATH\n");
  return false;
}
