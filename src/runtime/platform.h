// What the runtime needs from the operating system beyond opening files
// (byte_source.h). Windows only: elsewhere the runtime uses Windows-1252.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace runtime {

#ifdef _WIN32
// Appends `bytes` converted from the system's ANSI code page as UTF-8.
void appendSystemAnsiText(std::string& out, std::span<const std::uint8_t> bytes);
#endif

}  // namespace runtime
