// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/page_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using testing::ElementsAreArray;
using testing::StrEq;
using testing::ThrowsMessage;

struct TWorkedRow {
  int fontHeight, size, linesPerPage;
  std::vector<int> textY, titleY;
};

const TWorkedRow kWorkedTable[] = {
    {-11,
     8,
     20,
     {2, 15, 28, 41, 55, 68, 81, 94, 107, 121, 134, 147, 160, 173, 187, 200, 213, 226, 239, 253},
     {13, 56, 82, 109, 135}},
    {-13,
     9,
     18,
     {2, 17, 32, 47, 62, 77, 91, 106, 121, 136, 151, 166, 181, 195, 210, 225, 240, 255},
     {14, 59, 89, 119, 148}},
    {-15, 11, 14, {3, 21, 39, 57, 75, 93, 112, 130, 148, 166, 184, 202, 220, 239}, {18, 66, 102, 138, 175}},
    {-16, 12, 13, {3, 23, 43, 63, 83, 102, 122, 142, 162, 182, 201, 221, 241}, {19, 69, 109, 148, 188}},
    {-19, 14, 11, {4, 27, 50, 73, 96, 119, 142, 165, 188, 212, 235}, {23, 76, 122, 168, 214}},
    {-24, 18, 9, {4, 34, 64, 93, 123, 153, 182, 212, 242}, {29, 89, 148, 208, 267}},
    {-32, 24, 6, {6, 46, 85, 125, 165, 204}, {39, 109, 188, 267, 346}},
};

// A size of 0 in a row stands for a height the layout refuses.
void ExpectRow(const TWorkedRow& row) {
  SCOPED_TRACE(row.fontHeight);
  if (row.size == 0) {
    EXPECT_THROW(ComputeLayout(row.fontHeight), EFontTooSmall);
    return;
  }
  const TPageLayout layout = ComputeLayout(row.fontHeight);
  EXPECT_EQ(layout.size, row.size);
  ASSERT_EQ(layout.linesPerPage, row.linesPerPage);
  std::vector<int> textY, titleY;
  for (int k = 1; k <= layout.linesPerPage; ++k) textY.push_back(TextLineY(k, layout.size));
  for (int line = 1; line <= kTitleLineCount; ++line) titleY.push_back(TitleLineY(line, layout.size));
  EXPECT_THAT(textY, ElementsAreArray(row.textY));
  EXPECT_THAT(titleY, ElementsAreArray(row.titleY));
}

TEST(PageLayoutTest, EveryRowOfTheWorkedTable) {
  for (const auto& row : kWorkedTable) ExpectRow(row);
}

// Where the extended factors part from exact decimals, or from double precision.
TEST(PageLayoutTest, ExtendedPrecisionDecidesTheBorderCases) {
  EXPECT_EQ(TitleLineY(4, 50), 524);  // 9.9 × 50 lies just below 495
  EXPECT_EQ(TextLineY(6, 10), 85);    // double precision gives 84
}

const TWorkedRow kPinnedTable[] = {
#include "layout/page_layout_table.inc"
};

// The lines must not move by a pixel on any machine, whatever arithmetic computes them.
TEST(PageLayoutTest, EveryPixelHeightUpTo200KeepsItsLines) {
  for (const auto& row : kPinnedTable) ExpectRow(row);
}

TEST(PageLayoutTest, TinyAndHugeFonts) {
  EXPECT_THAT([] { ComputeLayout(-1); },
              ThrowsMessage<EFontTooSmall>(StrEq("Czcionka jest za mała: układ strony potrzebuje co najmniej "
                                                 "2 pikseli wysokości (2 pkt). Wybierz większą czcionkę.")));
  EXPECT_EQ(ComputeLayout(-kSmallestPixelHeight).size, 1);
  // The font dialog's sizes: 2 pt is 3 pixels high, 1 pt is 1.
  EXPECT_EQ(ComputeLayout(-3).size, 2);
  EXPECT_THROW(ComputeLayout(-(kSmallestPixelHeight - 1)), EFontTooSmall);
  EXPECT_EQ(ComputeLayout(-219).size, 164);
  EXPECT_EQ(ComputeLayout(-219).linesPerPage, 0);
  EXPECT_EQ(ComputeLayout(-217).linesPerPage, 1);  // s = 162
}

}  // namespace
