// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/image.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "gif/colour/fixed_palettes.h"
#include "model_fixtures.h"
#include "platform/exceptions.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StrEq;
using ::testing::ThrowsMessage;
using namespace model_test;

namespace {

struct Progress {
  const TObject* sender;
  TProgressStage stage;
  int percent;
  std::string message;
  friend bool operator==(const Progress&, const Progress&) = default;
};

void CollectProgress(TGraphic& graphic, std::vector<Progress>& into) {
  graphic.ProgressHandler = [&into](TObject* sender, TProgressStage stage, std::uint8_t percent, bool,
                                    const TRect&, std::string_view message) {
    into.push_back({sender, stage, percent, std::string(message)});
  };
}

// A graphic whose emptiness cannot be asked: the import fails with a non-conversion error.
class BrokenGraphic : public TGraphic {
public:
  std::string_view ClassName() const override { return "BrokenGraphic"; }
  bool Empty() const override { throw std::runtime_error("broken"); }
  int Width() const override { return 1; }
  int Height() const override { return 1; }
};

TEST(ImageTest, NewImageIsEmptyWithTheDefaultSettings) {
  TGIFImage image;
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Height(), 0);
  EXPECT_EQ(image.Header().ColorMap().Count(), 0);
  EXPECT_EQ(image.Header().PackedFields, 0x77);
  EXPECT_EQ(image.DrawFlags, 0x060F);
  EXPECT_EQ(image.ReductionMethod, TReductionMethod::WebCube216);
  EXPECT_EQ(image.PaletteBits, 8);
  EXPECT_EQ(image.DitherMethod, TDitherMethod::Nearest);
  EXPECT_EQ(image.CompressionMethod, 0);
  EXPECT_EQ(image.RequiredVersion(), 0);
  EXPECT_EQ(image.Palette(), nullptr);
}

TEST(ImageTest, DefaultsAreCopiedAtConstruction) {
  const TGIFImageDefaults saved = GIFImageDefaults;
  TGIFImage before;
  GIFImageDefaults.PaletteBits = 4;
  GIFImageDefaults.CompressionMethod = kCompressRLE;
  TGIFImage after;
  GIFImageDefaults = saved;
  EXPECT_EQ(before.PaletteBits, 8);
  EXPECT_EQ(after.PaletteBits, 4);
  EXPECT_EQ(after.CompressionMethod, kCompressRLE);
}

TEST(ImageTest, ScreenCannotShrinkBelowAFrame) {
  TGIFImage image;
  AddFrame(image, 10, 5, 20, 10, {1}, {});
  EXPECT_THAT([&] { image.SetWidth(29); },
              ThrowsMessage<GIFException>(StrEq("Image width too small for contained frames")));
  EXPECT_THAT([&] { image.SetHeight(14); },
              ThrowsMessage<GIFException>(StrEq("Image height too small for contained frames")));
  EXPECT_EQ(image.Width(), 30);
  int changes = 0;
  image.ChangeHandler = [&](TObject*) { ++changes; };
  image.SetWidth(30);
  EXPECT_EQ(changes, 0);  // unchanged: no notification
  image.SetWidth(40);
  image.SetHeight(15);
  image.SetHeight(16);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(image.Width(), 40);
}

TEST(ImageTest, AppendFrameRefusesNone) {
  TGIFImage image;
  EXPECT_THAT([&] { image.AppendFrame(std::unique_ptr<TGIFSubImage>()); },
              ThrowsMessage<GIFException>(StrEq("Object type not supported for operation")));
  BrokenGraphic broken;
  EXPECT_THROW(image.AppendFrame(broken), std::runtime_error);
  EXPECT_TRUE(image.Empty());
}

TEST(ImageTest, AssignFromNoneEmptiesAndFromItselfKeeps) {
  TGIFImage image;
  AddFrame(image, 0, 0, 2, 2, {1}, {});
  image.AssignFrom(&image);
  EXPECT_EQ(image.Images().Count(), 1);
  image.Header().ColorMap().AppendColor(4);
  image.AssignFrom(nullptr);
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Header().ColorMap().Count(), 0);
}

TEST(ImageTest, AssignFromAnUnconvertibleSourceNamesTheImage) {
  TGIFImage image;
  AddFrame(image, 0, 0, 2, 2, {1}, {});
  TGIFImage other;
  EXPECT_THAT([&] { image.AssignFrom(&other.Header().ColorMap()); },
              ThrowsMessage<EConvertError>(StrEq("Cannot assign a TGIFGlobalColorMap to a TGIFImage")));
  EXPECT_TRUE(image.Empty());

  // Any other failure passes unchanged; no half-built frame stays.
  BrokenGraphic broken;
  EXPECT_THROW(image.AssignFrom(&broken), std::runtime_error);
  EXPECT_TRUE(image.Empty());
}

