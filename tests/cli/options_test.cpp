#include "cli/options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::StrEq;
using testing::ThrowsMessage;

TCliOptions Parse(std::vector<std::string> args) { return ParseCommandLine(args); }

void ExpectRefused(std::vector<std::string> args, const std::string& message) {
  EXPECT_THAT([&] { Parse(args); }, ThrowsMessage<EUsageError>(StrEq(message)));
}

TEST(OptionsTest, PointsBecomeTheFontDialogsPixelHeight) {
  EXPECT_EQ(FontHeightOfPoints(12), -16);
  EXPECT_EQ(FontHeightOfPoints(10), -13);
  EXPECT_EQ(FontHeightOfPoints(8), -11);
  EXPECT_EQ(FontHeightOfPoints(1), -1);
}

TEST(OptionsTest, ConvertTakesEveryOption) {
  const TCliOptions o = Parse({"convert",
                               "book.txt",
                               "-o",
                               "out",
                               "--font",
                               "Arial",
                               "--size",
                               "10",
                               "--bold",
                               "--italic",
                               "--underline",
                               "--strikeout",
                               "--script=cyrillic",
                               "--text-color",
                               "#00FF80",
                               "--background",
                               "102030",
                               "--colors",
                               "3",
                               "--keep-blank-lines"});
  EXPECT_EQ(o.command, TCommand::Convert);
  EXPECT_EQ(o.book, "book.txt");
  EXPECT_EQ(o.outputFolder, "out");
  EXPECT_EQ(o.fontFace, "Arial");
  EXPECT_EQ(o.fontHeight, -13);
  EXPECT_TRUE(o.bold && o.italic && o.underline && o.strikeOut && o.keepBlankLines);
  EXPECT_EQ(o.script, TFontScript::Cyrillic);
  EXPECT_EQ(o.textColor, MakeColor(0x00, 0xFF, 0x80));
  EXPECT_EQ(o.background, MakeColor(0x10, 0x20, 0x30));
  EXPECT_EQ(o.colorSet, 3);
}

TEST(OptionsTest, DefaultsLeaveTheLookToTheState) {
  const TCliOptions o = Parse({"lines", "book.txt", "--pixel-height", "20", "--script", "auto"});
  EXPECT_EQ(o.command, TCommand::Lines);
  EXPECT_EQ(o.fontHeight, -20);
  EXPECT_EQ(o.script, std::nullopt);
  EXPECT_EQ(o.outputFolder, std::nullopt);
  EXPECT_EQ(o.fontFace, std::nullopt);
  EXPECT_FALSE(o.keepBlankLines);
  EXPECT_EQ(Parse({"--help"}).command, TCommand::Help);
}

TEST(OptionsTest, BadCommandLinesAreRefusedWithTheReason) {
  ExpectRefused({}, "no command given");
  ExpectRefused({"print", "a.txt"}, "unknown command \"print\"; the commands are convert and lines");
  ExpectRefused({"convert"}, "convert needs a book: a text file");
  ExpectRefused({"convert", "a.txt", "b.txt"}, "only one book at a time: \"b.txt\" is one too many");
  ExpectRefused({"convert", "a.txt", "--fast"}, "unknown option --fast");
  ExpectRefused({"convert", "a.txt", "--font"}, "--font needs a value");
  ExpectRefused({"convert", "a.txt", "--bold=yes"}, "--bold takes no value");
  ExpectRefused({"lines", "a.txt", "-o", "x"}, "--output does not apply to lines");
  ExpectRefused({"convert", "a.txt", "--size", "12", "--pixel-height", "16"},
                "give either --size or --pixel-height, not both");
}

TEST(OptionsTest, BadValuesAreRefusedWithTheReason) {
  ExpectRefused({"convert", "a.txt", "--colors", "5"},
                "--colors takes a whole number from 1 to 4, not \"5\"");
  ExpectRefused({"convert", "a.txt", "--pixel-height", "0"},
                "--pixel-height takes a whole number from 1 to 5000, not \"0\"");
  ExpectRefused({"convert", "a.txt", "--pixel-height", "12px"},
                "--pixel-height takes a whole number from 1 to 5000, not \"12px\"");
  ExpectRefused({"convert", "a.txt", "--size", "-3"},
                "--size takes a size in points above 0 and up to 3750, not \"-3\"");
  ExpectRefused({"convert", "a.txt", "--size", "nan"},
                "--size takes a size in points above 0 and up to 3750, not \"nan\"");
  ExpectRefused({"convert", "a.txt", "--size", "1e300"},
                "--size takes a size in points above 0 and up to 3750, not \"1e300\"");
  ExpectRefused({"convert", "a.txt", "--text-color", "red"},
                "--text-color takes a colour as RRGGBB in hexadecimal, not \"red\"");
  ExpectRefused({"convert", "a.txt", "--background", "12345"},
                "--background takes a colour as RRGGBB in hexadecimal, not \"12345\"");
  ExpectRefused({"convert", "a.txt", "--script", "latin"},
                "--script takes auto or one of western, central-european, cyrillic, greek, turkish, hebrew, "
                "arabic, baltic, vietnamese, thai, utf-8, not \"latin\"");
}

}  // namespace
