// The window's language: the program's texts from its string resources in
// the user's interface language, English where it has none.
#pragma once

#include "ui/win32/windows_api.h"

#include <optional>

#include "texts/texts.h"

namespace win32 {

// The texts of one language of the program's string resources; numbers with
// that language's thousands separator.
class ResourceCatalogue final : public texts::Catalogue {
 public:
  explicit ResourceCatalogue(LANGID language);
  std::optional<std::string> translate(const texts::Source& source, std::optional<std::uint64_t> count) const override;
  std::string number(std::uint64_t value) const override;

 private:
  LANGID language_;
  std::string thousands_;
};

// Of the languages the program's resources hold, the one for `wanted`: the
// same language and country, else the same language (a Chinese of Hong
// Kong or Macao takes Traditional Chinese, any other Chinese Simplified);
// none for a language they do not hold. `extra` is a language the caller
// holds besides them (the tests' pseudo-translation).
std::optional<LANGID> catalogueLanguageFor(LANGID wanted, std::optional<LANGID> extra = std::nullopt);

// Installs the catalogue of `language` (none: English) for every text.
void installCatalogue(std::optional<LANGID> language);

// The user's interface language, as the catalogue's languages go.
std::optional<LANGID> userCatalogueLanguage();

}  // namespace win32
