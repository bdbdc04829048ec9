// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/extension.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gif/model/application_extension.h"
#include "gif/model/graphic_control_extension.h"
#include "gif/model/text_extension.h"
#include "model_fixtures.h"
#include "support/gif_decode.h"

using ::testing::ElementsAreArray;
using namespace model_test;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Saved(TGIFExtension& extension) {
  TMemoryStream stream;
  extension.SaveToStream(stream);
  return stream.Bytes();
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes Text(const std::string& s) { return {s.begin(), s.end()}; }

class ExtensionTest : public ::testing::Test {
protected:
  TGIFImage image;
  TGIFSubImage frame{image};
};

TEST_F(ExtensionTest, GraphicControlWritesItsSixBytes) {
  frame.ColorMap().AppendColor(1);
  frame.ColorMap().AppendColor(2);
  TGIFGraphicControlExtension control(frame);
  control.SetTransparent(true);
  control.SetTransparentColorIndex(1);
  control.SetDisposal(2);
  control.SetDelay(0x1234);
  EXPECT_THAT(Saved(control), ElementsAreArray(Bytes{0x21, 0xF9, 4, 0x09, 0x34, 0x12, 1, 0}));
}

TEST_F(ExtensionTest, CommentLinesAreCutInto255ByteSubBlocks) {
  TGIFCommentExtension comment(frame);
  comment.Text = {"ab", "", std::string(300, 'c')};
  const Bytes expected = Concat({{0x21, 0xFE, 2},
                                 Text("ab"),
                                 {255},
                                 Text(std::string(255, 'c')),
                                 {45},
                                 Text(std::string(45, 'c')),
                                 {0}});
  EXPECT_THAT(Saved(comment), ElementsAreArray(expected));
  comment.Text.clear();
  EXPECT_THAT(Saved(comment), ElementsAreArray(Bytes{0x21, 0xFE, 0}));
}

TEST_F(ExtensionTest, PlainTextWritesItsGridThenTheText) {
  TGIFTextExtension text(frame);
  text.GridLeft = 1;
  text.GridTop = 0x0203;
  text.GridWidth = 40;
  text.GridHeight = 8;
  text.CellWidth = 5;
  text.CellHeight = 8;
  text.ForegroundColorIndex = 1;
  text.BackgroundColorIndex = 0;
  text.Text = {"Hi"};
  EXPECT_THAT(Saved(text),
              ElementsAreArray(Bytes{0x21, 0x01, 12, 1, 0, 3, 2, 40, 0, 8, 0, 5, 8, 1, 0, 2, 'H', 'i', 0}));
}

TEST_F(ExtensionTest, LoopExtensionWritesTheBufferSizeOnlyWhenSet) {
  TGIFAppExtNSLoop loop(frame);
  loop.Loops = 0x0102;
  const Bytes head = Concat({{0x21, 0xFF, 11}, Text("NETSCAPE2.0")});
  EXPECT_THAT(Saved(loop), ElementsAreArray(Concat({head, {3, 1, 2, 1, 0}})));
  loop.BufferSize = 0x01020304;
  EXPECT_THAT(Saved(loop), ElementsAreArray(Concat({head, {3, 1, 2, 1, 5, 2, 4, 3, 2, 1, 0}})));
}

TEST_F(ExtensionTest, UnknownApplicationWritesItsBlocksAsTheyAre) {
  TGIFUnknownAppExtension app(frame, "MYAPP001ABC");
  app.Blocks = {"xy", "z"};
  EXPECT_THAT(Saved(app),
              ElementsAreArray(Concat({{0x21, 0xFF, 11}, Text("MYAPP001ABC"), {2, 'x', 'y', 1, 'z', 0}})));
}

TEST_F(ExtensionTest, FramesWithExtensionsDecode) {
  TGIFSubImage& first = AddFrame(image, 0, 0, 2, 1, {1, 2}, {1, 0});
  first.Extensions().Add(std::make_unique<TGIFAppExtNSLoop>(first));
  auto control = std::make_unique<TGIFGraphicControlExtension>(first);
  control->SetTransparent(true);
  control->SetDelay(10);
  first.Extensions().Add(std::move(control));
  auto comment = std::make_unique<TGIFCommentExtension>(first);
  comment->Text = {std::string(600, 'x')};
  first.Extensions().Add(std::move(comment));
  const Bytes bytes = SavedBytes(image);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");
  const DecodedGif gif = DecodeGif(bytes);
  ASSERT_EQ(gif.frames.size(), 1u);
  EXPECT_EQ(gif.frames[0].pixels, (Bytes{1, 0}));
}

}  // namespace
