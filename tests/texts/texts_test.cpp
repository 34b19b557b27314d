#include "texts/texts.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A language whose numbers are grouped with dots, and which knows two texts.
class Dotted final : public texts::Catalogue {
 public:
  std::optional<std::string> translate(const texts::Source& source, std::optional<std::uint64_t> count) const override {
    const std::string english = source.english;
    if (english == "No line holds \"%1\".") return "\"%1\" steht in keiner Zeile.";
    if (english == "%n lines") return count == 1 ? "%n Zeile" : "%n Zeilen";
    return std::nullopt;
  }
  std::string number(std::uint64_t value) const override {
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, '.');
    return digits;
  }
};

// Every text goes through the one filling of placeholders: English without a
// catalogue, the catalogue's where it has one, English where it has none.
TEST(Texts, PlaceholdersAreFilledInTheInstalledLanguageOrInEnglish) {
  struct Case {
    bool dotted;
    std::string made;
    std::string expected;
  };
  const auto table = [](bool dotted) {
    texts::installCatalogue(dotted ? std::make_shared<Dotted>() : nullptr);
    return std::vector<Case>{
        {dotted, texts::text(SPEECH_TEXT("test", "No line holds \"%1\"."), {"bank"}),
         dotted ? "\"bank\" steht in keiner Zeile." : "No line holds \"bank\"."},
        {dotted, texts::text(SPEECH_TEXT_N("test", "%n lines", "%n line"), 1), dotted ? "1 Zeile" : "1 line"},
        {dotted, texts::text(SPEECH_TEXT_N("test", "%n lines", "%n line"), 4096),
         dotted ? "4.096 Zeilen" : "4,096 lines"},
        // Numbered placeholders in any order; a count as the language writes
        // it, a text as it is; "%%" is "%", and "%4" with no fourth argument
        // stays as written.
        {dotted,
         texts::text(SPEECH_TEXT("test", "%2 of %1 MB, 100%% of %3, %4"),
                     {texts::Argument::count(4096), texts::Argument::count(1024), "359137280"}),
         dotted ? "1.024 of 4.096 MB, 100% of 359137280, %4" : "1,024 of 4,096 MB, 100% of 359137280, %4"},
        // English whatever is installed, for the command-line programs.
        {dotted, texts::english(SPEECH_TEXT_N("test", "%n lines", "%n line"), 4096), "4,096 lines"},
    };
  };
  for (const bool dotted : {false, true}) {
    for (const Case& c : table(dotted)) EXPECT_EQ(c.made, c.expected) << (c.dotted ? "dotted" : "English");
  }
  texts::installCatalogue(nullptr);
}

}  // namespace
