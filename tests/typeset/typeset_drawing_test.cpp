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
  TTypesetDrawing drawing(box);
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
  TTypesetDrawing drawing(box);
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

namespace {

double Luminance(DecodedColor color) { return 0.299 * color.r + 0.587 * color.g + 0.114 * color.b; }

}  // namespace

// The title page of a book whose title leaves its cover no room above it, drawn in the
// box's colours: written as a picture page and read back by giflib, its title and author
// lines measured against the band as drawn under them (the page drawn without them).
TEST(TypesetDrawingTest, TheCoverBandSpansThePageInItsOwnColoursAndTheTitleReadsOverIt) {
  for (const auto& [background, text] :
       {std::pair{clWhite, clBlack}, std::pair{clBlack, MakeColor(0, 255, 0)},
        std::pair{MakeColor(40, 40, 90), MakeColor(230, 230, 200)}}) {
    TTextBox box;
    box.SetColor(background);
    TPageFont font = box.Font();
    font.color = text;
    box.SetFont(font);
    const DecodedColor page{RedOf(background), GreenOf(background), BlueOf(background)};
    const DecodedColor ink{RedOf(text), GreenOf(text), BlueOf(text)};
    document::TDocument book = fixture::Novel();
    book.title = fixture::kLongTitle;
    book.cover = "cover.png";
    pictures::TBookPictures pictures = fixture::CoverPictures(300, 400);
    TTypesetPage title = TypesetBook(book, font, {}, "book", &pictures).pages[0];
    ASSERT_EQ(title.pictures.size(), 1u);
    const QRect band = title.pictures[0].rect;
    TTypesetDrawing drawing(box);
    TPageRaster raster;
    const auto drawn = [&](const TTypesetPage& typeset) {
      ClearPage(raster, box);
      drawing.Draw(raster, typeset);
      return DecodeGif(pictures::EncodePicturePage(raster.Bitmap()));
    };
    const DecodedGif withLines = drawn(title);
    ASSERT_EQ(withLines.frames.size(), 1u);
    EXPECT_LE(withLines.frames[0].localColors.size(), 256u);
    EXPECT_GT(withLines.frames[0].localColors.size(), 16u);
    const std::vector<TTypesetLine> lines = std::exchange(title.lines, {});
    const DecodedGif under = drawn(title);

    int shown = 0;
    const int middle = band.height() / 2;
    for (int x = 0; x < 480; ++x) shown += !(ColorAt(under, x, middle) == page);
    EXPECT_GT(shown, 480 * 9 / 10) << "the band spans the page";
    EXPECT_FALSE(ColorAt(under, 0, middle) == page);
    EXPECT_FALSE(ColorAt(under, 479, middle) == page);

    const double contrast = std::abs(Luminance(ink) - Luminance(page));
    int measured = 0;
    for (const TTypesetLine& line : lines) {
      if (line.y + line.height > band.bottom()) break;  // the tool's lines, below the band
      ++measured;
      double least = 255, sum = 0;
      int pixels = 0, inked = 0;
      for (int y = line.y; y < line.y + line.height; ++y)
        for (int x = static_cast<int>(line.Left()); x < static_cast<int>(line.Right()); ++x) {
          const double difference = std::abs(Luminance(ink) - Luminance(ColorAt(under, x, y)));
          least = std::min(least, difference);
          sum += difference;
          ++pixels;
          // The palette need not hold the text's colour itself, only one close to it.
          inked += std::abs(Luminance(ink) - Luminance(ColorAt(withLines, x, y))) < 0.2 * contrast;
        }
      EXPECT_GT(least, 0.5 * contrast) << line.Text();
      EXPECT_GT(sum / pixels, 0.6 * contrast) << line.Text();
      EXPECT_GT(inked, 40) << line.Text();
    }
    EXPECT_EQ(measured, 3);  // the title's two lines and the author's
  }
}
