// Prints what Find folds each character to, for case_folding_test.py to check
// against Python's own case folding, one character a line in hexadecimal:
//
//   CODE_PAGE CHARACTER FOLDED
//
// first every character of each code page (each byte, then each byte pair
// after a lead byte, read through the program's own conversion tables), then,
// as 65001, every other character of Unicode that folds to another.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "runtime/encoding.h"
#include "runtime/text.h"
#include "runtime/utf8.h"
#include "ui/common/find_line.h"

namespace {

// The one character the bytes convert to; none for U+FFFD (a lead byte alone,
// or no character) and for more than one.
std::optional<char32_t> characterOf(const std::vector<std::uint8_t>& bytes, runtime::Encoding encoding) {
  std::string out(runtime::maxAnsiTextSize(bytes.size()), '\0');
  out.resize(runtime::writeAnsiText(out.data(), bytes, encoding, runtime::UndefinedBytes::AsWindowsGives) - out.data());
  const runtime::Utf8Character c = runtime::decodeUtf8(out, 0);
  if (!c.valid || c.length != out.size() || c.value == 0xFFFD) return std::nullopt;
  return c.value;
}

void print(unsigned codePage, char32_t c) {
  std::printf("%u %X %X\n", codePage, static_cast<unsigned>(c), static_cast<unsigned>(ui::foldCase(c)));
}

}  // namespace

int main() {
  for (const runtime::Encoding encoding : runtime::Encoding::all()) {
    if (encoding.isUtf8()) continue;
    for (unsigned byte = 0; byte < 256; ++byte) {
      const std::vector<std::uint8_t> single{static_cast<std::uint8_t>(byte)};
      if (const auto c = characterOf(single, encoding)) {
        print(encoding.codePage(), *c);
        continue;
      }
      for (unsigned second = 0; second < 256; ++second) {
        const std::vector<std::uint8_t> pair{static_cast<std::uint8_t>(byte), static_cast<std::uint8_t>(second)};
        if (const auto c = characterOf(pair, encoding)) print(encoding.codePage(), *c);
      }
    }
  }
  for (char32_t c = 0; c < 0x110000; ++c) {
    if (ui::foldCase(c) != c) print(runtime::Encoding::kUtf8, c);
  }
  return std::ferror(stdout) ? 1 : 0;
}
