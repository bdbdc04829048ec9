// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which language the user reads, from the locale variables as gettext reads them.
#include <functional>
#include <string_view>

// The languages the program speaks. Pages never depend on the language: it concerns the
// windows, the dialogs and the messages only.
enum class TLanguage { Polish, English };

// The language a locale name such as "pl_PL.UTF-8", "en_US" or "pl" asks for: Polish for
// Polish, `bareLocale` for "C" and "POSIX" (with or without a code set), English for any
// other language.
TLanguage LanguageOfLocale(std::string_view locale, TLanguage bareLocale);

// Reads a variable of the environment; null when unset.
using TEnvironment = std::function<const char*(const char* name)>;

// The user's language: the first entry of LANGUAGE that names Polish or English, else the
// first set of LC_ALL, LC_MESSAGES and LANG, else `bareLocale` as for no locale at all.
TLanguage UserLanguage(TLanguage bareLocale, const TEnvironment& environment);
TLanguage UserLanguage(TLanguage bareLocale);
