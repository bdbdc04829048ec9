// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The local colour table of one frame.
#include "gif/model/color_map.h"

class TGIFSubImage;

class TGIFLocalColorMap final : public TGIFColorMap {
public:
  explicit TGIFLocalColorMap(TGIFSubImage& frame) : frame_(frame) {}
  ~TGIFLocalColorMap() override;
  std::string_view ClassName() const override { return "TGIFLocalColorMap"; }

protected:
  void ReportWarning(int severity, std::string_view message) override;
  void CountUse(TUseTable& use) override;
  void RemapPixels(const TRemapTable& table) override;
  void ColorsChanged() override;

private:
  TGIFSubImage& frame_;
};

namespace detail {
// Counts the pixel values of one frame.
void CountFrameUse(const TGIFSubImage& frame, TGIFColorMap::TUseTable& use);
// Renumbers the pixels of one frame and its transparent colour index.
void RemapFrame(TGIFSubImage& frame, const TGIFColorMap::TRemapTable& table);
}  // namespace detail
