// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gif/colour/pictures.h"
#include "gif/model/graphic_control_extension.h"
#include "gif/model/image.h"
#include "gif/model/model_fixtures.h"
#include "gif/model/sub_image.h"
#include "platform/exceptions.h"
#include "support/gif_decode.h"

using model_test::Colors;
using model_test::PixelsOf;
using model_test::SavedBytes;
using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;

// A page-like raster: white with a few black and grey strokes, in the display format.
TBitmap PageRaster(int width = 480, int height = 272) {
  return DevicePicture(width, height, [](int x, int y) {
    if (y % 20 == 5 && x % 7 < 3) return Rgb{0, 0, 0};
    if (y % 20 == 6 && x % 7 < 3) return Rgb{128, 128, 128};
    return Rgb{255, 255, 255};
  });
}

struct ProgressCall {
  TProgressStage stage;
  int percent;
  friend bool operator==(const ProgressCall&, const ProgressCall&) = default;
};

TEST(FrameImportTest, PageRasterBecomesOneFrameOfCubeIndices) {
  TBitmap page = PageRaster();
  TGIFImage image;
  image.AssignFrom(&page);

  ASSERT_EQ(image.Images().Count(), 1);
  TGIFSubImage& frame = image.Images()[0];
  EXPECT_EQ(frame.Left(), 0);
  EXPECT_EQ(frame.Width(), 480);
  EXPECT_EQ(frame.Height(), 272);
  EXPECT_EQ(image.Width(), 480);
  EXPECT_EQ(image.Height(), 272);
  EXPECT_EQ(page.PixelFormat(), pf24bit) << "the reduction converts the caller's raster in place";

  TGIFColorMap& map = frame.ColorMap();
  ASSERT_EQ(map.Count(), 256);
  EXPECT_EQ(map.ColorAt(215), 0xFFFFFFu);
  EXPECT_EQ(map.ColorAt(86), 0x666666u);
  for (int i = 216; i < 256; ++i) EXPECT_EQ(map.ColorAt(i), 0u);
  EXPECT_EQ(frame.PixelAt(0, 0), 215);
  EXPECT_EQ(frame.PixelAt(0, 5), 0);
  EXPECT_EQ(frame.PixelAt(1, 6), 86);
  ASSERT_NE(frame.BitmapCache(), nullptr);
  EXPECT_EQ(PixelsOf(frame), Indices(*frame.BitmapCache()));
}

TEST(FrameImportTest, WrittenPageDecodesToTheFramePixels) {
  TBitmap page = PageRaster();
  TGIFImage image;
  image.AssignFrom(&page);
  const auto bytes = SavedBytes(image);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF87a");
  EXPECT_EQ(bytes[10], 0x77);
  EXPECT_EQ(bytes[22], 0x87);

  const DecodedGif decoded = DecodeGif(bytes);
  ASSERT_EQ(decoded.frames.size(), 1u);
  EXPECT_EQ(decoded.frames[0].pixels, PixelsOf(image.Images()[0]));
  EXPECT_EQ(decoded.frames[0].localColors[215], (DecodedColor{255, 255, 255}));
}

TEST(FrameImportTest, IndexedRastersAreTakenOverWithoutReduction) {
  TGIFImage image;
  TGIFSubImage frame(image);

  TBitmap eight(3, 1, pf8bit);
  std::vector<TRGBQuad> table(16);
  for (int i = 0; i < 16; ++i) table[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i), 0, 0, 0};
  eight.SetColorTable(table);
  eight.ScanLine(0)[0] = 15;
  eight.ScanLine(0)[1] = 7;
  frame.AssignFrom(&eight);
  EXPECT_EQ(frame.ColorMap().Count(), 16);
  EXPECT_EQ(frame.ColorMap().ColorAt(15), 0x0F0000u);
  EXPECT_THAT(PixelsOf(frame), ElementsAre(15, 7, 0));
  EXPECT_EQ(eight.PixelFormat(), pf8bit);

  TBitmap four(2, 1, pf4bit);
  four.SetColorTable(std::vector<TRGBQuad>(16));
  four.ScanLine(0)[0] = 0x3A;
  frame.AssignFrom(&four);
  EXPECT_THAT(PixelsOf(frame), ElementsAre(3, 10));

  TBitmap one(10, 1, pf1bit);
  one.SetColorTable({{0, 0, 0, 0}, {255, 255, 255, 0}});
  one.ScanLine(0)[0] = 0x80;
  one.ScanLine(0)[1] = 0x40;
  frame.AssignFrom(&one);
  EXPECT_THAT(PixelsOf(frame), ElementsAre(1, 0, 0, 0, 0, 0, 0, 0, 0, 1));
  EXPECT_EQ(frame.ColorMap().Count(), 2);
}

