// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/l10n/language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

constexpr TLanguage kPolish = TLanguage::Polish;
constexpr TLanguage kEnglish = TLanguage::English;

TEST(LanguageTest, PolishLocalesArePolishBareOnesTakeTheGivenLanguageAndTheRestEnglish) {
  for (const char* locale : {"pl_PL.UTF-8", "pl_PL", "pl", "pl_PL.ISO-8859-2@euro"})
    EXPECT_EQ(LanguageOfLocale(locale, kEnglish), kPolish) << locale;
  for (const char* locale : {"C", "POSIX", "C.UTF-8", "C.utf8", ""}) {
    EXPECT_EQ(LanguageOfLocale(locale, kPolish), kPolish) << locale;
    EXPECT_EQ(LanguageOfLocale(locale, kEnglish), kEnglish) << locale;
  }
  for (const char* locale : {"en_US.UTF-8", "de_DE.UTF-8", "plt_MG", "fr"})
    EXPECT_EQ(LanguageOfLocale(locale, kPolish), kEnglish) << locale;
}

TLanguage With(const std::map<std::string, std::string>& variables, TLanguage bare = kPolish) {
  return UserLanguage(bare, [&](const char* name) -> const char* {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.c_str();
  });
}

TEST(LanguageTest, TheVariablesCountInGettextsOrder) {
  EXPECT_EQ(With({}), kPolish);
  EXPECT_EQ(With({}, kEnglish), kEnglish);
  EXPECT_EQ(With({{"LANG", "en_US.UTF-8"}}), kEnglish);
  EXPECT_EQ(With({{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "pl_PL.UTF-8"}}), kPolish);
  EXPECT_EQ(With({{"LC_MESSAGES", "pl_PL.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"}}), kEnglish);
  EXPECT_EQ(With({{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}), kPolish);
  EXPECT_EQ(With({{"LANG", ""}, {"LC_ALL", ""}}, kEnglish), kEnglish);
  // LANGUAGE is a list: the first language of ours in it wins; none of ours leaves it to the locale.
  EXPECT_EQ(With({{"LANGUAGE", "de:pl:en"}, {"LANG", "en_US.UTF-8"}}), kPolish);
  EXPECT_EQ(With({{"LANGUAGE", "en_GB:pl"}, {"LANG", "pl_PL.UTF-8"}}), kEnglish);
  EXPECT_EQ(With({{"LANGUAGE", "de"}, {"LANG", "pl_PL.UTF-8"}}), kPolish);
}

}  // namespace
