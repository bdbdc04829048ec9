// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/l10n/language.h"

#include <cstdlib>
#include <string>

namespace {

// "pl_PL.UTF-8@euro" -> "pl".
std::string_view LanguagePart(std::string_view locale) {
  return locale.substr(0, locale.find_first_of("_.@"));
}

}  // namespace

TLanguage LanguageOfLocale(std::string_view locale, TLanguage bareLocale) {
  const std::string_view language = LanguagePart(locale);
  if (language == "pl") return TLanguage::Polish;
  if (language.empty() || language == "C" || language == "POSIX") return bareLocale;
  return TLanguage::English;
}

TLanguage UserLanguage(TLanguage bareLocale, const TEnvironment& environment) {
  // LANGUAGE is a list in order of preference; we speak two of all the languages it may name.
  if (const char* list = environment("LANGUAGE"); list && *list) {
    std::string_view rest = list;
    while (!rest.empty()) {
      const std::string_view entry = rest.substr(0, rest.find(':'));
      rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
      const std::string_view language = LanguagePart(entry);
      if (language == "pl") return TLanguage::Polish;
      if (language == "en") return TLanguage::English;
    }
  }
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (const char* locale = environment(name); locale && *locale)
      return LanguageOfLocale(locale, bareLocale);
  return bareLocale;
}

TLanguage UserLanguage(TLanguage bareLocale) {
  return UserLanguage(bareLocale, [](const char* name) { return std::getenv(name); });
}
