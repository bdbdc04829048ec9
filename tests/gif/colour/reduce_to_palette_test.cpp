// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/reduce_to_palette.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gif/colour/fixed_palettes.h"
#include "gif/colour/optimized_palette.h"
#include "gif/colour/pictures.h"
#include "platform/exceptions.h"

namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

constexpr Rgb kWhite{255, 255, 255};

// The page path computed independently: level (v + 3) / 51 per channel, red outermost.
int CubeIndex(Rgb c) { return 36 * ((c.r + 3) / 51) + 6 * ((c.g + 3) / 51) + (c.b + 3) / 51; }

std::unique_ptr<TBitmap> ReducePage(TBitmap& source) {
  return ReduceToPalette(source, TReductionMethod::WebCube216, TDitherMethod::Nearest, 8, nullptr);
}

TEST(ReduceToPaletteTest, WhitePageBecomesIndex215WithTheCubeThenBlackInTheTable) {
  TBitmap page = DevicePicture(480, 272, [](int, int) { return kWhite; });
  const auto result = ReducePage(page);

  EXPECT_EQ(page.PixelFormat(), pf24bit);
  ASSERT_EQ(result->PixelFormat(), pf8bit);
  EXPECT_EQ(result->Width(), 480);
  EXPECT_EQ(result->Height(), 272);
  EXPECT_EQ(result->Stride(), 480);
  EXPECT_THAT(Indices(*result), Each(215));
  ASSERT_EQ(result->ColorTable().size(), 256u);
  EXPECT_EQ(TableColor(*result, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(TableColor(*result, 36), (Rgb{51, 0, 0}));
  EXPECT_EQ(TableColor(*result, 215), kWhite);
  for (int i = 216; i < 256; ++i) EXPECT_EQ(TableColor(*result, i), (Rgb{0, 0, 0})) << i;
}

TEST(ReduceToPaletteTest, PagePixelsGetTheirCubeIndexAndThePictureSurvivesInTwentyFourBits) {
  auto colorAt = [](int x, int y) { return Rgb{x * 4 % 256, y * 5 % 256, (x * 7 + y * 3) % 256}; };
  TBitmap page = DevicePicture(67, 53, colorAt);
  const auto result = ReducePage(page);

  const std::vector<std::uint8_t> indices = Indices(*result);
  for (int y = 0; y < 53; ++y)
    for (int x = 0; x < 67; ++x) {
      const Rgb c = colorAt(x, y);
      ASSERT_EQ(indices[static_cast<std::size_t>(y * 67 + x)], CubeIndex(c)) << x << "," << y;
      const std::uint8_t* p = page.ScanLine(y) + 3 * x;
      ASSERT_EQ((Rgb{p[2], p[1], p[0]}), c);
    }
}

TEST(ReduceToPaletteTest, MethodNoneReturnsATwentyFourBitCopyAndLeavesTheSource) {
  TBitmap source = DevicePicture(5, 3, [](int x, int y) { return Rgb{x * 50, y * 80, 7}; });
  const TBitmap before = source;
  const auto result = ReduceToPalette(source, TReductionMethod::None, TDitherMethod::Nearest, 8, nullptr);

  EXPECT_EQ(source.PixelFormat(), pfDevice);
  EXPECT_EQ(std::vector<std::uint8_t>(source.ScanLine(2), source.ScanLine(2) + 20),
            std::vector<std::uint8_t>(before.ScanLine(2), before.ScanLine(2) + 20));
  ASSERT_EQ(result->PixelFormat(), pf24bit);
  const std::uint8_t* p = result->ScanLine(2) + 3 * 4;
  EXPECT_THAT(std::vector<int>(p, p + 3), ElementsAre(7, 160, 200));
}

TEST(ReduceToPaletteTest, UnknownSettingsOrNoColoursGiveAnEmptyBitmapWithoutError) {
  TBitmap source = Picture24(4, 4, [](int, int) { return kWhite; });
  const TPalette empty;
  EXPECT_TRUE(ReduceToPalette(source, TReductionMethod::WebCube216, static_cast<TDitherMethod>(7), 8, nullptr)
                  ->Empty());
  EXPECT_TRUE(ReduceToPalette(source, static_cast<TReductionMethod>(10), TDitherMethod::Nearest, 8, nullptr)
                  ->Empty());
  EXPECT_TRUE(
      ReduceToPalette(source, TReductionMethod::CustomPalette, TDitherMethod::Nearest, 8, nullptr)->Empty());
  EXPECT_TRUE(
      ReduceToPalette(source, TReductionMethod::CustomPalette, TDitherMethod::Nearest, 8, &empty)->Empty());
}

TEST(ReduceToPaletteTest, PaletteBitsOutsideZeroToEightFailForOptimized) {
  TBitmap source = Picture24(4, 4, [](int x, int) { return Rgb{x * 60, 0, 0}; });
  for (int bits : {-1, 9, 31})
    EXPECT_THAT(
        [&] { ReduceToPalette(source, TReductionMethod::Optimized, TDitherMethod::Nearest, bits, nullptr); },
        ThrowsMessage<GIFException>(StrEq("Palette bits out of range")));
  // Zero bits is a one-colour palette: the mean colour.
  const auto result =
      ReduceToPalette(source, TReductionMethod::Optimized, TDitherMethod::Nearest, 0, nullptr);
  EXPECT_THAT(Indices(*result), Each(0));
  EXPECT_EQ(TableColor(*result, 0), (Rgb{90, 0, 0}));
}

TEST(ReduceToPaletteTest, TheWalkIsSerpentineEvenForNearest) {
  // (8,8,8) and (15,15,15) share a cache cell. Row 1 runs right to left, so (15,15,15)
  // claims the cell for the grey 16 first and (8,8,8), a tie that would go to black, follows it.
  const TPalette palette({{0, 0, 0, 0}, {16, 16, 16, 0}});
  TBitmap source = Picture24(2, 2, [](int x, int y) {
    return y == 0 ? kWhite : x == 0 ? Rgb{8, 8, 8} : Rgb{15, 15, 15};
  });
  const auto result =
      ReduceToPalette(source, TReductionMethod::CustomPalette, TDitherMethod::Nearest, 8, &palette);
  EXPECT_THAT(Indices(*result), ElementsAre(1, 1, 1, 1));
}

TEST(ReduceToPaletteTest, AOnePixelWideColumnMapsEveryRow) {
  TBitmap source = Picture24(1, 5, [](int, int y) { return Rgb{y * 60, y * 60, y * 60}; });
  const auto result = ReducePage(source);
  EXPECT_THAT(Indices(*result), ElementsAre(0, 43, 86, 129, 172));
}

TEST(ReduceToPaletteTest, PicturesOverHalfAMillionPixelsStillGiveEightBits) {
  TBitmap source = Picture24(1000, 501, [](int x, int) { return Rgb{x % 256, 0, 0}; });
  const auto result = ReducePage(source);
  ASSERT_EQ(result->PixelFormat(), pf8bit);
  EXPECT_EQ(result->Width(), 1000);
  EXPECT_EQ(result->Height(), 501);
  EXPECT_EQ(result->ScanLine(500)[255], CubeIndex({255, 0, 0}));
}

TEST(ReduceToPaletteTest, AnEmptyPictureCannotBeWritten) {
  TBitmap empty;
  EXPECT_THAT([&] { ReducePage(empty); }, ThrowsMessage<GIFException>(StrEq("Invalid image dimensions")));
}

struct MethodCase {
  TReductionMethod method;
  std::function<TPaletteHandle(TBitmap&)> palette;
};

std::vector<MethodCase> MethodCases() {
  return {
      {TReductionMethod::System20, [](TBitmap&) { return BuildSystemPalette(); }},
      {TReductionMethod::Halftone256, [](TBitmap&) { return BuildHalftonePalette(); }},
      {TReductionMethod::SystemGray4, [](TBitmap&) { return BuildSystemGrayPalette(); }},
      {TReductionMethod::Monochrome, [](TBitmap&) { return BuildMonochromePalette(); }},
      {TReductionMethod::GrayScale256, [](TBitmap&) { return BuildGrayPalette(); }},
      {TReductionMethod::WebCube216, [](TBitmap&) { return BuildWebCubePalette(); }},
      {TReductionMethod::Optimized,
       [](TBitmap& b) { return BuildOptimizedPaletteFromBitmap(b, 16, 8, false); }},
      {TReductionMethod::OptimizedSystem,
       [](TBitmap& b) { return BuildOptimizedPaletteFromBitmap(b, 256, 8, true); }},
      {TReductionMethod::CustomPalette,
       [](TBitmap&) {
         return std::make_unique<TPalette>(
             std::vector<TPaletteEntry>{{10, 200, 30, 0}, {250, 5, 5, 0}, {0, 0, 90, 0}});
       }},
  };
}

TEST(ReduceToPaletteTest, EveryMethodWithEveryDitherGivesEightBitsOverItsPalette) {
  auto colorAt = [](int x, int y) { return Rgb{x * 23 % 256, y * 41 % 256, (x * y * 13) % 256}; };
  const TPaletteHandle custom = MethodCases().back().palette(*std::make_unique<TBitmap>());
  for (const MethodCase& c : MethodCases())
    for (int dither = 0; dither <= 6; ++dither) {
      SCOPED_TRACE(testing::Message() << "method " << int(c.method) << " dither " << dither);
      TBitmap source = Picture24(11, 7, colorAt);
      TBitmap copy = source;
      const TPaletteHandle expected = c.palette(copy);
      const auto result =
          ReduceToPalette(source, c.method, static_cast<TDitherMethod>(dither), 4, custom.get());

      ASSERT_EQ(result->PixelFormat(), pf8bit);
      ASSERT_EQ(result->Width(), 11);
      ASSERT_EQ(result->Height(), 7);
      ASSERT_EQ(result->ColorTable().size(), 256u);
      for (int i = 0; i < 256; ++i) {
        const TPaletteEntry e = i < expected->Count() ? (*expected)[i] : TPaletteEntry{};
        ASSERT_EQ(TableColor(*result, i), (Rgb{e.red, e.green, e.blue})) << i;
      }
      for (std::uint8_t index : Indices(*result)) ASSERT_LT(index, expected->Count());
    }
}

TEST(ReduceToPaletteTest, APictureAlreadyInThePaletteComesThroughUnchangedByEveryDither) {
  // Cube colours only: no pixel has an error to pass on, so every walker maps exactly.
  auto colorAt = [](int x, int y) { return Rgb{(x % 6) * 51, (y % 6) * 51, ((x + y) % 6) * 51}; };
  for (int dither = 0; dither <= 6; ++dither) {
    TBitmap source = Picture24(13, 9, colorAt);
    const auto result =
        ReduceToPalette(source, TReductionMethod::WebCube216, static_cast<TDitherMethod>(dither), 8, nullptr);
    const std::vector<std::uint8_t> indices = Indices(*result);
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 13; ++x)
        ASSERT_EQ(indices[static_cast<std::size_t>(y * 13 + x)], CubeIndex(colorAt(x, y))) << dither;
  }
}

}  // namespace
