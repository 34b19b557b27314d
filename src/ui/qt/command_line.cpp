#include "ui/qt/command_line.h"

#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
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
    case ui::ViewerCommandLine::Action::ShowUsage: return {printRequested(ui::viewerUsage(kProgram)), {}, {}, {}};
    case ui::ViewerCommandLine::Action::ShowVersion: return {printRequested(ui::viewerVersion() + "\n"), {}, {}, {}};
    case ui::ViewerCommandLine::Action::Refuse: return {usageError(line.problem), {}, {}, {}};
    case ui::ViewerCommandLine::Action::OpenWindow: break;
  }
  return {std::nullopt, line.path, line.encoding, line.compareWith};
}

namespace {

// While the toolkit starts: its own words on a display it cannot reach are
// kept back, and its fatal error becomes the program's message.
void whileStarting(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtFatalMsg) return;
  const QByteArray display = qgetenv(qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "DISPLAY" : "WAYLAND_DISPLAY");
  runtime::writeUtf8(stderr,
                     "speechviewer: the window cannot be shown: the display \"" + display.toStdString() +
                         "\" cannot be reached.\nTo list a speech file on the terminal, use: speechlist PATH\n");
  std::_Exit(1);
}

}  // namespace

std::unique_ptr<QApplication> startToolkit(int& argc, char** argv) {
  const QtMessageHandler before = qInstallMessageHandler(whileStarting);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(before);
  return application;
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
