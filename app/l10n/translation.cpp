// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/l10n/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <memory>
#include <new>

namespace {

// The contexts of the messages catalogue: the conversion's messages and the system's reasons.
constexpr char kMessages[] = "Message";
constexpr char kReasons[] = "Reason";

// The catalogues of one language: our texts, our messages and, for Polish, Qt's own.
struct TCatalogues {
  std::array<std::unique_ptr<QTranslator>, 3> translators;
};

QString CatalogueName(TLanguage language) {
  return language == TLanguage::Polish ? QStringLiteral("pl") : QStringLiteral("en");
}

std::unique_ptr<QTranslator> Loaded(const QString& file, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file, folder)) return nullptr;
  return translator;
}

TCatalogues Load(TLanguage language) {
  const QString name = CatalogueName(language);
  TCatalogues catalogues;
  catalogues.translators[0] = Loaded(QStringLiteral("stronix_") + name, QStringLiteral(":/i18n"));
  catalogues.translators[1] = Loaded(QStringLiteral("messages_") + name, QStringLiteral(":/i18n"));
  // Qt's catalogue comes with the system (qt6-translations-l10n); without it the dialogs
  // keep Qt's English.
  if (language == TLanguage::Polish)
    catalogues.translators[2] =
        Loaded(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return catalogues;
}

struct TInUse {
  TCatalogues catalogues;  // none: the texts as the sources write them
};

TInUse& InUse() {
  static TInUse inUse;
  return inUse;
}

QString Lookup(const TCatalogues& catalogues, const char* context, const char* source,
               const char* disambiguation = nullptr, int n = -1) {
  for (const auto& translator : catalogues.translators) {
    if (!translator) continue;
    const QString text = translator->translate(context, source, disambiguation, n);
    if (!text.isEmpty()) return text;
  }
  return {};
}

}  // namespace

void UseLanguage(TLanguage language) {
  TInUse& inUse = InUse();
  if (QCoreApplication::instance())
    for (const auto& translator : inUse.catalogues.translators)
      if (translator) QCoreApplication::removeTranslator(translator.get());
  inUse.catalogues = Load(language);
  QLocale::setDefault(language == TLanguage::Polish ? QLocale(QLocale::Polish, QLocale::Poland)
                                                    : QLocale(QLocale::English, QLocale::UnitedStates));
  if (QCoreApplication::instance())
    for (const auto& translator : inUse.catalogues.translators)
      if (translator) QCoreApplication::installTranslator(translator.get());
}

QString Translate(const char* context, const char* source, const char* disambiguation, int n) {
  QString text = Lookup(InUse().catalogues, context, source, disambiguation, n);
  if (text.isEmpty()) text = QString::fromUtf8(source);
  if (n >= 0) text.replace(QStringLiteral("%n"), QString::number(n));
  return text;
}

bool HasTranslation(TLanguage language, const char* context, const char* source) {
  return !Lookup(Load(language), context, source).isEmpty();
}

std::string Localized(const TMessage& message) {
  const std::string pattern = Translate(kMessages, message.pattern.c_str()).toStdString();
  return TMessage{pattern, message.args}.Text();
}

std::string LocalizedReason(const std::string& reason) {
  return reason.empty() ? reason : Translate(kReasons, reason.c_str()).toStdString();
}

std::string LocalizedMessage(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error)) return Localized({"Out of memory", {}});
  if (const auto* own = dynamic_cast<const Exception*>(&error)) return Localized(own->Template());
  return error.what();
}

std::string LocalizedError(const std::exception& error) {
  const std::string message = LocalizedMessage(error);
  const auto* own = dynamic_cast<const Exception*>(&error);
  if (!own || own->Reason().empty()) return message;
  return message + ": " + LocalizedReason(own->Reason());
}
