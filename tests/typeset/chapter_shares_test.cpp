// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/chapter_shares.h"

#include <gmock/gmock.h>

#include <thread>

#include "app/typeset/hyphenator.h"
#include "typeset/book_fixture.h"

namespace {

using namespace fixture;

TEST(ChapterSharesTest, ChaptersSetOnSeveralCoresJoinIntoTheColumnOneCoreSets) {
  if (std::thread::hardware_concurrency() < 2) GTEST_SKIP() << "one core";
  document::TDocument book;
  for (int chapter = 0; chapter < 12; ++chapter) {
    book.blocks.push_back(
        Text(TBlockKind::ChapterStart, chapter % 3 ? "Chapter " + std::to_string(chapter) : ""));
    for (int i = 0; i < 400; ++i) book.blocks.push_back(Text(TBlockKind::Paragraph, Words(5 + i % 40, i)));
    book.blocks.push_back(Text(TBlockKind::Note, "A note.", 0, "1"));
    book.blocks.push_back(Text(TBlockKind::Heading, "Closing", 2));
  }
  const auto hyphenator = THyphenator::ForLanguage("en-US");
  const TFlowSettings settings{12, 468, {TAlign::Justify, hyphenator.get(), false}};
  TFaceSet faces{TPageFont()};
  const TBookFlow one = SetBlocks(book.blocks, settings, faces);
  const TBookFlow shared = SetChapterShares(book.blocks, settings, faces, TPageFont(), "en-US");
  ASSERT_EQ(shared.lines.size(), one.lines.size());
  for (std::size_t i = 0; i < one.lines.size(); ++i) {
    ASSERT_EQ(shared.lines[i].line.Text(), one.lines[i].line.Text()) << i;
    ASSERT_EQ(shared.lines[i].newPage, one.lines[i].newPage) << i;
    ASSERT_EQ(shared.lines[i].keepWithNext, one.lines[i].keepWithNext) << i;
    ASSERT_EQ(shared.lines[i].chapter, one.lines[i].chapter) << i;
  }
  ASSERT_EQ(shared.chapters.size(), one.chapters.size());
  for (std::size_t i = 0; i < one.chapters.size(); ++i) {
    EXPECT_EQ(shared.chapters[i].title, one.chapters[i].title);
    EXPECT_EQ(shared.chapters[i].firstLine, one.chapters[i].firstLine);
  }
}

}  // namespace
