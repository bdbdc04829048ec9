// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/pagination.h"

#include <gmock/gmock.h>

namespace {

using testing::ElementsAre;

TEST(PaginationTest, ChapterPagesNeverBeginBlankNorAreBlankThroughout) {
  // A chapter of exactly one page, the blank line before the next chapter's mark, a
  // chapter whose page break falls on a paragraph's blank line.
  const TLineViews lines = {"a", "b", "", "\f", "c", "d", "", "e", "", "\f", "", "f"};
  EXPECT_THAT(Paginate(lines, 2, true),
              ElementsAre(TPageSpan{0, 2}, TPageSpan{4, 2}, TPageSpan{7, 2}, TPageSpan{11, 1}));
  // Without chapter pages the lines fill the pages as they come, blank or not.
  EXPECT_THAT(Paginate(lines, 4, false), ElementsAre(TPageSpan{0, 4}, TPageSpan{4, 4}, TPageSpan{8, 4}));
}

}  // namespace
