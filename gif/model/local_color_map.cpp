// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/local_color_map.h"

#include "gif/model/graphic_control_extension.h"
#include "gif/model/image.h"
#include "gif/model/sub_image.h"

namespace detail {

void CountFrameUse(const TGIFSubImage& frame, TGIFColorMap::TUseTable& use) {
  for (const std::uint8_t p : frame.Pixels()) ++use[p].Count;
}

void RemapFrame(TGIFSubImage& frame, const TGIFColorMap::TRemapTable& table) {
  for (std::uint8_t& p : frame.Pixels()) p = table[p];
  if (frame.HasTransparency() && frame.ControlExtension()) {
    TGIFGraphicControlExtension& control = *frame.ControlExtension();
    control.SetTransparentColorIndex(table[control.TransparentColorIndex()]);
  }
}

}  // namespace detail

TGIFLocalColorMap::~TGIFLocalColorMap() {
  Reset();
  ColorsChanged();
}

void TGIFLocalColorMap::ReportWarning(int severity, std::string_view message) {
  frame_.Image().Warn(this, severity, message);
}

void TGIFLocalColorMap::CountUse(TUseTable& use) { detail::CountFrameUse(frame_, use); }

void TGIFLocalColorMap::RemapPixels(const TRemapTable& table) { detail::RemapFrame(frame_, table); }

void TGIFLocalColorMap::ColorsChanged() { frame_.SetPalette(nullptr); }
