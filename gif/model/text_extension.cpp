// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/text_extension.h"

#include <array>

#include "gif/model/byte_order.h"
#include "platform/stream.h"

std::unique_ptr<TGIFExtension> TGIFTextExtension::CloneFor(TGIFSubImage& frame) const {
  auto copy = std::make_unique<TGIFTextExtension>(frame);
  copy->GridLeft = GridLeft;
  copy->GridTop = GridTop;
  copy->GridWidth = GridWidth;
  copy->GridHeight = GridHeight;
  copy->CellWidth = CellWidth;
  copy->CellHeight = CellHeight;
  copy->ForegroundColorIndex = ForegroundColorIndex;
  copy->BackgroundColorIndex = BackgroundColorIndex;
  copy->Text = Text;
  return copy;
}

void TGIFTextExtension::SaveData(TStream& stream) const {
  constexpr std::uint8_t kBlockSize = 12;
  std::array<std::uint8_t, 13> bytes{kBlockSize};
  detail::PutLE16(&bytes[1], GridLeft);
  detail::PutLE16(&bytes[3], GridTop);
  detail::PutLE16(&bytes[5], GridWidth);
  detail::PutLE16(&bytes[7], GridHeight);
  bytes[9] = CellWidth;
  bytes[10] = CellHeight;
  bytes[11] = ForegroundColorIndex;
  bytes[12] = BackgroundColorIndex;
  stream.Write(bytes.data(), bytes.size());
  detail::WriteSubBlocks(stream, Text);
}

std::unique_ptr<TGIFExtension> TGIFCommentExtension::CloneFor(TGIFSubImage& frame) const {
  auto copy = std::make_unique<TGIFCommentExtension>(frame);
  copy->Text = Text;
  return copy;
}

void TGIFCommentExtension::SaveData(TStream& stream) const { detail::WriteSubBlocks(stream, Text); }
