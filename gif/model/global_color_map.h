// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The global colour table, owned by the image's header. It colours every frame whose
// local colour table is empty.
#include "gif/model/color_map.h"

class TGIFHeader;

class TGIFGlobalColorMap final : public TGIFColorMap {
public:
  explicit TGIFGlobalColorMap(TGIFHeader& header) : header_(header) {}
  ~TGIFGlobalColorMap() override;
  std::string_view ClassName() const override { return "TGIFGlobalColorMap"; }

  // False when the image has no frame; otherwise orders by use over every frame
  // this map colours.
  bool OptimizeByUse() override;

protected:
  void ReportWarning(int severity, std::string_view message) override;
  void CountUse(TUseTable& use) override;
  void RemapPixels(const TRemapTable& table) override;
  void ColorsChanged() override;

private:
  TGIFHeader& header_;
};
