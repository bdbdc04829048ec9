// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/l10n/translation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <new>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// The message patterns the sources raise: the string literals that open an exception's,
// FormatMessage's or the command line's Refuse's arguments (adjacent literals joined).
std::set<std::string> RaisedMessages() {
  static const std::regex raised(
      R"re(\b(FormatMessage|Refuse|Exception|GIFException|E[A-Z]\w*)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re");
  static const std::regex literal(R"re("((?:[^"\\]|\\.)*)")re");
  std::set<std::string> messages;
  for (const char* folder : {"platform", "gif", "app", "cli"}) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(STRONIX_SOURCE_DIR) / folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".cpp" && extension != ".h") continue;
      std::ostringstream text;
      text << std::ifstream(entry.path()).rdbuf();
      const std::string source = text.str();
      for (std::sregex_iterator it(source.begin(), source.end(), raised), end; it != end; ++it) {
        std::string message;
        const std::string literals = (*it)[2];
        for (std::sregex_iterator part(literals.begin(), literals.end(), literal); part != end; ++part)
          message += std::regex_replace((*part)[1].str(), std::regex(R"(\\(.))"), "$1");
        messages.insert(message);
      }
    }
  }
  return messages;
}

class TranslationTest : public testing::Test {
protected:
  ~TranslationTest() override { UseLanguage(TLanguage::Polish); }
};

TEST_F(TranslationTest, EveryMessageTheSourcesRaiseIsInBothCatalogues) {
  const std::set<std::string> messages = RaisedMessages();
  ASSERT_GT(messages.size(), 30u);  // the scan found the table
  EXPECT_TRUE(messages.contains("Cannot create file %s"));
  for (const std::string& message : messages)
    for (const TLanguage language : {TLanguage::Polish, TLanguage::English})
      EXPECT_TRUE(HasTranslation(language, "Message", message.c_str()))
          << "no " << (language == TLanguage::Polish ? "Polish" : "English") << " translation of \""
          << message << "\" in translations/messages_*.ts";
}

TEST_F(TranslationTest, TheReasonsOfFailedFileOperationsAreInBothCatalogues) {
  for (const int error :
       {EACCES, ENOENT, ENOSPC, EROFS, EEXIST, EISDIR, ENOTDIR,   EIO,    EDQUOT, ENAMETOOLONG, EBUSY,
        ELOOP,  EMFILE, EPERM,  EFBIG, ENOMEM, EPIPE,  ENOTEMPTY, EINVAL, ENODEV, ENXIO,        EAGAIN})
    for (const TLanguage language : {TLanguage::Polish, TLanguage::English})
      EXPECT_TRUE(HasTranslation(language, "Reason", SystemReason(error).c_str())) << SystemReason(error);
}

TEST_F(TranslationTest, AMessageIsTranslatedAtTheEdgeAndItsArgumentsPutIn) {
  const EFCreateError error("/karta/PSP/PHOTO/Lalka/0001.gif", ENOSPC);
  // The exception itself keeps the exact English text, whatever the language.
  EXPECT_EQ(error.Message(), "Cannot create file /karta/PSP/PHOTO/Lalka/0001.gif");
  EXPECT_EQ(error.Reason(), "No space left on device");

  UseLanguage(TLanguage::Polish);
  EXPECT_EQ(LocalizedError(error),
            "Nie można utworzyć pliku /karta/PSP/PHOTO/Lalka/0001.gif: Brak miejsca na urządzeniu");
  EXPECT_EQ(LocalizedMessage(
                Exception(FormatMessage("Pages per folder must be at least %s, not %s", {"10", "%s"}))),
            "Stron w folderze musi być co najmniej 10, nie %s");
  EXPECT_EQ(LocalizedError(std::bad_alloc()), "Brak pamięci");
  // A message the catalogue lacks stays as it is.
  EXPECT_EQ(LocalizedError(Exception("Nieznany komunikat")), "Nieznany komunikat");

  UseLanguage(TLanguage::English);
  EXPECT_EQ(LocalizedError(error), error.Message() + ": " + error.Reason());
  // The few messages written in Polish have their English too.
  EXPECT_EQ(LocalizedMessage(Exception("Przerwano: poprzednie strony zostały bez zmian.")),
            "Stopped: the earlier pages were left as they were.");
}

TEST_F(TranslationTest, CountsTakeThePolishFormForTheirNumber) {
  UseLanguage(TLanguage::Polish);
  const char* removed = "; removed %n pages of the earlier book";
  EXPECT_EQ(Translate("stronix-cli", removed, nullptr, 1), "; usunięto 1 stronę poprzedniej książki");
  EXPECT_EQ(Translate("stronix-cli", removed, nullptr, 22), "; usunięto 22 strony poprzedniej książki");
  EXPECT_EQ(Translate("stronix-cli", removed, nullptr, 12), "; usunięto 12 stron poprzedniej książki");
  UseLanguage(TLanguage::English);
  EXPECT_EQ(Translate("stronix-cli", removed, nullptr, 1), "; removed 1 page of the earlier book");
}

}  // namespace