TEST(FrameImportTest, TrueColourWithoutReductionListsColoursInOrderOfAppearance) {
  TGIFImage image;
  image.ReductionMethod = TReductionMethod::None;
  TGIFSubImage frame(image);
  TBitmap picture = Picture24(3, 2, [](int x, int y) {
    if (y == 1) return Rgb{0, 255, 0};
    return x == 1 ? Rgb{0, 0, 255} : Rgb{255, 0, 0};
  });
  frame.AssignFrom(&picture);
  EXPECT_THAT(Colors(frame.ColorMap()), ElementsAre(kRed, kBlue, 0x00FF00u));
  EXPECT_THAT(PixelsOf(frame), ElementsAre(0, 1, 0, 2, 2, 2));
}

TEST(FrameImportTest, MoreThan256ColoursOverflowAndLeaveTheImageEmpty) {
  TGIFImage image;
  image.ReductionMethod = TReductionMethod::None;
  TBitmap picture = Picture24(257, 1, [](int x, int) { return Rgb{x % 256, x / 256, 0}; });
  EXPECT_THAT([&] { image.AssignFrom(&picture); },
              ThrowsMessage<GIFException>(StrEq("Color table overflow")));
  EXPECT_EQ(image.Images().Count(), 0);
}

TEST(FrameImportTest, EmptyReductionFailsInsteadOfReadingMissingRows) {
  TGIFImage image;
  image.DitherMethod = static_cast<TDitherMethod>(7);
  TBitmap page = PageRaster(8, 8);
  EXPECT_THAT([&] { image.AssignFrom(&page); },
              ThrowsMessage<GIFException>(StrEq("Color reduction produced no image")));
  EXPECT_EQ(image.Images().Count(), 0);
}

TEST(FrameImportTest, EmptySourceLeavesAnEmptyFrameAndReportsNothing) {
  TGIFImage image;
  int reports = 0;
  image.ProgressHandler = [&](TObject*, TProgressStage, std::uint8_t, bool, const TRect&, std::string_view) {
    ++reports;
  };
  TGIFSubImage frame(image);
  TBitmap empty;
  frame.AssignFrom(&empty);
  EXPECT_TRUE(frame.Empty());
  EXPECT_EQ(frame.ColorMap().Count(), 0);
  EXPECT_EQ(reports, 0);
}

TEST(FrameImportTest, ProgressIsReportedEvery32Rows) {
  TGIFImage image;
  std::vector<ProgressCall> calls;
  image.ProgressHandler = [&](TObject*, TProgressStage stage, std::uint8_t percent, bool, const TRect&,
                              std::string_view message) {
    EXPECT_EQ(message, "Converting...");
    calls.push_back({stage, percent});
  };
  TGIFSubImage frame(image);
  TBitmap picture = PageRaster(4, 100);
  frame.AssignFrom(&picture);
  using S = TProgressStage;
  EXPECT_THAT(calls, ElementsAre(ProgressCall{S::Starting, 0}, ProgressCall{S::Running, 0},
                                 ProgressCall{S::Running, 32}, ProgressCall{S::Running, 64},
                                 ProgressCall{S::Running, 96}, ProgressCall{S::Ending, 100}));
}

TEST(FrameImportTest, UsesTheImageSettingsAtTheTimeOfTheCall) {
  TGIFImage image;
  image.ReductionMethod = TReductionMethod::GrayScale256;
  TBitmap picture = Picture24(2, 1, [](int x, int) { return x ? Rgb{255, 0, 0} : Rgb{255, 255, 255}; });
  image.AssignFrom(&picture);
  TGIFSubImage& frame = image.Images()[0];
  EXPECT_THAT(PixelsOf(frame), ElementsAre(255, 76));
  EXPECT_EQ(frame.ColorMap().ColorAt(76), 0x4C4C4Cu);
}

