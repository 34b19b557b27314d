#include "ui/qt/command_line.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/platform.h"
#include "ui/common/shown_text.h"

namespace {

constexpr std::string_view kUsage =
    "usage: speechviewer [--] [PATH]\n"
    "       speechviewer --help | --version\n"
    "\n"
    "Opens the speech file viewer. With a PATH, the window starts with it in\n"
    "the path field and lists the file at once, as if Get had been clicked.\n"
    "Give \"--\" before a PATH that starts with '-'. The file is only read,\n"
    "never written. To list a file on the terminal, use speechlist.\n";

// The argument as the path field holds it: on POSIX, the bytes decoded as Qt
// decodes file names, so that the field's text encodes back to them.
QString fieldText(const std::filesystem::path& path) {
#ifdef _WIN32
  return QString::fromStdWString(path.native());
#else
  return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

// Printed as it would be shown: a control character in an argument does not
// act on the terminal.
std::string shown(const QString& text) { return ui::shownText(text.toStdString()); }

int printRequested(std::string_view text) {
  if (runtime::writeUtf8(stdout, text) && std::fflush(stdout) == 0) return 0;
  runtime::writeUtf8(stderr, std::string("speechviewer: cannot write to standard output: ") +
                                 std::strerror(errno ? errno : EIO) + ".\n");
  return 1;
}

int usageError(std::string_view problem) {
  runtime::writeUtf8(stderr, "speechviewer: " + std::string(problem) + "\n");
  runtime::writeUtf8(stderr, kUsage);
  return 2;
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
  CommandLine line;
  bool optionsEnded = false;
  for (const std::filesystem::path& arg : runtime::commandLineArguments(argc, argv)) {
    const QString text = fieldText(arg);
    if (optionsEnded || text.size() < 2 || !text.startsWith(QLatin1Char('-'))) {
      if (line.path) return {usageError("too many arguments: give one PATH"), {}};
      line.path = text;
    } else if (text == QLatin1String("--")) {
      optionsEnded = true;
    } else if (text == QLatin1String("--help") || text == QLatin1String("-h")) {
      return {printRequested(kUsage), {}};
    } else if (text == QLatin1String("--version")) {
      return {printRequested("speechviewer " SPEECH_VERSION "\n"
                             "Copyright (c) 2026 the speech file viewer authors; MIT licence.\n"),
              {}};
    } else {
      return {usageError("unknown option '" + shown(text) + "'"), {}};
    }
  }
  return line;
}

bool displayAvailable() {
#if defined(_WIN32) || defined(__APPLE__)
  return true;
#else
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (!qEnvironmentVariableIsEmpty(name)) return true;
  }
  runtime::writeUtf8(stderr,
                     "speechviewer: there is no display to show the window on (DISPLAY is not set).\n"
                     "To list a speech file on the terminal, use: speechlist PATH\n");
  return false;
#endif
}
