// What the runtime needs from the operating system beyond opening files
// (byte_source.h). Windows only: elsewhere the runtime uses Windows-1252.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace runtime {

#ifdef _WIN32
// Writes `bytes` converted from the system's ANSI code page as UTF-8 at
// `out`, which has room for three bytes per input byte; returns the end.
char* writeSystemAnsiText(char* out, std::span<const std::uint8_t> bytes);
#endif

}  // namespace runtime
