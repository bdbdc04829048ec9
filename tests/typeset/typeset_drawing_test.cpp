// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/typeset_drawing.h"

#include <gmock/gmock.h>

#include "app/drawing/page_drawing.h"
#include "app/pictures/picture_page.h"
#include "app/typeset/book_typesetter.h"
#include "gif/model/page_encoder.h"
#include "support/gif_decode.h"
#include "typeset/book_fixture.h"

namespace {

// Each page drawn, written as a GIF and read back by giflib.
std::vector<DecodedGif> DrawnPages(const TTextBox& box, const document::TDocument& book, int margin) {
  TTypesetOptions options;
  options.margin = margin;
  const TTypesetBook typeset = TypesetBook(book, box.Font(), options, "book");
  TTypesetDrawing drawing(box, typeset.font);
  TPageRaster raster;
  TPageEncoder encoder;
  std::vector<DecodedGif> pages;
  for (const TTypesetPage& page : typeset.pages) {
    ClearPage(raster, box);
    drawing.Draw(raster, page);
    pages.push_back(DecodeGif(encoder.Encode(raster.Bitmap())));
  }
  return pages;
}

DecodedColor ColorAt(const DecodedGif& gif, int x, int y) {
  const DecodedFrame& frame = gif.frames.front();
  return frame.localColors[frame.pixels[static_cast<std::size_t>(y * frame.width + x)]];
}

TEST(TypesetDrawingTest, NoInkFallsInTheMarginsAndTheTextAndRuleAreDrawnInTheBoxColours) {
  TTextBox box;
  box.SetColor(clBlack);
  for (const auto& [margin, pixels] : {std::pair{12, 16}, std::pair{30, 24}}) {
    TPageFont font = box.Font();
    font.color = MakeColor(0, 255, 0);
    font.height = -pixels;
    box.SetFont(font);
    document::TDocument book = fixture::Novel();
    const document::TDocument sampler = fixture::Sampler();
    book.blocks.insert(book.blocks.end(), sampler.blocks.begin(), sampler.blocks.end());
    const std::vector<DecodedGif> pages = DrawnPages(box, book, margin);
    ASSERT_GT(pages.size(), 5u);
    for (std::size_t number = 0; number < pages.size(); ++number) {
      const DecodedGif& page = pages[number];
      ASSERT_EQ(page.screenWidth, 480);
      int ink = 0, bright = 0;
      for (int y = 0; y < 272; ++y)
        for (int x = 0; x < 480; ++x) {
          const DecodedColor color = ColorAt(page, x, y);
          if (color == DecodedColor{0, 0, 0}) continue;
          ++ink;
          bright += color == DecodedColor{0, 255, 0};
          EXPECT_TRUE(x >= margin && x < 480 - margin) << "ink at " << x << "," << y << " on page " << number;
        }
      EXPECT_GT(bright, 200) << "page " << number;
      EXPECT_LT(ink, 480 * 272 / 4);
      if (number == 0) continue;
      // The footer's rule: bright up to the page's share of the book, dimmer after it.
      const int reached =
          margin + (480 - 2 * margin) * static_cast<int>(number) / static_cast<int>(pages.size() - 1);
      int ruleRow = -1;
      for (int y = 272 - 1; y > 200 && ruleRow < 0; --y)
        if (ColorAt(page, margin, y) == DecodedColor{0, 255, 0} &&
            ColorAt(page, margin + 1, y) == DecodedColor{0, 255, 0} &&
            ColorAt(page, margin + 2, y) == DecodedColor{0, 255, 0})
          ruleRow = y;
      ASSERT_GT(ruleRow, 0) << "no rule on page " << number;
      EXPECT_EQ(ColorAt(page, reached - 2, ruleRow), (DecodedColor{0, 255, 0}));
      if (number + 1 < pages.size()) {
        EXPECT_NE(ColorAt(page, 480 - margin - 1, ruleRow), (DecodedColor{0, 255, 0}));
      }
    }
  }
}

}  // namespace

TEST(TypesetDrawingTest, APictureIsDrawnInItsRectangleAndNowhereElse) {
  TTextBox box;
  box.SetColor(clWhite);
  QImage red(40, 30, QImage::Format_RGB32);
  red.fill(qRgb(255, 0, 0));
  TTypesetPage page;
  page.pictures.push_back({std::make_shared<const QImage>(red), QRect(100, 50, 40, 30)});
  TTypesetDrawing drawing(box, box.Font());
  TPageRaster raster;
  ClearPage(raster, box);
  drawing.Draw(raster, page);
  const QImage drawn = raster.PaintTarget();
  int reds = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) reds += drawn.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_EQ(reds, 40 * 30);
  EXPECT_EQ(drawn.pixel(100, 50), qRgb(255, 0, 0));
  EXPECT_EQ(drawn.pixel(139, 79), qRgb(255, 0, 0));
}
