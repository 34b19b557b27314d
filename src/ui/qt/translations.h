// The window's language: the program's translations and Qt's own (for its
// standard dialogs and buttons) in the user's language, and the catalogue
// that the texts made outside the window's code are translated through.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include "texts/texts.h"

// The program's texts in one language, through the translators installed in
// the application; numbers as that language writes them.
class QtCatalogue final : public texts::Catalogue {
 public:
  explicit QtCatalogue(const QLocale& language) : language_(language) {}
  std::optional<std::string> translate(const texts::Source& source, std::optional<std::uint64_t> count) const override;
  std::string number(std::uint64_t value) const override;

 private:
  QLocale language_;
};

// Loads and installs the translations for `locale`'s languages, in their
// order, and the catalogue; English (and no catalogue) where the program has
// none of them. Keep it as long as the application runs.
class Translations {
 public:
  // `folder` holds the program's .qm files (the program's resources by default).
  explicit Translations(const QLocale& locale, const QString& folder = QStringLiteral(":/translations"));
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // The language the program's texts are shown in; "en" without a translation.
  QString language() const;

 private:
  QTranslator own_;
  QTranslator toolkit_;
  bool ownLoaded_ = false;
  bool toolkitLoaded_ = false;
};
