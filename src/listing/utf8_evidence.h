// Whether the texts of a file look like UTF-8 rather than a code page: every
// text is valid UTF-8 and at least one holds a character of two or more
// bytes. Texts of plain ASCII say nothing either way, and a code page's
// texts are seldom valid UTF-8 once they hold a letter outside ASCII.
// Gathered as the texts are read, so that it costs no pass of its own.
#pragma once

#include <cstdint>
#include <span>

namespace listing {

class Utf8Evidence {
 public:
  // Takes the next text into account.
  void see(std::span<const std::uint8_t> text);
  // Whether every text seen is valid UTF-8 and one at least is not ASCII.
  bool looksLikeUtf8() const { return valid_ && beyondAscii_; }

 private:
  bool valid_ = true;
  bool beyondAscii_ = false;
};

}  // namespace listing
