#include "runtime/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "listing/shown_text.h"
#include "runtime/errors.h"
#include "runtime/utf8.h"
#include "support/test_files.h"

using namespace std::string_literals;

namespace {

TEST(HexText, UpperCaseWithoutLeadingZerosOverTheWhole16BitPattern) {
  const struct {
    std::int16_t value;
    const char* text;
  } cases[] = {
      {0, "0"},         {1, "1"},         {10, "A"},        {42, "2A"},       {0xF0, "F0"},
      {0x0100, "100"},  {0x0FFF, "FFF"},  {0x1000, "1000"}, {0x1234, "1234"}, {32767, "7FFF"},
      {-32768, "8000"}, {-32767, "8001"}, {-256, "FF00"},   {-1, "FFFF"},
  };
  for (const auto& c : cases) EXPECT_EQ(runtime::hexText(c.value), c.text) << c.value;
}

// Messages name a path whole up to 100 characters as shown; a longer one
// keeps its first 39 and last 60 around an ellipsis, and says so.
TEST(QuotedPath, AVeryLongPathKeepsItsStartAndEndAndSaysItWasShortened) {
  const auto repeated = [](const std::string& part, std::size_t times) {
    std::string all;
    for (std::size_t i = 0; i < times; ++i) all += part;
    return all;
  };
  const std::string zhe = "\u0416";  // two bytes, one character
  const std::string folder = repeated("d", 30'000 - 19);
  const struct {
    std::string path, quoted;
  } cases[] = {
      {"/data/speech.mul", "\"/data/speech.mul\""},
      {repeated("a", 96) + ".mul", "\"" + repeated("a", 96) + ".mul\""},
      {repeated("a", 97) + ".mul",
       "\"" + repeated("a", 39) + "\u2026" + repeated("a", 56) + ".mul\" (shortened from 101 characters)"},
      {"/home/u/" + folder + "/speech.mul", "\"/home/u/" + repeated("d", 31) + "\u2026" + repeated("d", 49) +
                                                "/speech.mul\" (shortened from 30,000 characters)"},
      {repeated(zhe, 100), "\"" + repeated(zhe, 100) + "\""},  // 200 bytes, 100 characters
      {repeated(zhe, 150),
       "\"" + repeated(zhe, 39) + "\u2026" + repeated(zhe, 60) + "\" (shortened from 150 characters)"},
#ifndef _WIN32
      // A byte that is not UTF-8 shows as four ("‹FF›"), and is kept whole.
      {repeated("\xFF", 30),
       "\"" + repeated("\xFF", 9) + "\u2026" + repeated("\xFF", 15) + "\" (shortened from 120 characters)"},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.substr(0, 40));
    EXPECT_EQ(runtime::quotedPath(testing_support::pathFromUtf8(c.path)), c.quoted);
  }
}

// Decodes one UTF-8 sequence; the test's own decoder, independent of the
// encoder under test.
char32_t decodeSingle(const std::string& utf8, std::size_t& length) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(utf8.at(i)); };
  if (b(0) < 0x80) return length = 1, b(0);
  if ((b(0) & 0xE0) == 0xC0) return length = 2, ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
  length = 3;
  return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
}

TEST(Windows1252, EveryByteConvertsToItsCodePoint) {
  // 0x80..0x9F as Windows converts them; every other byte keeps its value.
  const char32_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                             0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                             0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  for (int byte = 0; byte < 256; ++byte) {
    const std::uint8_t input[] = {static_cast<std::uint8_t>(byte)};
    const std::string out = testing_support::windows1252Text(input);
    std::size_t length = 0;
    const char32_t expected = (byte >= 0x80 && byte <= 0x9F) ? high[byte - 0x80] : static_cast<char32_t>(byte);
    EXPECT_EQ(decodeSingle(out, length), expected) << "byte " << byte;
    EXPECT_EQ(length, out.size()) << "byte " << byte;
  }
}

