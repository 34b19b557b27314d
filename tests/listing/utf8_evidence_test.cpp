// The weighing of texts as UTF-8 agrees with the one reading of UTF-8 the
// rest of the program uses, on every sequence of up to three bytes and on
// four-byte ones around each boundary.
#include "listing/utf8_evidence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/utf8.h"

namespace {

bool validByTheReader(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const runtime::Utf8Character c = runtime::decodeUtf8(text, at);
    if (!c.valid) return false;
    at += c.length;
  }
  return true;
}

bool looksLikeUtf8(std::string_view text) {
  listing::Utf8Evidence evidence;
  evidence.see({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  return evidence.looksLikeUtf8();
}

TEST(Utf8Evidence, AgreesWithTheReaderOnEverySequence) {
  const std::vector<unsigned> edges = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xF5, 0xFF};
  std::size_t disagreements = 0;
  std::string text;
  const auto check = [&](std::string_view bytes) {
    // After eight ASCII bytes too, where the weighing passes over words.
    for (const std::string_view before : {"", "abcdefgh"}) {
      text.assign(before);
      text.append(bytes);
      const bool beyondAscii = std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; });
      if (looksLikeUtf8(text) != (validByTheReader(text) && beyondAscii) && ++disagreements < 10) {
        ADD_FAILURE() << "disagree on " << testing::PrintToString(std::vector<unsigned char>(text.begin(), text.end()));
      }
    }
  };
  for (unsigned a = 0; a < 256; ++a) {
    check(std::string{char(a)});
    for (unsigned b = 0; b < 256; ++b) {
      check(std::string{char(a), char(b)});
      if (a < 0xE0 || a > 0xEF) continue;
      for (unsigned c = 0; c < 256; ++c) check(std::string{char(a), char(b), char(c)});
    }
  }
  for (unsigned a = 0xF0; a <= 0xF7; ++a) {
    for (unsigned b = 0x80; b <= 0xBF; ++b) {
      for (const unsigned c : edges) {
        for (const unsigned d : edges) check(std::string{char(a), char(b), char(c), char(d)});
      }
    }
  }
  EXPECT_EQ(disagreements, 0u);
}

// One invalid text settles it, whatever follows; ASCII alone says nothing.
TEST(Utf8Evidence, OneInvalidTextSettlesItAndAsciiAloneSaysNothing) {
  const struct {
    std::vector<std::string> texts;
    bool looksLikeUtf8;
  } cases[] = {
      {{}, false},
      {{"plain", "ascii"}, false},
      {{"plain", "caf\xC3\xA9"}, true},
      {{"caf\xE9", "caf\xC3\xA9"}, false},
      {{"caf\xC3\xA9", "\xC3"}, false},  // cut off
  };
  for (const auto& c : cases) {
    listing::Utf8Evidence evidence;
    for (const std::string& t : c.texts) evidence.see({reinterpret_cast<const std::uint8_t*>(t.data()), t.size()});
    EXPECT_EQ(evidence.looksLikeUtf8(), c.looksLikeUtf8) << testing::PrintToString(c.texts);
  }
}

}  // namespace
