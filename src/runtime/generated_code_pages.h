// The code pages' conversion as tables, made at build time by
// make_code_page_tables (code_page_tables.cpp in the build folder): what
// Windows gives for each byte and each byte pair. Used where the system has
// no conversion of its own that matches Windows'.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace runtime::generated {

struct CodePage {
  unsigned number;
  const char16_t* single;      // 256 units: each byte on its own (0 for a lead byte)
  std::uint64_t leadBytes[4];  // bit b % 64 of word b / 64: b is a lead byte
  const char16_t* pairs;       // 256 units for each lead byte, ascending: 0 where no character
  // For each character that more than one byte or pair converts to, the
  // bytes it converts back to: character << 16 | bytes (a byte, or lead
  // byte * 256 + second byte).
  const std::uint32_t* preferred;
  std::size_t preferredCount;
};

extern const std::span<const CodePage> kCodePages;

}  // namespace runtime::generated
