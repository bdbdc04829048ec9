// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>

#include "app/layout/font_size.h"
#include "support/man_page.h"

namespace {

using testing::StrEq;
using testing::ThrowsMessage;

TEST(OptionsTest, ScreenAndPortraitTakeTheirValuesAndRefuseTheClassicLayout) {
  const TCliOptions large =
      ParseCommandLine({"convert", "b.epub", "--screen", "960x544", "--portrait", "b2"});
  EXPECT_EQ(large.screen, (TScreenSize{960, 544}));
  EXPECT_EQ(large.portrait, TConsoleTurn::Right);
  EXPECT_THAT(large.books, testing::ElementsAre("b.epub", "b2"));  // --portrait alone takes no value
  EXPECT_EQ(ParseCommandLine({"convert", "b.txt", "--portrait=left"}).portrait, TConsoleTurn::Left);
  EXPECT_THAT(
      [] {
        ParseCommandLine({"convert", "b.txt", "--portrait=up"});
      },
      ThrowsMessage<EUsageError>(StrEq("--portrait takes left or right, not \"up\"")));
  EXPECT_THAT(
      [] {
        ParseCommandLine({"convert", "b.txt", "--screen", "4097x300"});
      },
      ThrowsMessage<EUsageError>(StrEq(
          "--screen takes a size WxH, each side from 64 to 4096 (480x272, 960x544), not \"4097x300\"")));
  EXPECT_THAT(
      [] {
        ParseCommandLine({"convert", "b.txt", "--layout", "classic", "--portrait"});
      },
      ThrowsMessage<EUsageError>(StrEq(
          "--screen and --portrait set the pages of the book layout; the classic layout's are 480 x 272")));
}

TEST(OptionsTest, PointsBecomeTheFontDialogsPixelHeight) {
  EXPECT_EQ(PixelHeightOfPoints(12), -16);
  EXPECT_EQ(PixelHeightOfPoints(10), -13);
  EXPECT_EQ(PixelHeightOfPoints(8), -11);
}

TEST(OptionsTest, ConvertTakesEveryOption) {
  const TCliOptions o = ParseCommandLine({"convert",
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
  EXPECT_THAT(o.books, testing::ElementsAre("book.txt"));
  EXPECT_EQ(o.outputFolder, "out");
  EXPECT_EQ(o.fontFace, "Arial");
  EXPECT_EQ(o.fontHeight, -13);
  EXPECT_TRUE(o.bold && o.italic && o.underline && o.strikeOut && o.keepBlankLines);
  EXPECT_EQ(o.script, TFontScript::Cyrillic);
  EXPECT_EQ(o.textColor, MakeColor(0x00, 0xFF, 0x80));
  EXPECT_EQ(o.background, MakeColor(0x10, 0x20, 0x30));
  EXPECT_EQ(o.colorSet, 3);
  EXPECT_EQ(ParseCommandLine({"lines", "b.txt", "--script", "auto"}).script, std::nullopt);
}

TEST(OptionsTest, SeveralBooksNewOptionsHelpAndTheEndOfOptions) {
  const TCliOptions o =
      ParseCommandLine({"convert", "a.epub", "--chapter-pages", "--no-page-times", "--pages-per-folder=500",
                        "--to-card", "-j", "2", "--", "-b.txt", "--bold"});
  EXPECT_THAT(o.books, testing::ElementsAre("a.epub", "-b.txt", "--bold"));
  EXPECT_TRUE(o.chapterPages && o.toCard && !o.pageTimes && !o.bold);
  EXPECT_EQ(o.pagesPerFolder, 500);
  EXPECT_EQ(o.jobs, 2);
  EXPECT_TRUE(ParseCommandLine({"lines", "--help"}).help);
  EXPECT_TRUE(ParseCommandLine({"lines", "a.txt", "--raw"}).raw);
  EXPECT_TRUE(ParseCommandLine({"convert", "a.txt", "--compact"}).compact && !o.compact);
  EXPECT_EQ(ParseCommandLine({"--version"}).command, TCommand::Version);
}

TEST(OptionsTest, BadCommandLinesAreRefusedWithTheReason) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "no command given"},
      {{"print", "a.txt"}, "unknown command \"print\"; the commands are convert, lines, pages and encode"},
      {{"convert"}, "convert needs a book"},
      {{"lines", "a.txt", "b.txt"}, "lines takes one book: \"b.txt\" is one too many"},
      {{"lines", "a.txt", "--jobs", "2"}, "--jobs does not apply to lines"},
      {{"convert", "a.txt", "--raw"}, "--raw does not apply to convert"},
      {{"convert", "a.txt", "--to-card", "-o", "x"}, "give either -o or --to-card, not both"},
      {{"convert", "a.txt", "--pages-per-folder", "9"},
       "--pages-per-folder takes a whole number from 10 to 99999, not \"9\""},
      {{"convert", "a.txt", "--fast"}, "unknown option --fast"},
      {{"convert", "a.txt", "--font"}, "--font needs a value"},
      {{"convert", "a.txt", "--bold=yes"}, "--bold takes no value"},
      {{"lines", "a.txt", "-o", "x"}, "--output does not apply to lines"},
      {{"convert", "a.txt", "--size", "12", "--pixel-height", "16"},
       "give either --size or --pixel-height, not both"},
      {{"convert", "a.txt", "--colors", "5"}, "--colors takes a whole number from 1 to 4, not \"5\""},
      {{"convert", "a.txt", "--pixel-height", "12px"},
       "--pixel-height takes a whole number from 2 to 5000, not \"12px\""},
      {{"convert", "a.txt", "--pixel-height", "1"},
       "--pixel-height takes a whole number from 2 to 5000, not \"1\""},
      {{"convert", "a.txt", "--size", "-3"},
       "--size takes a size in points from 1.125 up to 3750, not \"-3\""},
      {{"convert", "a.txt", "--size", "1"}, "--size takes a size in points from 1.125 up to 3750, not \"1\""},
      {{"convert", "a.txt", "--size", "1e300"},
       "--size takes a size in points from 1.125 up to 3750, not \"1e300\""},
      {{"convert", "a.txt", "--text-color", "red"},
       "--text-color takes a colour as RRGGBB in hexadecimal, not \"red\""},
      {{"convert", "a.txt", "--script", "latin"},
       "--script takes auto or one of western, central-european, cyrillic, greek, turkish, hebrew, arabic, "
       "baltic, "
       "vietnamese, thai, utf-8, not \"latin\""},
      {{"convert", "a.txt", "-o", ""}, "-o needs a folder, not an empty name"},
      {{"lines", ""}, "a book's path is empty"},
      {{"convert", "-", "a.txt", "-", "-o", "x"}, "- (standard input) can be read once only"},
      {{"convert", "-"}, "convert - needs -o DIR or --to-card: standard input has no folder"},
  };
  for (const auto& c : cases)  // a plain variable: clang 14 captures no structured binding
    EXPECT_THAT([&] { ParseCommandLine(c.first); }, ThrowsMessage<EUsageError>(StrEq(c.second)));
}

