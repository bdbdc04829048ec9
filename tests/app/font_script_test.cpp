#include "app/font_script.h"

#include <gtest/gtest.h>

#include "app/code_page.h"

namespace {

TEST(FontScriptTest, NamesRoundTrip) {
  for (const TFontScript script : kAllScripts) EXPECT_EQ(ScriptFromName(ScriptName(script)), script);
  EXPECT_EQ(ScriptFromName("klingon"), std::nullopt);
  EXPECT_EQ(CodePageName(TFontScript::CentralEuropean), "windows-1250");
  EXPECT_EQ(CodePageName(TFontScript::Thai), "windows-874");
}

TEST(FontScriptTest, ValidUtf8) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 \xF0\x9F\x93\x96"));
  EXPECT_FALSE(IsValidUtf8("\xF3w"));             // Windows-1250 "ów"
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xC5"));              // cut short
}

TEST(FontScriptTest, DetectionTakesUtf8OnlyWhenItShows) {
  EXPECT_EQ(DetectScript("plain ASCII"), TFontScript::CentralEuropean);
  EXPECT_EQ(DetectScript("\xBF\xF3\xB3w"), TFontScript::CentralEuropean);
  EXPECT_EQ(DetectScript("\xC5\xBC\xC3\xB3\xC5\x82w"), TFontScript::Utf8);
  EXPECT_EQ(DetectScript("\xEF\xBB\xBFplain"), TFontScript::Utf8);
  EXPECT_EQ(DetectScript("\xEF\xBB\xBF\xF3"), TFontScript::CentralEuropean);
}

TEST(CodePageTest, EverySingleByteScriptReadsItsOwnLetters) {
  struct TCase {
    TFontScript script;
    unsigned char byte;
    char16_t character;
  };
  const TCase cases[] = {
      {TFontScript::CentralEuropean, 0xF3, u'\u00F3'}, {TFontScript::CentralEuropean, 0xB9, u'\u0105'},
      {TFontScript::CentralEuropean, 0x9C, u'\u015B'}, {TFontScript::Western, 0x80, u'\u20AC'},
      {TFontScript::Cyrillic, 0xC0, u'\u0410'},        {TFontScript::Greek, 0xC1, u'\u0391'},
      {TFontScript::Turkish, 0xF0, u'\u011F'},         {TFontScript::Hebrew, 0xE0, u'\u05D0'},
      {TFontScript::Arabic, 0xC7, u'\u0627'},          {TFontScript::Baltic, 0xE0, u'\u0105'},
      {TFontScript::Vietnamese, 0xD2, u'\u0309'},      {TFontScript::Thai, 0xA1, u'\u0E01'},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CodePageOf(c.script).CharOf(c.byte), c.character) << ScriptName(c.script);
    EXPECT_EQ(CodePageOf(c.script).CharOf('A'), u'A');
  }
}

TEST(CodePageTest, DecodingKeepsOneCharacterPerByteAndTabsReadAsSpaces) {
  const QString text = CodePageOf(TFontScript::CentralEuropean).Decode("a\tb\xF3");
  EXPECT_EQ(text, QString::fromUtf8("a b\xC3\xB3"));
  EXPECT_EQ(CodePageOf(TFontScript::Utf8).Decode("\t\xC3\xB3"), QString::fromUtf8(" \xC3\xB3"));
}

TEST(CodePageTest, FileNamesAreReencodedForThePage) {
  EXPECT_EQ(CodePageOf(TFontScript::CentralEuropean).FromUtf8("Kr\xC3\xB3l \xE2\x82\xAC.txt"),
            "Kr\xF3l \x80.txt");
  EXPECT_EQ(CodePageOf(TFontScript::Cyrillic).FromUtf8("Kr\xC3\xB3l.txt"), "Kr?l.txt");
  EXPECT_EQ(CodePageOf(TFontScript::Utf8).FromUtf8("Kr\xC3\xB3l"), "Kr\xC3\xB3l");
}

}  // namespace
