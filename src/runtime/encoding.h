// The encodings a text can be read in: the Windows ANSI code pages and UTF-8,
// each known by its Windows code page number, and the system's default one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace runtime {

class Encoding {
 public:
  // Every encoding of the list, plus one place for a system default outside
  // it (on Windows, an ANSI code page the list does not hold).
  static constexpr std::size_t kSlots = 16;
  static constexpr unsigned kUtf8 = 65001;

  // The encoding of a listed code page (874, 932, 936, 949, 950, 1250 to
  // 1258, 65001); none for any other number.
  static std::optional<Encoding> fromCodePage(unsigned codePage);

  // NAME as a user writes it, in any case: "ansi" (the system default), a
  // listed code page as "1251", "cp1251" or "windows-1251", and "utf-8",
  // "utf8" or "65001". None for anything else.
  static std::optional<Encoding> named(std::string_view name);

  // What a text converts through when no encoding is chosen. On Windows the
  // system's ANSI code page; elsewhere the code page that Windows gives the
  // language of the locale (codePageForLocale). Decided once, at first use.
  static Encoding systemDefault();

  // The listed encodings in the order a menu offers them: the code pages by
  // name, then UTF-8.
  static std::span<const Encoding> all();

  unsigned codePage() const { return codePage_; }
  bool isUtf8() const { return codePage_ == kUtf8; }
  // Where this encoding's conversion tables are kept (below kSlots).
  std::size_t slot() const { return slot_; }

  // Its name in a menu: "Cyrillic (1251)", "Japanese (932)", "UTF-8"; a
  // system code page outside the list is "Code page N".
  std::string name() const;

  friend bool operator==(Encoding, Encoding) = default;

 private:
  constexpr Encoding(std::uint16_t codePage, std::uint8_t slot) : codePage_(codePage), slot_(slot) {}
  friend Encoding systemEncodingFor(unsigned codePage);

  std::uint16_t codePage_;
  std::uint8_t slot_;
};

// The encoding a system's code page number stands for: a listed one, or one
// of its own in the last slot (for a Windows ANSI code page outside the list).
Encoding systemEncodingFor(unsigned codePage);

// The menu's first entry: "System default (1252)".
std::string systemDefaultName();

// What the usage says NAME may be, for a message about a wrong one.
constexpr std::string_view kEncodingNames = "ansi, utf-8, or a code page: 874, 932, 936, 949, 950, 1250 to 1258";

// The ANSI code page that Windows gives the language of a POSIX locale name
// (language[_TERRITORY][.codeset][@modifier]), whether or not the locale is
// installed; 1252 for every language not in the table, and for "C", "POSIX"
// and "".
unsigned codePageForLocale(std::string_view locale);

// The locale table by code page, ascending, for a usage text: each code page
// with the languages (and territories, modifiers) that give it, as
// {1251, "ru uk be bg mk sr ..."}; 1252 comes last, for every other language.
struct LocaleTableRow {
  unsigned codePage;
  std::string languages;
};
std::vector<LocaleTableRow> localeTableRows();

// The locale that decides the character type: the first of LC_ALL, LC_CTYPE
// and LANG that is set and not empty; "" when none is.
std::string_view effectiveLocale(const char* lcAll, const char* lcCtype, const char* lang);

}  // namespace runtime