TEST(Windows1252, ConvertsABlockWithNothingTrimmedOrDropped) {
  const std::vector<std::uint8_t> bytes = {'c', 'a', 'f', 0xE9, 0x00, 'x', 0x80, ' ', ' '};
  EXPECT_EQ(testing_support::windows1252Text(bytes), "caf\xC3\xA9\0x\xE2\x82\xAC  "s);
}

TEST(Windows1252, EmptyBlockGivesNothing) { EXPECT_EQ(testing_support::windows1252Text({}), ""); }

#ifdef _WIN32
// The system's ANSI code page decides; test-windows runs this under several.
TEST(AnsiText, FollowsTheSystemCodePage) {
  const char* codePage = std::getenv("SPEECH_EXPECTED_CODE_PAGE");
  if (!codePage) GTEST_SKIP() << "SPEECH_EXPECTED_CODE_PAGE is not set";
  const std::uint8_t bytes[] = {0xC0, 0xE9, 0x80, 'a', 0x00};
  const std::string out = testing_support::ansiText(bytes);
  if (std::string(codePage) == "1252") {
    EXPECT_EQ(out,
              "\xC3\x80\xC3\xA9\xE2\x82\xAC"
              "a\0"s);  // À é € a NUL
  } else if (std::string(codePage) == "1251") {
    EXPECT_EQ(out,
              "\xD0\x90\xD0\xB9\xD0\x82"
              "a\0"s);  // А й Ђ a NUL
  } else if (std::string(codePage) == "932") {
    EXPECT_EQ(out,
              "\uFF80\u9A3E"
              "a\0"s);  // a half-width letter, then a pair
  } else {
    FAIL() << "no expectation for code page " << codePage;
  }
}
#else
// The tests run under the locale C.UTF-8, whose language has no code page
// of its own.
TEST(AnsiText, IsWindows1252OffWindowsForALanguageWithoutItsOwnCodePage) {
  const std::uint8_t bytes[] = {0xE9, 0x9F};
  EXPECT_EQ(testing_support::ansiText(bytes), "\xC3\xA9\xC5\xB8");
}
#endif

// Every reader of UTF-8 goes through one decoder: a byte that does not
// start a whole, valid character is read alone and never swallows the next.
TEST(Utf8, DecodesWholeCharactersAndReadsAnyOtherByteAlone) {
  const struct {
    std::string text;
    char32_t value;
    std::size_t length;
    bool valid;
  } cases[] = {
      {"a", 'a', 1, true},
      {"\xC3\xA9", 0xE9, 2, true},
      {"\xE2\x82\xAC", 0x20AC, 3, true},
      {"\xF0\x9F\x98\x80", 0x1F600, 4, true},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4, true},
      {"\xC3", 0xC3, 1, false},  // cut off by the end
      {"\xE2\x82", 0xE2, 1, false},
      {"\xE2\x82"
       "a",
       0xE2, 1, false},              // cut off by the next character
      {"\x80", 0x80, 1, false},      // a stray continuation byte
      {"\xC0\x80", 0xC0, 1, false},  // overlong
      {"\xE0\x80\x80", 0xE0, 1, false},
      {"\xED\xA0\x80", 0xED, 1, false},      // a surrogate
      {"\xF4\x90\x80\x80", 0xF4, 1, false},  // past U+10FFFF
      {"\xFF", 0xFF, 1, false},
  };
  for (const auto& c : cases) {
    const runtime::Utf8Character d = runtime::decodeUtf8(c.text, 0);
    EXPECT_EQ(d.value, c.value) << c.text;
    EXPECT_EQ(d.length, c.length) << c.text;
    EXPECT_EQ(d.valid, c.valid) << c.text;
  }
  EXPECT_EQ(listing::toUtf16("a\xC3"
                             "b\xE2\x82\xAC"),
            u"a\uFFFDb\u20AC");
}

}  // namespace
