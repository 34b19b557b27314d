// The conversion of texts from every encoding: one table of texts, each
// converted exactly (csv, json), with undefined bytes as signs (the list's
// lines) and in its shown form. The same table runs under Windows, where the
// conversion comes from the system's own, so that both agree.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "listing/shown_text.h"
#include "runtime/encoding.h"
#include "runtime/text.h"
#include "runtime/utf8.h"
#include "support/test_files.h"
#ifdef _WIN32
#include <windows.h>

#include "runtime/generated_code_pages.h"
#include "runtime/platform.h"
#endif

using namespace std::string_literals;

namespace {

using runtime::Encoding;
using runtime::UndefinedBytes;
using testing_support::Bytes;

Encoding encoding(unsigned codePage) { return *Encoding::fromCodePage(codePage); }

Bytes bytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

std::string exact(const Bytes& text, Encoding e) {
  return testing_support::ansiText(text, e, UndefinedBytes::AsWindowsGives);
}
std::string withSigns(const Bytes& text, Encoding e) {
  return testing_support::ansiText(text, e, UndefinedBytes::AsSigns);
}
std::string shown(const Bytes& text, Encoding e, bool padded = false) {
  Bytes input(text);
  input.resize(text.size() + 16, 0x82);  // what follows must not show, nor pair with a lead byte
  std::string out(listing::maxShownAnsiTextSize(text.size()) + 16, '\0');
  const std::span<const std::uint8_t> view = std::span(input).first(text.size());
  char* end = padded ? listing::writeShownAnsiTextPadded(out.data(), view, e)
                     : listing::writeShownAnsiText(out.data(), view, e);
  out.resize(static_cast<std::size_t>(end - out.data()));
  return out;
}

struct Text {
  unsigned codePage;
  std::string bytes;
  std::string exact;      // as Windows converts it, U+FFFD where Windows versions differ
  std::string withSigns;  // "" when the same as exact
};

// Characters of each code page, the bytes it leaves undefined (shown as
// signs; Windows maps them to the C1 control of their value or into the
// private use area), and for the double-byte ones their user-defined
// characters and lead bytes without a second byte: at the end, before a
// byte that is no second byte, before a control character.
const std::vector<Text> kTexts = {
    {874, "\xCA\xC7\xD1\xCA\xB4\xD5 ok", "\u0E2A\u0E27\u0E31\u0E2A\u0E14\u0E35 ok", ""},
    {874, "\xDB\x81", "\uF8C1\u0081", "\u2039DB\u203A\u0081"},
    {932, "\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD", "\u3053\u3093\u306B\u3061\u306F", ""},
    {932, "\xB6\x5C\x83\x41\x88\x9F\x82\x82", "\uFF76\\\u30A2\u4E9C\uFF42", ""},
    {932, "\xF0\x40\xF9\xFC", "\uE000\uE757", ""},
    {932, "\x80\xA0\xFD\xFE\xFF", "\u0080\uF8F0\uF8F1\uF8F2\uF8F3",
     "\u0080\u2039A0\u203A\u2039FD\u203A\u2039FE\u203A\u2039FF\u203A"},
    {932, "\x82\x20\x82\x0A\x81\x7F\x82", "\uFFFD \uFFFD\n\uFFFD\x7F\uFFFD",
     "\u203982\u203A \u203982\u203A\n\u203981\u203A\x7F\u203982\u203A"},
    {936, "\xC4\xE3\xBA\xC3\x80", "\u4F60\u597D\u20AC", ""},
    {936, "\xAA\xA1\xA1\x40\xA2\xE3\xFE\xFE", "\uE000\uE4C6\uE76C\uE4C5", ""},
    {936, "\xFF\xC4", "\uF8F5\uFFFD", "\u2039FF\u203A\u2039C4\u203A"},
    {949, "\xBE\xC8\xB3\xE7\x81\x41", "\uC548\uB155\uAC02", ""},
    {949, "\xC9\xA1\xFE\xFE\x80", "\uE000\uE0BB\u0080", ""},
    {949, "\xB0\x2C", "\uFFFD,", "\u2039B0\u203A,"},
    {950, "\xA7\x41\xA6\x6E\xF9\xF9", "\u4F60\u597D\u2550", ""},
    {950, "\xC6\xA1\x81\x40\xFE\xFE", "\uF6B1\uEEB8\uE310", ""},
    {950, "\xA3\xC0\xFF", "\uFFFD\uFFFD\uF8F8", "\u2039A3\u203A\u2039C0\u203A\u2039FF\u203A"},
    {1250, "Za\xBF\xF3\xB3\xE6 \x81", "Za\u017C\u00F3\u0142\u0107 \u0081", ""},
    {1251, "\xCF\xF0\xE8\xE2\xE5\xF2\x98", "\u041F\u0440\u0438\u0432\u0435\u0442\u0098", ""},
    {1252, "caf\xE9 \x80\x9F\x8D", "caf\u00E9 \u20AC\u0178\u008D", ""},
    {1252, "a\0\x1F\x7F\x81 "s, "a\0\x1F\x7F\u0081 "s, ""},
    {1253, "\xC3\xE5\xE9\xDC\xAA", "\u0393\u03B5\u03B9\u03AC\uF8F9", "\u0393\u03B5\u03B9\u03AC\u2039AA\u203A"},
    {1254, "\xDD\xF0\xFE\xFD", "\u0130\u011F\u015F\u0131", ""},
    {1255, "\xF9\xEC\xE5\xED\xCA\xD9", "\u05E9\u05DC\u05D5\u05DD\u05BA\uF88D",
     "\u05E9\u05DC\u05D5\u05DD\u05BA\u2039D9\u203A"},
    {1256, "\xE3\xD1\xCD\xC8\xC7", "\u0645\u0631\u062D\u0628\u0627", ""},
    {1257, "\xC0\xE8\xEB\xE1\xF0\xA1", "\u0104\u010D\u0117\u012F\u0161\uF8FC",
     "\u0104\u010D\u0117\u012F\u0161\u2039A1\u203A"},
    // A letter and a combining mark stay two characters, as Windows gives them.
    {1258, "Vi\xEA\xF2t", "Vi\u00EA\u0323t", ""},
    {65001, "h\xC3\xA9llo \xE2\x9C\x93 \xF0\x9F\x98\x80", "h\u00E9llo \u2713 \U0001F600", ""},
    {65001, "\xC2\x85\xC3(\xED\xA0\x80\xC3", "\u0085\uFFFD(\uFFFD\uFFFD\uFFFD\uFFFD",
     "\u0085\u2039C3\u203A(\u2039ED\u203A\u2039A0\u203A\u203980\u203A\u2039C3\u203A"},
};

TEST(CodePages, EachConvertsItsTextsAsWindowsDoes) {
  for (const Text& t : kTexts) {
    const Encoding e = encoding(t.codePage);
    const std::string signs = t.withSigns.empty() ? t.exact : t.withSigns;
    EXPECT_EQ(exact(bytes(t.bytes), e), t.exact) << t.codePage << ": " << t.exact;
    EXPECT_EQ(withSigns(bytes(t.bytes), e), signs) << t.codePage << ": " << t.exact;
    EXPECT_EQ(shown(bytes(t.bytes), e), listing::shownText(signs)) << t.codePage << ": " << t.exact;
  }
}

// Whatever the surroundings of a text, and wherever it stands in the blocks
// of sixteen bytes that the conversion reads at once, it converts the same.
TEST(CodePages, ATextConvertsTheSameWhereverItStands) {
  for (const Text& t : kTexts) {
    const Encoding e = encoding(t.codePage);
    const std::string signs = t.withSigns.empty() ? t.exact : t.withSigns;
    for (std::size_t before = 0; before <= 17; ++before) {
      // Digits after: no code page takes one for the second byte of a pair.
      for (std::size_t after = 0; after <= 17; after += 3) {
        const std::string pre(before, 'x'), post = std::string("0123456789012345678").substr(0, after);
        const Bytes text = bytes(pre + t.bytes + post);
        ASSERT_EQ(exact(text, e), pre + t.exact + post) << t.codePage << " " << before << " " << after;
        ASSERT_EQ(withSigns(text, e), pre + signs + post) << t.codePage << " " << before << " " << after;
        const std::string expectedShown = listing::shownText(pre + signs + post);
        ASSERT_EQ(shown(text, e), expectedShown) << t.codePage << " " << before << " " << after;
        ASSERT_EQ(shown(text, e, true), expectedShown) << t.codePage << " padded " << before << " " << after;
      }
    }
  }
}

// Every byte of every code page alone, and every pair a lead byte starts:
// one character, or (for a byte the code page leaves undefined, and a lead
// byte without its pair) the byte's sign, after which the next byte is read
// on its own. No character is a control that its shown form would not show.
TEST(CodePages, EveryByteAndPairIsOneCharacterOrSignsThatSwallowNothing) {
  const auto sign = [](int byte) {
    char out[runtime::kByteSignSize];
    return std::string(out, runtime::writeByteSign(out, static_cast<std::uint8_t>(byte)));
  };
  const auto oneCharacter = [](const std::string& utf8) {
    const runtime::Utf8Character c = runtime::decodeUtf8(utf8, 0);
    return c.valid && c.length == utf8.size();
  };
  for (const Encoding e : Encoding::all()) {
    if (e.isUtf8()) continue;
    std::vector<std::string> single(256);
    std::vector<bool> lead(256);
    for (int b = 0; b < 256; ++b) {
      const Bytes text = {static_cast<std::uint8_t>(b)};
      single[b] = withSigns(text, e);
      lead[b] = exact(text, e) == "\uFFFD";
      ASSERT_TRUE(oneCharacter(single[b]) || single[b] == sign(b)) << e.codePage() << " " << b;
      ASSERT_TRUE(oneCharacter(exact(text, e))) << e.codePage() << " " << b;
    }
    int pairs = 0;
    for (int first = 0; first < 256; ++first) {
      if (!lead[first]) continue;
      for (int second = 0; second < 256; ++second) {
        const Bytes text = {static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(second)};
        const std::string line = withSigns(text, e);
        if (oneCharacter(line)) {
          ++pairs;
          const char32_t c = runtime::decodeUtf8(line, 0).value;
          ASSERT_GE(c, 0xA0u) << e.codePage() << " " << first << " " << second;
          ASSERT_EQ(exact(text, e), line);
        } else {
          ASSERT_EQ(line, sign(first) + single[second]) << e.codePage() << " " << first << " " << second;
          ASSERT_EQ(exact(text, e), "\uFFFD" + exact(Bytes{text[1]}, e)) << e.codePage() << " " << first;
        }
      }
    }
    EXPECT_EQ(pairs > 0, e.codePage() >= 932 && e.codePage() <= 950) << e.codePage();
  }
}

// ---- The conversion back

std::optional<Bytes> encoded(std::string_view utf8, Encoding e) {
  Bytes out = {0xEE};  // what was there before stays
  if (runtime::encodeText(utf8, e, out)) {
    EXPECT_EQ(out, Bytes{0xEE}) << "a refused text was partly appended";
    return std::nullopt;
  }
  EXPECT_EQ(out.front(), 0xEE);
  return Bytes(out.begin() + 1, out.end());
}

// Every byte and every pair of every code page converts back to itself, or,
// where it converts to U+FFFD (a lead byte alone) or to a character that
// another pair converts to as well, is known not to: its character then goes
// back to the bytes Windows gives it, which convert to the same character.
TEST(CodePages, EveryByteAndPairConvertsBackToItselfOrToTheBytesWindowsGivesItsCharacter) {
  for (const Encoding e : Encoding::all()) {
    if (e.isUtf8()) continue;
    std::vector<Bytes> units;
    for (int b = 0; b < 256; ++b) units.push_back({static_cast<std::uint8_t>(b)});
    for (int lead = 0x81; lead < 0xFF; ++lead) {
      if (exact(Bytes{static_cast<std::uint8_t>(lead)}, e) != "\uFFFD") continue;
      for (int second = 0; second < 256; ++second) {
        const Bytes pair = {static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(second)};
        if (runtime::decodeUtf8(exact(pair, e), 0).length == exact(pair, e).size()) units.push_back(pair);
      }
    }
    int elsewhere = 0;
    for (const Bytes& unit : units) {
      const std::string text = exact(unit, e);
      const std::optional<Bytes> back = encoded(text, e);
      const bool same = back == unit;
      ASSERT_EQ(runtime::convertsBack(unit, e), same) << e.codePage() << " " << testing::PrintToString(unit);
      if (text == "\uFFFD") {
        ASSERT_FALSE(back) << e.codePage();
      } else if (!same) {
        ++elsewhere;
        ASSERT_TRUE(back) << e.codePage() << " " << testing::PrintToString(unit);
        ASSERT_EQ(exact(*back, e), text) << e.codePage() << " " << testing::PrintToString(unit);
      }
    }
    // 932's second copies of its extension characters and some of its row
    // 13 (398 pairs for 396 characters), and ten pairs of 950, give characters that other
    // pairs give too.
    EXPECT_EQ(elsewhere, e.codePage() == 932 ? 398 : e.codePage() == 950 ? 10 : 0) << e.codePage();
  }
}

TEST(CodePages, EachTextConvertsBackToItsBytesOrToTheSameCharacters) {
  for (const Text& t : kTexts) {
    const Encoding e = encoding(t.codePage);
    const std::optional<Bytes> back = encoded(t.exact, e);
    EXPECT_EQ(runtime::convertsBack(bytes(t.bytes), e), back == bytes(t.bytes)) << t.codePage << ": " << t.exact;
    // Of these, only U+FFFD has no bytes, in a code page; a duplicate goes
    // back to other bytes.
    EXPECT_EQ(!back, !e.isUtf8() && t.exact.find("\uFFFD") != std::string::npos) << t.codePage << ": " << t.exact;
    if (back) {
      EXPECT_EQ(exact(*back, e), t.exact) << t.codePage;
    }
  }
}

TEST(CodePages, ACharacterWithoutBytesIsRefusedByNameAndPlace) {
  const struct {
    unsigned codePage;
    std::string text;
    std::optional<std::size_t> at;  // none: encoded
    std::string says;
  } cases[] = {
      {1252, "ab\u0436", 2, "'\u0436' (U+0436) has no bytes in Western European (1252)"},
      {1251, "\u041F\u0440\u0438\u0432\u0435\u0442 \u20AC", std::nullopt, ""},
      {932, "x\U0001F600", 1, "'\U0001F600' (U+1F600) has no bytes in Japanese (932)"},
      {1252, "caf\u00E9 \uFFFD", 6, "'\uFFFD' (U+FFFD) has no bytes in Western European (1252)"},
      {1252, "\u0100", 0, "'\u0100' (U+0100) has no bytes in Western European (1252)"},  // never 'A'
      {1253, "\u00E9", 0, "'\u00E9' (U+00E9) has no bytes in Greek (1253)"},
      {65001, "\U0001F600\uFFFD\u0000", std::nullopt, ""},
  };
  for (const auto& c : cases) {
    const Encoding e = encoding(c.codePage);
    Bytes out;
    const std::optional<runtime::Unencodable> refused = runtime::encodeText(c.text, e, out);
    EXPECT_EQ(refused.has_value(), c.at.has_value()) << c.codePage << " " << c.text;
    if (!refused || !c.at) continue;
    EXPECT_EQ(refused->at, *c.at) << c.text;
    EXPECT_EQ(runtime::noBytesText(refused->character, e), c.says);
  }
  Bytes out;
  const auto invalid = runtime::encodeText("ok\xFF", encoding(65001), out);
  ASSERT_TRUE(invalid);
  EXPECT_FALSE(invalid->validUtf8);
  EXPECT_EQ(invalid->at, 2u);
  EXPECT_FALSE(runtime::convertsBack(bytes("ok\xFF"), encoding(65001)));
}

#ifdef _WIN32
// The tables Linux converts with, made from iconv and Windows' additions at
// build time, against the system's conversion, character by character.
TEST(CodePages, TheSystemConvertsEveryByteAndPairAsTheTablesMadeAtBuildTime) {
  for (const runtime::generated::CodePage& page : runtime::generated::kCodePages) {
    const runtime::CodePageSource system = runtime::platform::codePageSource(page.number);
    int differences = 0;
    std::size_t row = 0;
    for (int b = 0; b < 256; ++b) {
      const bool lead = (page.leadBytes[b / 64] >> (b % 64)) & 1;
      ASSERT_EQ(system.leadBytes[b], lead) << page.number << " " << b;
      if (!lead) {
        EXPECT_EQ(int{system.single[b]}, int{page.single[b]}) << page.number << " byte " << b;
        continue;
      }
      for (int second = 0; second < 256; ++second) {
        const char16_t expected = page.pairs[256 * row + second];
        if (system.pairs.at(256 * row + second) != expected && ++differences <= 5) {
          ADD_FAILURE() << page.number << " pair " << b << " " << second << ": "
                        << int{system.pairs[256 * row + second]} << ", not " << int{expected};
        }
      }
      ++row;
    }
    EXPECT_EQ(differences, 0) << page.number;
  }
}
// The conversion back of the system's code page, character by character,
// against the system's own, strictly (no best fit); and the choice among
// duplicates that the tables made at build time hold, against the system's.
TEST(CodePages, TheSystemConvertsEveryCharacterBackAsTheEncoderDoes) {
  const Encoding system = Encoding::systemDefault();
  if (!system.isUtf8()) {
    int differences = 0;
    for (unsigned c = 1; c < 0x10000; ++c) {
      if (c >= 0xD800 && c <= 0xDFFF) continue;
      const wchar_t unit = static_cast<wchar_t>(c);
      char bytesOut[4] = {};
      BOOL usedDefault = FALSE;
      const int n =
          WideCharToMultiByte(system.codePage(), WC_NO_BEST_FIT_CHARS, &unit, 1, bytesOut, 4, nullptr, &usedDefault);
      std::string utf8;
      runtime::appendUtf8(utf8, static_cast<char32_t>(c));
      const std::optional<Bytes> ours = encoded(utf8, system);
      const std::optional<Bytes> theirs =
          usedDefault || n < 1 ? std::nullopt : std::optional<Bytes>(Bytes(bytesOut, bytesOut + n));
      if (ours != theirs && ++differences <= 5) ADD_FAILURE() << system.codePage() << " U+" << std::hex << c;
    }
    EXPECT_EQ(differences, 0) << system.codePage();
  }
  for (const runtime::generated::CodePage& page : runtime::generated::kCodePages) {
    const runtime::CodePageSource source = runtime::platform::codePageSource(page.number);
    std::vector<std::uint32_t> preferred;
    for (const auto& [c, bytesBack] : source.preferred) preferred.push_back(std::uint32_t{c} << 16 | bytesBack);
    EXPECT_EQ(preferred, std::vector<std::uint32_t>(page.preferred, page.preferred + page.preferredCount))
        << page.number;
  }
}
#endif

}  // namespace
