// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The extensions that carry text: the plain text extension (text drawn on a grid) and
// the comment extension. Their text is a list of lines, written as data sub-blocks.
#include <string>
#include <vector>

#include "gif/model/extension.h"

class TGIFTextExtension final : public TGIFExtension {
public:
  using TGIFExtension::TGIFExtension;
  std::string_view ClassName() const override { return "TGIFTextExtension"; }
  std::uint8_t Label() const override { return gif::kLabelPlainText; }
  std::unique_ptr<TGIFExtension> CloneFor(TGIFSubImage& frame) const override;

  std::uint16_t GridLeft = 0, GridTop = 0, GridWidth = 0, GridHeight = 0;
  std::uint8_t CellWidth = 0, CellHeight = 0;
  std::uint8_t ForegroundColorIndex = 0, BackgroundColorIndex = 0;
  std::vector<std::string> Text;

protected:
  void SaveData(TStream& stream) const override;
};

class TGIFCommentExtension final : public TGIFExtension {
public:
  using TGIFExtension::TGIFExtension;
  std::string_view ClassName() const override { return "TGIFCommentExtension"; }
  std::uint8_t Label() const override { return gif::kLabelComment; }
  std::unique_ptr<TGIFExtension> CloneFor(TGIFSubImage& frame) const override;

  std::vector<std::string> Text;

protected:
  void SaveData(TStream& stream) const override;
};