TEST(ImageTest, AssignFromAnotherImageCopiesFramesAndSettings) {
  TGIFImage source;
  source.Header().ColorMap().AppendColor(0x0000FF);
  source.Header().AspectRatio = 49;
  AddFrame(source, 0, 0, 3, 1, {}, {0, 0, 0});
  AddFrame(source, 1, 1, 2, 2, {0x00FF00, 0xFF0000}, {1, 0, 0, 1});
  source.DrawFlags = 0x0001;
  source.ReductionMethod = TReductionMethod::GrayScale256;
  source.DitherMethod = TDitherMethod::Stucki;
  source.PaletteBits = 3;
  source.CompressionMethod = kCompressRLE;
  std::vector<Progress> progress;
  CollectProgress(source, progress);
  std::vector<Warning> warnings;
  CollectWarnings(source, warnings);

  TGIFImage copy;
  for (int pass = 0; pass < 2; ++pass) copy.AssignFrom(&source);  // twice: still two frames
  ASSERT_EQ(copy.Images().Count(), 2);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.Height(), 3);
  EXPECT_EQ(copy.Header().AspectRatio, 49);
  EXPECT_EQ(copy.Header().ColorMap().ColorAt(0), 0x0000FFu);
  EXPECT_THAT(PixelsOf(copy.Images()[1]), ElementsAre(1, 0, 0, 1));
  EXPECT_EQ(&copy.Images()[1].Image(), &copy);
  EXPECT_EQ(copy.DrawFlags, 0x0001);
  EXPECT_EQ(copy.ReductionMethod, TReductionMethod::GrayScale256);
  EXPECT_EQ(copy.DitherMethod, TDitherMethod::Stucki);
  EXPECT_EQ(copy.PaletteBits, 8);                   // not copied
  EXPECT_EQ(copy.CompressionMethod, kCompressLZW);  // not copied

  // The source's progress handler heard the second copy too; afterwards the copy has none.
  const std::vector<Progress> once{{&copy, TProgressStage::Starting, 0, "Copying..."},
                                   {&copy, TProgressStage::Running, 50, "Copying..."},
                                   {&copy, TProgressStage::Running, 100, "Copying..."},
                                   {&copy, TProgressStage::Ending, 100, "Copying..."}};
  std::vector<Progress> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(progress, twice);
  EXPECT_FALSE(copy.ProgressHandler);
  EXPECT_FALSE(copy.WarningHandler);
  EXPECT_THAT(warnings, IsEmpty());
}

TEST(ImageTest, FailedCopyEndsItsProgressAtZeroAndDropsTheHandlers) {
  TGIFImage source;
  AddFrame(source, 0, 0, 1, 1, {1}, {0});
  std::vector<Progress> progress;
  CollectProgress(source, progress);
  source.WarningHandler = [](TObject*, int, std::string_view) {};
  TGIFImage copy;
  copy.ChangeHandler = [](TObject*) { throw std::runtime_error("refused"); };
  EXPECT_THROW(copy.AssignFrom(&source), std::runtime_error);
  EXPECT_EQ(progress, (std::vector<Progress>{{&copy, TProgressStage::Starting, 0, "Copying..."},
                                             {&copy, TProgressStage::Ending, 0, "Copying..."}}));
  EXPECT_FALSE(copy.ProgressHandler);
  EXPECT_FALSE(copy.WarningHandler);
}

TEST(ImageTest, DitherWantedFollowsDrawFlagBits9And10) {
  TGIFImage image;
  EXPECT_EQ(image.DitherWanted(), AutoDitherActive);
  image.DrawFlags = 0x060F & ~kDrawAutoDither;
  EXPECT_TRUE(image.DitherWanted());
  image.DrawFlags = 0x060F & ~kDrawDither;
  EXPECT_FALSE(image.DitherWanted());
  image.DrawFlags = 0x060F;
  AutoDitherActive = true;
  EXPECT_TRUE(image.DitherWanted());
  AutoDitherActive = false;
}

TEST(ImageTest, PaletteIsBuiltFromTheGlobalColorsOrTheFirstFrame) {
  TGIFImage image;
  AddFrame(image, 0, 0, 1, 1, {0x030201}, {0});
  EXPECT_THAT(image.Palette()->Entries(), ElementsAre(TPaletteEntry{1, 2, 3, 4}));
  image.Header().ColorMap().AppendColor(0x060504);
  EXPECT_THAT(image.Palette()->Entries(), ElementsAre(TPaletteEntry{4, 5, 6, 4}));

  image.DrawFlags = 0x060F & ~kDrawAutoDither;
  image.SetPalette(nullptr);
  EXPECT_EQ(image.Palette()->Entries(), BuildWebCubePalette()->Entries());
}

}  // namespace
