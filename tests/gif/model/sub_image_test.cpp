// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/sub_image.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gif/model/graphic_control_extension.h"
#include "gif/model/text_extension.h"
#include "model_fixtures.h"
#include "platform/exceptions.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StrEq;
using ::testing::ThrowsMessage;
using namespace model_test;

namespace {

TGIFGraphicControlExtension& AddControl(TGIFSubImage& frame) {
  const int index = frame.Extensions().Add(std::make_unique<TGIFGraphicControlExtension>(frame));
  return static_cast<TGIFGraphicControlExtension&>(frame.Extensions()[index]);
}

class SubImageTest : public ::testing::Test {
protected:
  SubImageTest() { CollectWarnings(image, warnings); }
  TGIFImage image;
  std::vector<Warning> warnings;
};

TEST_F(SubImageTest, FrameOutsideAnEmptyScreenGrowsItSilently) {
  TGIFSubImage frame(image);
  frame.SetFrameBounds(10, 0, 20, 10);
  EXPECT_EQ(image.Width(), 30);
  EXPECT_EQ(image.Height(), 10);
  EXPECT_THAT(warnings, IsEmpty());
}

TEST_F(SubImageTest, FrameOutsideAScreenWithASizeGrowsItWithWarnings) {
  image.SetWidth(25);
  image.SetHeight(100);
  TGIFSubImage frame(image);
  frame.SetFrameBounds(10, 0, 20, 10);
  EXPECT_EQ(image.Width(), 30);
  EXPECT_EQ(image.Height(), 100);
  EXPECT_THAT(warnings, ElementsAre(Warning{&frame, 1, "Image width too small for contained frames"},
                                    Warning{&frame, 1, "Image exceeds Logical Screen size"}));
  warnings.clear();
  frame.SetFrameBounds(0, 95, 5, 10);
  EXPECT_EQ(image.Height(), 105);
  EXPECT_THAT(warnings, ElementsAre(Warning{&frame, 1, "Image height too small for contained frames"},
                                    Warning{&frame, 1, "Image exceeds Logical Screen size"}));
}

TEST_F(SubImageTest, ChangingTheSizeDiscardsThePixels) {
  TGIFSubImage frame(image);
  frame.SetFrameBounds(0, 0, 3, 2);
  frame.PixelRow(1)[2] = 7;
  frame.SetLeft(4);  // same size: pixels stay
  EXPECT_EQ(frame.PixelAt(2, 1), 7);
  frame.SetWidth(4);
  EXPECT_EQ(frame.Pixels().size(), 8u);
  EXPECT_THAT(PixelsOf(frame), ElementsAre(0, 0, 0, 0, 0, 0, 0, 0));
  frame.SetHeight(0);
  EXPECT_TRUE(frame.Pixels().empty());
  EXPECT_TRUE(frame.Empty());
}

TEST_F(SubImageTest, PixelAccessOutsideTheFrameFails) {
  TGIFSubImage frame(image);
  frame.SetFrameBounds(0, 0, 4, 2);
  EXPECT_THAT([&] { frame.PixelRow(2); }, ThrowsMessage<GIFException>(StrEq("Invalid pixel coordinates")));
  EXPECT_THAT([&] { frame.PixelRow(-1); }, ThrowsMessage<GIFException>(StrEq("Invalid pixel coordinates")));
  EXPECT_THAT([&] { frame.PixelAt(-1, 0); }, ThrowsMessage<GIFException>(StrEq("Invalid pixel coordinates")));
  EXPECT_THAT([&] { frame.PixelAt(4, 0); }, ThrowsMessage<GIFException>(StrEq("Invalid pixel coordinates")));
  EXPECT_EQ(frame.PixelRow(1) - frame.PixelRow(0), 4);

  // A released buffer comes back on demand; a frame without area has none to give.
  frame.ReleasePixels();
  EXPECT_TRUE(frame.Empty());
  EXPECT_EQ(frame.PixelAt(3, 1), 0);
  frame.SetWidth(0);
  EXPECT_THAT([&] { frame.RequirePixels(); }, ThrowsMessage<GIFException>(StrEq("Image is empty")));
}

TEST_F(SubImageTest, EffectiveColorMapPrefersLocalThenGlobal) {
  TGIFSubImage frame(image);
  EXPECT_EQ(&frame.EffectiveColorMap(), &frame.ColorMap());
  image.Header().ColorMap().AppendColor(0x112233);
  EXPECT_EQ(&frame.EffectiveColorMap(), &image.Header().ColorMap());
  frame.ColorMap().AppendColor(0x445566);
  EXPECT_EQ(&frame.EffectiveColorMap(), &frame.ColorMap());
}

TEST_F(SubImageTest, ControlExtensionCarriesTheTransparency) {
  TGIFSubImage frame(image);
  frame.ColorMap().AppendColor(1);
  frame.ColorMap().AppendColor(2);
  TGIFGraphicControlExtension& control = AddControl(frame);
  TGIFGraphicControlExtension& second = AddControl(frame);
  EXPECT_EQ(frame.ControlExtension(), &control);  // the first one stays
  control.SetTransparent(true);
  EXPECT_TRUE(frame.HasTransparency());

  control.SetTransparentColorIndex(1);
  EXPECT_EQ(control.TransparentColorIndex(), 1);
  control.SetTransparentColorIndex(2);
  EXPECT_EQ(control.TransparentColorIndex(), 0);
  EXPECT_THAT(warnings, ElementsAre(Warning{&control, 1, "Invalid color index"}));

  control.SetDisposal(2);
  EXPECT_EQ(control.Disposal(), 2);
  EXPECT_TRUE(control.Transparent());
  EXPECT_FALSE(second.Transparent());

  frame.Extensions().Reset();
  EXPECT_EQ(frame.ControlExtension(), nullptr);
  EXPECT_FALSE(frame.HasTransparency());
}

TEST_F(SubImageTest, ResetEmptiesEverything) {
  TGIFSubImage& frame = AddFrame(image, 2, 3, 4, 5, {1, 2}, {});
  AddControl(frame).SetTransparent(true);
  frame.Reset();
  EXPECT_TRUE(frame.Empty());
  EXPECT_EQ(frame.Width(), 0);
  EXPECT_EQ(frame.Height(), 0);
  EXPECT_EQ(frame.Left(), 2);  // the position stays
  EXPECT_EQ(frame.ColorMap().Count(), 0);
  EXPECT_TRUE(frame.Extensions().Empty());
  EXPECT_FALSE(frame.HasTransparency());
  EXPECT_EQ(frame.ControlExtension(), nullptr);
}

TEST_F(SubImageTest, AssignFromAnotherFrameCopiesItWhole) {
  TGIFSubImage& source = AddFrame(image, 1, 2, 3, 1, {0x0000FF, 0x00FF00}, {1, 0, 1});
  source.SetInterlaced(true);
  TGIFGraphicControlExtension& control = AddControl(source);
  control.SetTransparent(true);
  control.SetTransparentColorIndex(1);
  control.SetDelay(40);
  auto& comment = static_cast<TGIFCommentExtension&>(
      source.Extensions()[source.Extensions().Add(std::make_unique<TGIFCommentExtension>(source))]);
  comment.Text = {"hello"};

  TGIFImage other;
  TGIFSubImage copy(other);
  copy.AssignFrom(&source);
  EXPECT_EQ(std::vector({copy.Left(), copy.Top(), copy.Width(), copy.Height()}), std::vector({1, 2, 3, 1}));
  EXPECT_TRUE(copy.IsInterlaced());
  EXPECT_EQ(other.Width(), 0);  // the descriptor is copied as it stands
  EXPECT_THAT(PixelsOf(copy), ElementsAre(1, 0, 1));
  EXPECT_EQ(copy.ColorMap().Count(), 2);
  EXPECT_EQ(copy.ColorMap().ColorAt(1), 0x00FF00u);
  EXPECT_TRUE(copy.HasTransparency());
  ASSERT_EQ(copy.Extensions().Count(), 2);
  ASSERT_NE(copy.ControlExtension(), nullptr);
  EXPECT_EQ(&copy.ControlExtension()->Frame(), &copy);
  EXPECT_EQ(copy.ControlExtension()->TransparentColorIndex(), 1);
  EXPECT_EQ(copy.ControlExtension()->Delay(), 40);
  EXPECT_EQ(static_cast<TGIFCommentExtension&>(copy.Extensions()[1]).Text, comment.Text);

  // The copy is independent of its source.
  source.PixelRow(0)[0] = 0;
  EXPECT_EQ(copy.PixelAt(0, 0), 1);
}

TEST_F(SubImageTest, AssignFromNoneSelfOrTheUnsupported) {
  TGIFSubImage& frame = AddFrame(image, 0, 0, 2, 1, {5}, {0, 0});
  frame.AssignFrom(&frame);
  EXPECT_EQ(frame.Width(), 2);

  EXPECT_THAT([&] { frame.AssignFrom(&image.Header()); },
              ThrowsMessage<EConvertError>(StrEq("Cannot assign a TGIFHeader to a TGIFSubImage")));
  EXPECT_EQ(frame.Width(), 2);  // unchanged

  // A graphic other than a bitmap cannot be rendered into one here.
  TGIFImage graphic;
  AddFrame(graphic, 0, 0, 1, 1, {5}, {0});
  EXPECT_THAT([&] { frame.AssignFrom(&graphic); },
              ThrowsMessage<EConvertError>(StrEq("Cannot assign a TGIFImage to a TBitmap")));
  TGIFImage emptyGraphic;
  frame.AssignFrom(&emptyGraphic);
  EXPECT_TRUE(frame.Empty());

  AddFrame(image, 0, 0, 2, 1, {5}, {0, 0});
  image.Images()[1].AssignFrom(nullptr);
  EXPECT_TRUE(image.Images()[1].Empty());
  EXPECT_EQ(image.Images()[1].ColorMap().Count(), 0);
}

TEST_F(SubImageTest, PaletteComesFromTheFrameOrTheImage) {
  TGIFSubImage& frame = AddFrame(image, 0, 0, 1, 1, {}, {0});
  EXPECT_THAT([&] { frame.Palette(); },
              ThrowsMessage<GIFException>(StrEq("No global or local color table defined")));
  image.Header().ColorMap().AppendColor(0x030201);
  ASSERT_NE(frame.Palette(), nullptr);
  EXPECT_THAT(frame.Palette()->Entries(), ElementsAre(TPaletteEntry{1, 2, 3, 4}));

  frame.ColorMap().AppendColor(0x060504);
  EXPECT_THAT(frame.Palette()->Entries(), ElementsAre(TPaletteEntry{4, 5, 6, 4}));
  // A colour change drops the cached palette.
  frame.ColorMap().AppendColor(0x090807);
  EXPECT_EQ(frame.Palette()->Count(), 2);

  frame.SetPalette(std::make_unique<TPalette>(std::vector<TPaletteEntry>{{9, 9, 9, 0}}));
  EXPECT_THAT(frame.Palette()->Entries(), ElementsAre(TPaletteEntry{9, 9, 9, 0}));
}

}  // namespace