TEST(FrameImportTest, MaskedPixelsBecomeATransparentColour) {
  TGIFImage image;
  image.ReductionMethod = TReductionMethod::None;
  TBitmap picture = Picture24(4, 1, [](int x, int) { return x < 3 ? Rgb{255, 0, 0} : Rgb{0, 0, 255}; });
  auto mask = std::make_unique<TBitmap>(4, 1, pf1bit);
  mask->SetColorTable({{0, 0, 0, 0}, {255, 255, 255, 0}});
  mask->ScanLine(0)[0] = 0x10;  // pixel 3, the blue one
  picture.SetMask(std::move(mask));
  picture.Transparent = true;
  image.AssignFrom(&picture);

  TGIFSubImage& frame = image.Images()[0];
  // Sorted by use before the mask is applied, then black appended as the transparent colour.
  EXPECT_THAT(Colors(frame.ColorMap()), ElementsAre(kRed, kBlue, 0u));
  EXPECT_THAT(PixelsOf(frame), ElementsAre(0, 0, 0, 2));
  ASSERT_NE(frame.ControlExtension(), nullptr);
  EXPECT_TRUE(frame.ControlExtension()->Transparent());
  EXPECT_EQ(frame.ControlExtension()->TransparentColorIndex(), 2);
  EXPECT_TRUE(frame.HasTransparency());

  const auto bytes = SavedBytes(image);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");
  EXPECT_THAT(DecodeGif(bytes).frames[0].pixels, ElementsAre(0, 0, 0, 2));
}

TEST(FrameImportTest, EmptyMaskAddsNoTransparency) {
  TGIFImage image;
  image.ReductionMethod = TReductionMethod::None;
  TBitmap picture = Picture24(2, 1, [](int x, int) { return x ? Rgb{255, 0, 0} : Rgb{0, 0, 255}; });
  auto mask = std::make_unique<TBitmap>(2, 1, pf1bit);
  mask->SetColorTable({{0, 0, 0, 0}, {255, 255, 255, 0}});
  picture.SetMask(std::move(mask));
  picture.Transparent = true;
  image.AssignFrom(&picture);
  TGIFSubImage& frame = image.Images()[0];
  EXPECT_EQ(frame.ColorMap().Count(), 2);
  EXPECT_EQ(frame.ControlExtension(), nullptr);
  EXPECT_EQ(frame.Extensions().Count(), 0);
}

// Every reduction method with every dither method gives a frame that an independent
// decoder reads back to exactly its pixels and colours.
TEST(FrameImportTest, EveryMethodAndDitherDecodesToTheFrame) {
  for (int method = 0; method <= 8; ++method) {
    for (int dither = 0; dither <= 6; ++dither) {
      SCOPED_TRACE(testing::Message() << "method " << method << " dither " << dither);
      TGIFImage image;
      image.ReductionMethod = static_cast<TReductionMethod>(method);
      image.DitherMethod = static_cast<TDitherMethod>(dither);
      image.PaletteBits = 4;
      TBitmap picture = Picture24(13, 7, [](int x, int y) { return Rgb{x * 19, y * 36, (x * y * 7) % 256}; });
      image.AssignFrom(&picture);
      TGIFSubImage& frame = image.Images()[0];
      const DecodedGif decoded = DecodeGif(SavedBytes(image));
      ASSERT_EQ(decoded.frames.size(), 1u);
      EXPECT_EQ(decoded.frames[0].pixels, PixelsOf(frame));
      TGIFColorMap& map = frame.ColorMap();
      for (int i = 0; i < map.Count(); ++i) {
        const TGIFColor c = ColorToTriplet(map.ColorAt(i));
        ASSERT_EQ(decoded.frames[0].localColors[static_cast<std::size_t>(i)],
                  (DecodedColor{c.Red, c.Green, c.Blue}));
      }
    }
  }
}

}  // namespace
