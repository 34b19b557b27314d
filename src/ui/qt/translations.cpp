#include "ui/qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <memory>

std::optional<std::string> QtCatalogue::translate(const texts::Source& source,
                                                  std::optional<std::uint64_t> count) const {
  // A plural text's form for one is its comment in the catalogue, which
  // tells it from a text of the same English.
  const int n = count ? static_cast<int>(std::min<std::uint64_t>(*count, 0x7FFFFFFF)) : -1;
  const QString translated = QCoreApplication::translate(source.context, source.english, source.englishOne, n);
  // The toolkit gives the English back when it has no translation.
  if (translated == QString::fromUtf8(source.english)) return std::nullopt;
  return translated.toStdString();
}

std::string QtCatalogue::number(std::uint64_t value) const {
  return language_.toString(static_cast<qulonglong>(value)).toStdString();
}

Translations::Translations(const QLocale& locale, const QString& folder) {
  ownLoaded_ = own_.load(locale, QStringLiteral("speechviewer"), QStringLiteral("_"), folder) &&
               QCoreApplication::installTranslator(&own_);
  if (!ownLoaded_) return;  // the English window keeps the toolkit's English too
  toolkitLoaded_ = toolkit_.load(QLocale(own_.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                   QCoreApplication::installTranslator(&toolkit_);
  texts::installCatalogue(std::make_shared<QtCatalogue>(QLocale(own_.language())));
}

Translations::~Translations() {
  if (ownLoaded_) texts::installCatalogue(nullptr);
  if (toolkitLoaded_) QCoreApplication::removeTranslator(&toolkit_);
  if (ownLoaded_) QCoreApplication::removeTranslator(&own_);
}

QString Translations::language() const { return ownLoaded_ ? own_.language() : QStringLiteral("en"); }
