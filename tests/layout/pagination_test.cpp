// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/pagination.h"

#include <gmock/gmock.h>

namespace {

using testing::ElementsAre;

TEST(PaginationTest, ChapterPagesNeverBeginBlankNorAreBlankThroughout) {
  // A chapter of exactly one page, the blank line before the next chapter's mark, a
  // chapter whose page break falls on a paragraph's blank line.
  const TLineList lines(
      std::make_shared<const std::string>("a\r\nb\r\n\r\n\f\r\nc\r\nd\r\n\r\ne\r\n\r\n\f\r\n\r\nf"),
      TPageFont());
  const std::vector<TPageSpan> pages = Paginate(lines, 2, true);
  EXPECT_THAT(pages, ElementsAre(TPageSpan{0, 2}, TPageSpan{4, 2}, TPageSpan{7, 2}, TPageSpan{11, 1}));
  // Each page is read from where it starts.
  EXPECT_EQ(lines.From(pages[2].place).Next(), "e");
  EXPECT_EQ(lines.From(pages[3].place).Next(), "f");
  // Without chapter pages the lines fill the pages as they come, blank or not.
  EXPECT_THAT(Paginate(lines, 4, false), ElementsAre(TPageSpan{0, 4}, TPageSpan{4, 4}, TPageSpan{8, 4}));
}

}  // namespace
