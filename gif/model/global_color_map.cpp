// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/global_color_map.h"

#include "gif/model/header.h"
#include "gif/model/image.h"
#include "gif/model/local_color_map.h"
#include "gif/model/sub_image.h"

namespace {

// Calls `action` for every frame that this map colours.
template <class Action>
void ForEachColoredFrame(TGIFImage& image, const TGIFColorMap& map, Action action) {
  for (const auto& frame : image.Images())
    if (&frame->EffectiveColorMap() == &map) action(*frame);
}

}  // namespace

TGIFGlobalColorMap::~TGIFGlobalColorMap() {
  Reset();
  ColorsChanged();
}

bool TGIFGlobalColorMap::OptimizeByUse() {
  if (header_.Image().Images().Empty()) return false;
  return TGIFColorMap::OptimizeByUse();
}

void TGIFGlobalColorMap::ReportWarning(int severity, std::string_view message) {
  header_.Image().Warn(this, severity, message);
}

void TGIFGlobalColorMap::CountUse(TUseTable& use) {
  ForEachColoredFrame(header_.Image(), *this,
                      [&](const TGIFSubImage& frame) { detail::CountFrameUse(frame, use); });
}

void TGIFGlobalColorMap::RemapPixels(const TRemapTable& table) {
  ForEachColoredFrame(header_.Image(), *this, [&](TGIFSubImage& frame) { detail::RemapFrame(frame, table); });
}

void TGIFGlobalColorMap::ColorsChanged() { header_.Image().SetPalette(nullptr); }
