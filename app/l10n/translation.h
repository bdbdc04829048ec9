// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's catalogues, built into it: the windows' and the command line's texts, and
// the messages of the conversion, which are written in one place (the exception's
// pattern) and translated only here, at the edge where the user reads them.
#include <QString>
#include <exception>
#include <string>

#include "app/l10n/language.h"
#include "platform/exceptions.h"

// Loads the catalogues of `language` (for Polish also Qt's own, for its dialogs and
// buttons) and makes them the ones every text below is read from. When an application
// object exists they are installed into it, so that `tr()` reads them too; the program's
// locale follows. Call again to switch. Until the first call every text is as the sources
// write it.
void UseLanguage(TLanguage language);

// The text `source` of `context` in the language in use; `source` itself when the
// catalogue lacks it. With `n` of 0 or more, the form for that number, "%n" replaced by it
// (the arguments are those of QCoreApplication::translate, so lupdate finds the texts).
QString Translate(const char* context, const char* source, const char* disambiguation = nullptr, int n = -1);
// Whether the catalogue of `language` holds `source` of `context` (for the tests that
// check that every text shown has its translation).
bool HasTranslation(TLanguage language, const char* context, const char* source);

// A message of the table in the language in use: its pattern translated, then the
// arguments put in.
std::string Localized(const TMessage& message);
// The system's reason for a failure ("No space left on device") in the language in use.
std::string LocalizedReason(const std::string& reason);
// What failed, in the language in use: the message and, after ": ", the system's reason;
// "Out of memory" for a failed allocation.
std::string LocalizedError(const std::exception& error);
// The message alone (for a message box that shows the reason apart).
std::string LocalizedMessage(const std::exception& error);
