#include "runtime/encoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

#include "runtime/platform.h"
#include "texts/texts.h"

namespace runtime {
namespace {

struct Listed {
  std::uint16_t codePage;
  texts::Source name;  // for a menu
};

// In menu order: the code pages by name, then UTF-8. An encoding's slot is
// its place here.
constexpr std::array<Listed, 15> kListed = {{
    {1256, SPEECH_TEXT("encodings", "Arabic")},
    {1257, SPEECH_TEXT("encodings", "Baltic")},
    {1250, SPEECH_TEXT("encodings", "Central European")},
    {936, SPEECH_TEXT("encodings", "Chinese Simplified")},
    {950, SPEECH_TEXT("encodings", "Chinese Traditional")},
    {1251, SPEECH_TEXT("encodings", "Cyrillic")},
    {1253, SPEECH_TEXT("encodings", "Greek")},
    {1255, SPEECH_TEXT("encodings", "Hebrew")},
    {932, SPEECH_TEXT("encodings", "Japanese")},
    {949, SPEECH_TEXT("encodings", "Korean")},
    {874, SPEECH_TEXT("encodings", "Thai")},
    {1254, SPEECH_TEXT("encodings", "Turkish")},
    {1258, SPEECH_TEXT("encodings", "Vietnamese")},
    {1252, SPEECH_TEXT("encodings", "Western European")},
    {Encoding::kUtf8, SPEECH_TEXT("encodings", "UTF-8")},
}};
static_assert(kListed.size() < Encoding::kSlots, "the last slot is for a system code page outside the list");

// The locale table: the ANSI code page Windows gives each language. A
// language with a territory or a modifier comes before the language alone.
struct LocaleCodePage {
  std::string_view language;
  std::string_view territory;  // "" for any
  std::string_view modifier;   // "" for any
  unsigned codePage;
};

constexpr LocaleCodePage kLocaleTable[] = {
    // Cyrillic
    {"ru", "", "", 1251},
    {"uk", "", "", 1251},
    {"be", "", "", 1251},
    {"bg", "", "", 1251},
    {"mk", "", "", 1251},
    {"sr", "", "latin", 1250},  // Serbian in Latin letters
    {"sr", "", "", 1251},
    {"ky", "", "", 1251},
    {"tt", "", "", 1251},
    {"mn", "", "", 1251},
    {"tg", "", "", 1251},
    {"ba", "", "", 1251},
    {"sah", "", "", 1251},
    {"uz", "", "cyrillic", 1251},
    // Central European
    {"pl", "", "", 1250},
    {"cs", "", "", 1250},
    {"sk", "", "", 1250},
    {"hu", "", "", 1250},
    {"ro", "", "", 1250},
    {"hr", "", "", 1250},
    {"sl", "", "", 1250},
    {"sq", "", "", 1250},
    {"bs", "", "", 1250},
    {"tk", "", "", 1250},
    // Greek, Turkish, Hebrew, Arabic, Baltic, Vietnamese, Thai
    {"el", "", "", 1253},
    {"tr", "", "", 1254},
    {"az", "", "", 1254},
    {"uz", "", "", 1254},
    {"he", "", "", 1255},
    {"ar", "", "", 1256},
    {"fa", "", "", 1256},
    {"ur", "", "", 1256},
    {"ug", "", "", 1256},
    {"ckb", "", "", 1256},
    {"et", "", "", 1257},
    {"lv", "", "", 1257},
    {"lt", "", "", 1257},
    {"vi", "", "", 1258},
    {"th", "", "", 874},
    // East Asian
    {"ja", "", "", 932},
    {"ko", "", "", 949},
    {"zh", "TW", "", 950},
    {"zh", "HK", "", 950},
    {"zh", "MO", "", 950},
    {"zh", "", "", 936},  // zh_CN, zh_SG and the other territories
};

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

bool sameLetters(std::string_view a, std::string_view b) { return lowerCase(a) == lowerCase(b); }

// A code page number written in decimal digits only.
std::optional<unsigned> number(std::string_view digits) {
  unsigned value = 0;
  const char* const end = digits.data() + digits.size();
  const auto [at, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || digits.front() == '0' || error != std::errc() || at != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<Encoding> Encoding::fromCodePage(unsigned codePage) {
  for (std::size_t slot = 0; slot < kListed.size(); ++slot) {
    if (kListed[slot].codePage == codePage) return Encoding(kListed[slot].codePage, static_cast<std::uint8_t>(slot));
  }
  return std::nullopt;
}

std::optional<Encoding> Encoding::named(std::string_view name) {
  const std::string lower = lowerCase(name);
  if (lower == "ansi") return systemDefault();
  if (lower == "utf-8" || lower == "utf8" || lower == "65001") return fromCodePage(kUtf8);
  std::string_view digits = lower;
  for (const std::string_view prefix : {"cp", "windows-"}) {
    if (digits.starts_with(prefix)) {
      digits.remove_prefix(prefix.size());
      break;
    }
  }
  const std::optional<unsigned> codePage = number(digits);
  if (!codePage || *codePage == kUtf8) return std::nullopt;
  return fromCodePage(*codePage);
}

Encoding Encoding::systemDefault() {
  static const Encoding encoding = systemEncodingFor(platform::systemCodePage());
  return encoding;
}

std::span<const Encoding> Encoding::all() {
  static const std::array<Encoding, kListed.size()> all = []<std::size_t... slot>(std::index_sequence<slot...>) {
    return std::array<Encoding, sizeof...(slot)>{Encoding(kListed[slot].codePage, slot)...};
  }
  (std::make_index_sequence<kListed.size()>());
  return all;
}

std::string Encoding::name() const {
  if (isUtf8()) return "UTF-8";
  const std::string number = std::to_string(codePage_);
  if (slot_ >= kListed.size()) return texts::text(SPEECH_TEXT("encodings", "Code page %1"), {number});
  // %1 is the encoding's name, %2 its code page's number.
  return texts::text(SPEECH_TEXT("encodings", "%1 (%2)"), {texts::text(kListed[slot_].name), number});
}

Encoding systemEncodingFor(unsigned codePage) {
  if (const std::optional<Encoding> listed = Encoding::fromCodePage(codePage)) return *listed;
  return Encoding(static_cast<std::uint16_t>(codePage), Encoding::kSlots - 1);
}

std::string systemDefaultName() {
  const Encoding encoding = Encoding::systemDefault();
  // %1 is the code page's number, or UTF-8.
  return texts::text(SPEECH_TEXT("encodings", "System default (%1)"),
                     {encoding.isUtf8() ? std::string("UTF-8") : std::to_string(encoding.codePage())});
}

unsigned codePageForLocale(std::string_view locale) {
  // language[_TERRITORY][.codeset][@modifier]
  const std::size_t at = locale.find('@');
  const std::string_view modifier = at == std::string_view::npos ? "" : locale.substr(at + 1);
  locale = locale.substr(0, at);
  locale = locale.substr(0, locale.find('.'));
  const std::size_t underscore = locale.find('_');
  const std::string_view language = locale.substr(0, underscore);
  const std::string_view territory = underscore == std::string_view::npos ? "" : locale.substr(underscore + 1);
  for (const LocaleCodePage& entry : kLocaleTable) {
    if (sameLetters(entry.language, language) && (entry.territory.empty() || sameLetters(entry.territory, territory)) &&
        (entry.modifier.empty() || sameLetters(entry.modifier, modifier))) {
      return entry.codePage;
    }
  }
  return 1252;
}

std::vector<LocaleTableRow> localeTableRows() {
  std::vector<LocaleTableRow> rows;
  for (const LocaleCodePage& entry : kLocaleTable) {
    std::string name(entry.language);
    if (!entry.territory.empty()) name += "_" + std::string(entry.territory);
    if (!entry.modifier.empty()) name += "@" + std::string(entry.modifier);
    auto row =
        std::find_if(rows.begin(), rows.end(), [&](const LocaleTableRow& r) { return r.codePage == entry.codePage; });
    if (row == rows.end()) row = rows.insert(rows.end(), {entry.codePage, ""});
    row->languages += (row->languages.empty() ? "" : " ") + name;
  }
  std::sort(rows.begin(), rows.end(),
            [](const LocaleTableRow& a, const LocaleTableRow& b) { return a.codePage < b.codePage; });
  rows.push_back({1252, "every other language, C, POSIX, or none set"});
  return rows;
}

std::string_view effectiveLocale(const char* lcAll, const char* lcCtype, const char* lang) {
  for (const char* value : {lcAll, lcCtype, lang}) {
    if (value && *value) return value;
  }
  return "";
}

}  // namespace runtime
