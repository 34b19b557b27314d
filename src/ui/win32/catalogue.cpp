#include "ui/win32/catalogue.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <tuple>
#include <vector>

#include "catalogue_keys.h"
#include "ui/win32/wide_text.h"

namespace win32 {
namespace {

bool keyBefore(const CatalogueKey& key, const texts::Source& source) {
  const char* const comment = source.englishOne ? source.englishOne : "";
  return std::make_tuple(std::strcmp(key.context, source.context), std::strcmp(key.english, source.english),
                         std::strcmp(key.comment, comment)) < std::make_tuple(0, 0, 0);
}

const CatalogueKey* keyOf(const texts::Source& source) {
  const auto at = std::lower_bound(std::begin(kCatalogueKeys), std::end(kCatalogueKeys), source, keyBefore);
  if (at == std::end(kCatalogueKeys)) return nullptr;
  const char* const comment = source.englishOne ? source.englishOne : "";
  if (std::strcmp(at->context, source.context) != 0 || std::strcmp(at->english, source.english) != 0 ||
      std::strcmp(at->comment, comment) != 0) {
    return nullptr;
  }
  return &*at;
}

// Which plural form a count takes, as the catalogue's tools number them.
unsigned pluralForm(LANGID language, std::uint64_t n) {
  switch (PRIMARYLANGID(language)) {
    case LANG_JAPANESE:
    case LANG_KOREAN:
    case LANG_CHINESE: return 0;
    case LANG_FRENCH: return n > 1 ? 1 : 0;
    case LANG_PORTUGUESE:  // Brazil's as French, Portugal's as English
      return SUBLANGID(language) == SUBLANG_PORTUGUESE_BRAZILIAN ? (n > 1 ? 1 : 0) : (n == 1 ? 0 : 1);
    case LANG_POLISH:
      if (n == 1) return 0;
      return n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20) ? 1 : 2;
    case LANG_RUSSIAN:
      if (n % 10 == 1 && n % 100 != 11) return 0;
      return n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20) ? 1 : 2;
    default: return n == 1 ? 0 : 1;
  }
}

// A string resource of `language` exactly, without the system's fall-back
// to other languages; empty when there is none.
std::wstring loadString(unsigned id, LANGID language) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC found = FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
  if (!found) return {};
  const HGLOBAL loaded = LoadResource(module, found);
  const auto* units = loaded ? static_cast<const wchar_t*>(LockResource(loaded)) : nullptr;
  if (!units) return {};
  // A block of 16 strings, each its length and its units.
  for (unsigned index = 0; index < id % 16; ++index) units += 1 + *units;
  return std::wstring(units + 1, *units);
}

}  // namespace

ResourceCatalogue::ResourceCatalogue(LANGID language) : language_(language) {
  wchar_t separator[8]{};
  const LCID locale = MAKELCID(language, SORT_DEFAULT);
  if (GetLocaleInfoW(locale, LOCALE_STHOUSAND, separator, static_cast<int>(std::size(separator))) > 0)
    thousands_ = utf8(separator);
}

std::optional<std::string> ResourceCatalogue::translate(const texts::Source& source,
                                                        std::optional<std::uint64_t> count) const {
  const CatalogueKey* const key = keyOf(source);
  if (!key) return std::nullopt;
  const unsigned form = count ? pluralForm(language_, *count) : 0;
  const std::wstring text = loadString(key->id + form, language_);
  if (text.empty()) return std::nullopt;
  return utf8(text);
}

std::string ResourceCatalogue::number(std::uint64_t value) const {
  std::string digits = std::to_string(value);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, thousands_);
  return digits;
}

std::optional<LANGID> catalogueLanguageFor(LANGID wanted, std::optional<LANGID> extra) {
  std::vector<LANGID> held(std::begin(kCatalogueLanguages), std::end(kCatalogueLanguages));
  if (extra) held.push_back(*extra);
  if (std::find(held.begin(), held.end(), wanted) != held.end()) return wanted;
  if (PRIMARYLANGID(wanted) == LANG_CHINESE) {
    const WORD country = SUBLANGID(wanted);
    const bool traditional = country == SUBLANG_CHINESE_TRADITIONAL || country == SUBLANG_CHINESE_HONGKONG ||
                             country == SUBLANG_CHINESE_MACAU;
    const LANGID chinese =
        MAKELANGID(LANG_CHINESE, traditional ? SUBLANG_CHINESE_TRADITIONAL : SUBLANG_CHINESE_SIMPLIFIED);
    if (std::find(held.begin(), held.end(), chinese) != held.end()) return chinese;
    return std::nullopt;
  }
  for (const LANGID language : held) {
    if (PRIMARYLANGID(language) == PRIMARYLANGID(wanted)) return language;
  }
  return std::nullopt;
}

void installCatalogue(std::optional<LANGID> language) {
  texts::installCatalogue(language ? std::make_shared<ResourceCatalogue>(*language) : nullptr);
}

std::optional<LANGID> userCatalogueLanguage() { return catalogueLanguageFor(GetUserDefaultUILanguage()); }

}  // namespace win32
