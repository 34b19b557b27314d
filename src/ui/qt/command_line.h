// The viewer's command line: speechviewer [--] [PATH], --help, --version.
#pragma once

#include <QString>
#include <optional>

struct CommandLine {
  // Set when the program ends at once with this status: after --help or
  // --version (0, or 1 when the text could not be written) or after a wrong
  // argument (2, with a message on standard error).
  std::optional<int> exitStatus;
  // The speech file to list at start, as the path field shows it.
  std::optional<QString> path;
};

// Reads the arguments after the program's name. Prints the usage, the version
// or what is wrong itself, before any window exists, so that it works
// without a display.
CommandLine readCommandLine(int argc, char** argv);

// Whether there is a display to show the window on; says so on standard
// error when there is none, instead of the toolkit's abort.
bool displayAvailable();
