// The viewer's command line: speechviewer.exe [--] [PATH], --help (or /?),
// --version. With a PATH the window starts with it in the path field and
// lists it, which is what "Open with" and a file dropped on the program
// give. The program has no console, so usage, version and mistakes are told
// in a message box.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace win32 {

struct CommandLine {
  enum class Action { OpenWindow, ShowUsage, ShowVersion, Refuse };
  Action action = Action::OpenWindow;
  std::optional<std::wstring> path;  // with OpenWindow: the file to list at once
  std::wstring problem;              // with Refuse: what is wrong, in a sentence
};

// Reads the arguments after the program's name.
CommandLine readCommandLine(const std::vector<std::wstring>& arguments);

// The arguments after the program's name, from the process's wide command
// line, so that a name in any script arrives as it was given.
std::vector<std::wstring> processArguments();

// Shows what a command line other than OpenWindow asks for in a message box
// and returns the program's exit status: 0 for usage and version, 2 for a
// refused command line.
int answerCommandLine(const CommandLine& line);

}  // namespace win32
