// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text/font_script.h"

#include <gtest/gtest.h>

#include "app/text/code_page.h"

namespace {

TEST(FontScriptTest, Utf8IsTakenOnlyWhenItShows) {
  EXPECT_EQ(DetectScript("plain ASCII"), TFontScript::CentralEuropean);
  EXPECT_EQ(DetectScript("\xBF\xF3\xB3w"), TFontScript::CentralEuropean);  // Windows-1250
  EXPECT_EQ(DetectScript("\xC5\xBC\xC3\xB3\xC5\x82w \xF0\x9F\x93\x96"), TFontScript::Utf8);
  EXPECT_EQ(DetectScript("\xEF\xBB\xBFplain"), TFontScript::Utf8);
  for (const char* bad :
       {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\xC5"})  // overlong, surrogate, too big, cut
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  for (const TFontScript script : kAllScripts) EXPECT_EQ(ScriptFromName(ScriptName(script)), script);
}

TEST(CodePageTest, EverySingleByteScriptReadsItsOwnLetters) {
  const std::tuple<TFontScript, unsigned char, char16_t> cases[] = {
      {TFontScript::CentralEuropean, 0xF3, u'\u00F3'},
      {TFontScript::CentralEuropean, 0x9C, u'\u015B'},
      {TFontScript::Western, 0x80, u'\u20AC'},
      {TFontScript::Cyrillic, 0xC0, u'\u0410'},
      {TFontScript::Greek, 0xC1, u'\u0391'},
      {TFontScript::Turkish, 0xF0, u'\u011F'},
      {TFontScript::Hebrew, 0xE0, u'\u05D0'},
      {TFontScript::Arabic, 0xC7, u'\u0627'},
      {TFontScript::Baltic, 0xE0, u'\u0105'},
      {TFontScript::Vietnamese, 0xD2, u'\u0309'},
      {TFontScript::Thai, 0xA1, u'\u0E01'},
  };
  for (const auto& [script, byte, character] : cases) EXPECT_EQ(CodePageOf(script).CharOf(byte), character);
}

TEST(CodePageTest, TabsReadAsSpacesAndFileNamesAreReencoded) {
  EXPECT_EQ(CodePageOf(TFontScript::CentralEuropean).Decode("a\tb\xF3"), QString::fromUtf8("a b\xC3\xB3"));
  EXPECT_EQ(CodePageOf(TFontScript::Utf8).Decode("\t\xC3\xB3"), QString::fromUtf8(" \xC3\xB3"));
  EXPECT_EQ(CodePageOf(TFontScript::CentralEuropean).FromUtf8("Kr\xC3\xB3l \xE2\x82\xAC.txt"),
            "Kr\xF3l \x80.txt");
  EXPECT_EQ(CodePageOf(TFontScript::Cyrillic).FromUtf8("Kr\xC3\xB3l.txt"), "Kr?l.txt");
}

}  // namespace
