// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graphic control extension: transparency, disposal and delay of one frame.
#include "gif/model/extension.h"

class TGIFGraphicControlExtension final : public TGIFExtension {
public:
  // Becomes the frame's control extension unless the frame has one already.
  explicit TGIFGraphicControlExtension(TGIFSubImage& frame);
  // Lets go of the frame: no control extension, no transparency if this one gave it.
  ~TGIFGraphicControlExtension() override;
  std::string_view ClassName() const override { return "TGIFGraphicControlExtension"; }
  std::uint8_t Label() const override { return gif::kLabelGraphicControl; }
  std::unique_ptr<TGIFExtension> CloneFor(TGIFSubImage& frame) const override;

  bool Transparent() const { return (packedFields_ & kTransparentFlag) != 0; }
  // Also sets the frame's transparency.
  void SetTransparent(bool transparent);
  std::uint8_t TransparentColorIndex() const { return transparentColorIndex_; }
  // An index outside the frame's colour table warns "Invalid color index" and
  // stores 0 instead.
  void SetTransparentColorIndex(int index);
  bool UserInput() const { return (packedFields_ & kUserInputFlag) != 0; }
  int Disposal() const { return (packedFields_ & kDisposalMask) >> kDisposalShift; }
  void SetDisposal(int disposal);
  std::uint16_t Delay() const { return delay_; }
  void SetDelay(std::uint16_t delay) { delay_ = delay; }

protected:
  void SaveData(TStream& stream) const override;

private:
  static constexpr std::uint8_t kBlockSize = 4;
  static constexpr std::uint8_t kTransparentFlag = 0x01;
  static constexpr std::uint8_t kUserInputFlag = 0x02;
  static constexpr std::uint8_t kDisposalMask = 0x1C;
  static constexpr int kDisposalShift = 2;

  std::uint8_t packedFields_ = 0;
  std::uint16_t delay_ = 0;
  std::uint8_t transparentColorIndex_ = 0;
};
