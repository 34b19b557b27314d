#include "listing/shown_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_files.h"

using namespace std::string_literals;

namespace {

TEST(ShownText, MakesEveryControlCharacterVisibleAndKeepsTheRest) {
  const struct {
    std::string text, shown;
  } cases[] = {
      {"hail", "hail"},
      {"caf\u00E9 \u20AC \u00A0\u00BF", "caf\u00E9 \u20AC \u00A0\u00BF"},  // U+00A0 and up are not controls
      {"a\0b"s, "a\u2400b"},
      {"\t\n\r", "\u2409\u240A\u240D"},
      {"\x1B]0;title\x07", "\u241B]0;title\u2407"},
      {"\x1F\x7F", "\u241F\u2421"},
      {"\u0080\u0081\u009F", "\u203980\u203A\u203981\u203A\u20399F\u203A"},
      {"\u2400", "\u2400"},  // a text that holds the picture itself keeps it
      // Bytes that are not valid UTF-8 (a file name's, say) show their value
      // and never swallow what follows; \x9B would be CSI on a terminal.
      {"\x9B"
       "2J.mul",
       "\u20399B\u203A2J.mul"},
      {"a\xFF\xFE"
       "b",
       "a\u2039FF\u203A\u2039FE\u203Ab"},
      {"\xE2\x82"
       "x\xC3",
       "\u2039E2\u203A\u203982\u203Ax\u2039C3\u203A"},
  };
  for (const auto& c : cases) EXPECT_EQ(listing::shownText(c.text), c.shown) << c.text;
}

TEST(ShownText, FindsAControlCharacterAtEveryPosition) {
  // The search reads eight bytes at a time: put the character at every place
  // in and around a word, and next to other multi-byte letters.
  for (const std::string& control : {"\0"s, "\x1F"s, "\x7F"s, "\u0085"s, "\u009F"s}) {
    for (std::size_t at = 0; at <= 20; ++at) {
      std::string text = "abcdefgh\u00E9ijklmnopq";
      text.insert(std::min(at, text.size()), control);
      EXPECT_TRUE(listing::changesWhenShown(text)) << at;
    }
  }
  EXPECT_FALSE(listing::changesWhenShown("abcdefgh\u00C2\u00A0\u00C0ijklmnopq \u20AC~"));
  EXPECT_FALSE(listing::changesWhenShown(""));
}

// In every encoding: the conversion with undefined bytes as signs, then
// shown, in one pass.
TEST(ShownText, FromTheEncodingInOnePassIsTheConversionShown) {
  std::vector<std::uint8_t> every;
  for (int b = 0; b < 256; ++b) every.push_back(static_cast<std::uint8_t>(b));
  for (const runtime::Encoding encoding : runtime::Encoding::all()) {
    for (std::size_t length = 0; length <= every.size(); length += 37) {
      for (std::size_t start = 0; start + length <= every.size(); start += 53) {
        const std::span<const std::uint8_t> bytes = std::span(every).subspan(start, length);
        std::string out(listing::maxShownAnsiTextSize(length) + 8, '\0');
        out.resize(static_cast<std::size_t>(listing::writeShownAnsiText(out.data(), bytes, encoding) - out.data()));
        EXPECT_EQ(out, listing::shownText(testing_support::ansiText(bytes, encoding, runtime::UndefinedBytes::AsSigns)))
            << encoding.name() << " " << start << "+" << length;
      }
    }
  }
}

TEST(ShownText, NamesEachControlCharacter) {
  EXPECT_EQ(listing::controlName(0x00), "NUL");
  EXPECT_EQ(listing::controlName(0x09), "TAB");
  EXPECT_EQ(listing::controlName(0x0A), "LF");
  EXPECT_EQ(listing::controlName(0x0D), "CR");
  EXPECT_EQ(listing::controlName(0x1B), "ESC");
  EXPECT_EQ(listing::controlName(0x7F), "DEL");
  EXPECT_EQ(listing::controlName(0x81), "81");
}

TEST(ShownText, ConvertsToUtf16) {
  EXPECT_EQ(listing::toUtf16("a\u00E9\u20AC\U0001F600"), u"a\u00E9\u20AC\U0001F600");
  EXPECT_EQ(listing::toUtf16("a\0b"s), u"a\0b"s);
}

}  // namespace
