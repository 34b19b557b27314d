// What the runtime needs from the operating system beyond opening files
// (byte_source.h): the program's arguments and its standard streams as
// UTF-8, and on Windows the system's ANSI code page.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace runtime {

// The program's arguments after its name, as UTF-8. On Windows they are
// taken from the wide command line, so that any path can be given.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Prepares standard output for UTF-8 bytes: on Windows, binary mode, so that
// "\n" is written as it is.
void prepareStandardOutput();

// Writes UTF-8 text to `stream` (stdout or stderr). A Windows console gets it
// as Unicode whatever its code page; files and pipes get the UTF-8 bytes.
// Returns false when the write failed.
bool writeUtf8(std::FILE* stream, std::string_view text);

#ifdef _WIN32
// Writes `bytes` converted from the system's ANSI code page as UTF-8 at
// `out`, which has room for three bytes per input byte and one more; returns
// the end.
char* writeSystemAnsiText(char* out, std::span<const std::uint8_t> bytes);
#endif

}  // namespace runtime