TEST(OptionsTest, AnUnknownCommandIsAnsweredWithEveryCommandOfTheTable) {
  try {
    ParseCommandLine({"print", "a.txt"});
    FAIL() << "print was taken";
  } catch (const EUsageError& error) {
    for (const auto& command : CommandDefs())
      EXPECT_THAT(error.what(), testing::HasSubstr(std::string(command.name))) << command.name;
  }
}

}  // namespace

namespace {

using testing::HasSubstr;

// The names the options of `command` go by: as a synopsis shows them (the short name where
// there is one), or every name.
std::set<std::string> OptionsOf(const TCommandDef& command, bool synopsis) {
  std::set<std::string> names;
  for (const auto& option : OptionDefs()) {
    if ((option.takenBy & command.bit) == 0) continue;
    if (!synopsis || option.shortName.empty()) names.emplace(option.name);
    if (!option.shortName.empty()) names.emplace(option.shortName);
  }
  return names;
}

std::set<std::string> OptionsIn(const std::string& text) {
  std::set<std::string> names;
  const std::regex option(R"((?:^|[\s\[|(])(--?[a-z][a-z-]*))");
  for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it)
    names.insert((*it)[1].str());
  return names;
}

// The manual page shows each command with the options of the table, and describes each.
TEST(OptionsTest, TheManualPageShowsAndDescribesEveryOptionOfTheTable) {
  const std::string page = RenderedManPage("stronix-cli");
  ASSERT_FALSE(page.empty());
  for (const auto& option : OptionDefs()) {
    EXPECT_THAT(page, HasSubstr(std::string(option.name))) << option.name;
    if (!option.shortName.empty()) {
      EXPECT_THAT(page, HasSubstr(std::string(option.shortName) + ", "));
    }
  }
  const std::size_t start = page.find("SYNOPSIS"), end = page.find("DESCRIPTION");
  ASSERT_LT(start, end);
  const std::string synopsis = page.substr(start, end - start);
  for (const auto& command : CommandDefs()) {
    const std::string head = "stronix-cli " + std::string(command.name) + " ";
    const std::size_t at = synopsis.find(head);
    ASSERT_NE(at, std::string::npos) << command.name;
    const std::size_t next = synopsis.find("stronix-cli ", at + head.size());
    EXPECT_EQ(OptionsIn(synopsis.substr(at + head.size(), next - at - head.size())), OptionsOf(command, true))
        << command.name;
  }
}

// What the bash completion offers for a command line whose last word is being completed.
std::set<std::string> Completions(const std::vector<std::string>& words) {
  std::string command =
      "bash --norc --noprofile -c '"
      "source /usr/share/bash-completion/bash_completion; source \"$1\"; shift; "
      "COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); COMP_LINE=\"$*\"; COMP_POINT=${#COMP_LINE}; "
      "_stronix_cli stronix-cli \"${COMP_WORDS[COMP_CWORD]}\" \"${COMP_WORDS[COMP_CWORD - 1]}\"; "
      "printf \"%s\\n\" \"${COMPREPLY[@]}\"' complete '" STRONIX_COMPLETION "' stronix-cli";
  for (const auto& word : words) command += " '" + word + "'";
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::set<std::string> offered;
  char line[256];
  while (pipe && std::fgets(line, sizeof line, pipe.get())) {
    std::string word(line);
    if (!word.empty() && word.back() == '\n') word.pop_back();
    if (!word.empty()) offered.insert(word);
  }
  return offered;
}

TEST(OptionsTest, TheCompletionOffersTheCommandsOptionsAndValuesOfTheTable) {
  if (!std::filesystem::exists("/usr/share/bash-completion/bash_completion"))
    GTEST_SKIP() << "bash-completion is not installed";
  const std::set<std::string> commands = Completions({""});
  for (const auto& command : CommandDefs()) {
    SCOPED_TRACE(command.name);
    EXPECT_TRUE(commands.contains(std::string(command.name)));
    std::set<std::string> options = OptionsOf(command, false);
    options.insert({"--help", "--"});
    EXPECT_EQ(Completions({std::string(command.name), "-"}), options);
    for (const auto& option : OptionDefs()) {
      if ((option.takenBy & command.bit) == 0 || option.choices.empty()) continue;
      EXPECT_EQ(Completions({std::string(command.name), std::string(option.name), ""}),
                std::set<std::string>(option.choices.begin(), option.choices.end()))
          << option.name;
    }
  }
}

}  // namespace
