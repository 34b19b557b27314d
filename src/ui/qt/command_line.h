// The viewer's command line on Linux: read with the session's grammar, and
// answered on the terminal before any window exists, so that --help and a
// wrong argument work without a display.
#pragma once

#include <QApplication>
#include <filesystem>
#include <memory>
#include <optional>

#include <optional>
#include "runtime/encoding.h"

struct CommandLine {
  // Set when the program ends at once with this status: after --help or
  // --version (0, or 1 when the text could not be written) or after a wrong
  // argument (2, with a message on standard error).
  std::optional<int> exitStatus;
  // The speech file to list at start.
  std::optional<std::filesystem::path> path;
  // The encoding --encoding chose; none for the system default.
  std::optional<runtime::Encoding> encoding;
  // --compare's OLD file, to compare `path` with at start.
  std::optional<std::filesystem::path> compareWith;
};

// Reads the arguments after the program's name, and prints the usage, the
// version or what is wrong.
CommandLine readCommandLine(int argc, char** argv);

// Whether there is a display to show the window on; says so on standard
// error when there is none, instead of the toolkit's abort.
bool displayAvailable();

// Starts the toolkit on the display. Where the display is set but cannot be
// reached, says so on standard error, pointing to speechlist, and ends the
// program with status 1, in place of the toolkit's abort.
std::unique_ptr<QApplication> startToolkit(int& argc, char** argv);
