// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/text_builder.h"

#include <gmock/gmock.h>

#include "app/books/book.h"
#include "books/book_fixtures.h"

using ::testing::ElementsAre;

TEST(TextBuilder, ChapterMarkIsALineOfItsOwn) {
  books::TTextBuilder builder(1000);
  builder.Text("one");
  builder.Chapter();
  builder.Text("two");
  EXPECT_THAT(Lines(builder.Finish()), ElementsAre("one", "", kChapterMark, "two"));
}

TEST(TextBuilder, CollapsesWhiteSpaceAcrossTextPieces) {
  books::TTextBuilder builder(1000);
  builder.Text("  one \t\n two ");
  builder.Text(" three");
  builder.Text("four\x01 ");
  builder.EndLine();
  builder.Text("\xC2\xA0kept");
  EXPECT_THAT(Lines(builder.Finish()), ElementsAre("one two threefour", "\xC2\xA0kept"));
}

TEST(TextBuilder, HeadingsStandBetweenSingleBlankLines) {
  books::TTextBuilder builder(1000);
  builder.BeginHeading();
  builder.Text("Title");
  builder.EndHeading();
  builder.Break();
  builder.Break();
  builder.BeginHeading();
  builder.Text("Sub");
  builder.EndHeading();
  builder.Text("text");
  builder.Break();
  builder.Text("more");
  builder.Blank();
  EXPECT_THAT(Lines(builder.Finish()), ElementsAre("Title", "", "Sub", "", "text", "more"));
}

TEST(TextBuilder, ChapterMarksSkipTheStartAndEmptyChapters) {
  books::TTextBuilder builder(1000);
  builder.Chapter();
  builder.Text("one");
  builder.Chapter();
  builder.Chapter();
  builder.HeadingChapter();  // nothing but the mark since: no second mark
  builder.BeginHeading();
  builder.Text("Two");
  builder.EndHeading();
  builder.HeadingChapter();  // only a heading since the mark: title and subtitle stay together
  builder.BeginHeading();
  builder.Text("Subtitle");
  builder.EndHeading();
  builder.Text("body");
  builder.HeadingChapter();
  builder.Text("three");
  builder.Chapter();
  EXPECT_THAT(Lines(builder.Finish()),
              ElementsAre("one", "", "\f", "Two", "", "Subtitle", "", "body", "", "\f", "three"));
}

TEST(TextBuilder, PreformattedTextKeepsItsLines) {
  books::TTextBuilder builder(1000);
  builder.PreText("a  b\r\n\tc\n\n\nd");
  EXPECT_THAT(Lines(builder.Finish()), ElementsAre("a  b", "\tc", "", "d"));
}

TEST(TextBuilder, RefusesTextPastItsCapacity) {
  books::TTextBuilder builder(10);
  builder.Text("12345");
  builder.EndLine();  // 7 bytes with CR LF
  EXPECT_THAT([&] { builder.Text("abc"); },
              ::testing::ThrowsMessage<EOutOfResources>("Text exceeds memo capacity"));
}

TEST(TextBuilder, ReplacesBytesThatAreNoUtf8) {
  books::TTextBuilder builder(1000);
  builder.Text("a\xC3 b\xED\xA0\x80 \xF4\x90\x80\x80 \xC5\xBC");
  EXPECT_THAT(Lines(builder.Finish()),
              ElementsAre("a\xEF\xBF\xBD b\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD "
                          "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD \xC5\xBC"));
}
