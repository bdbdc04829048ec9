// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/graphic_control_extension.h"

#include <array>

#include "gif/model/byte_order.h"
#include "gif/model/sub_image.h"
#include "platform/stream.h"

TGIFGraphicControlExtension::TGIFGraphicControlExtension(TGIFSubImage& frame) : TGIFExtension(frame) {
  if (!frame.controlExtension_) frame.controlExtension_ = this;
}

TGIFGraphicControlExtension::~TGIFGraphicControlExtension() {
  TGIFSubImage& frame = Frame();
  if (frame.controlExtension_ == this) frame.controlExtension_ = nullptr;
  if (Transparent()) frame.hasTransparency_ = false;
}

std::unique_ptr<TGIFExtension> TGIFGraphicControlExtension::CloneFor(TGIFSubImage& frame) const {
  auto copy = std::make_unique<TGIFGraphicControlExtension>(frame);
  copy->packedFields_ = packedFields_;
  copy->delay_ = delay_;
  copy->transparentColorIndex_ = transparentColorIndex_;
  return copy;
}

void TGIFGraphicControlExtension::SetTransparent(bool transparent) {
  packedFields_ = static_cast<std::uint8_t>(transparent ? packedFields_ | kTransparentFlag
                                                        : packedFields_ & ~kTransparentFlag);
  Frame().hasTransparency_ = transparent;
}

void TGIFGraphicControlExtension::SetTransparentColorIndex(int index) {
  const TGIFColorMap& map = Frame().EffectiveColorMap();
  if (map.Count() > 0 && index >= map.Count()) {
    ReportWarning(1, "Invalid color index");
    index = 0;
  }
  transparentColorIndex_ = static_cast<std::uint8_t>(index);
}

void TGIFGraphicControlExtension::SetDisposal(int disposal) {
  packedFields_ = static_cast<std::uint8_t>((packedFields_ & ~kDisposalMask) |
                                            ((disposal << kDisposalShift) & kDisposalMask));
}

void TGIFGraphicControlExtension::SaveData(TStream& stream) const {
  std::array<std::uint8_t, 6> bytes{kBlockSize, packedFields_,          0,
                                    0,          transparentColorIndex_, gif::kBlockTerminator};
  detail::PutLE16(&bytes[2], delay_);
  stream.Write(bytes.data(), bytes.size());
}
