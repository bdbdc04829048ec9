// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Application extensions: an 11-byte identifier and authentication code, then data
// of the application's own.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "gif/model/extension.h"

class TGIFApplicationExtension : public TGIFExtension {
public:
  using TIdentifier = std::array<char, 11>;

  TGIFApplicationExtension(TGIFSubImage& frame, std::string_view identifier);
  std::uint8_t Label() const override { return gif::kLabelApplication; }

  const TIdentifier& Identifier() const { return identifier_; }
  // The first 11 bytes of `identifier`, padded with 0.
  void SetIdentifier(std::string_view identifier);

protected:
  void SaveData(TStream& stream) const final;
  // The sub-blocks after the identifier, including the terminator.
  virtual void SaveApplicationData(TStream& stream) const = 0;

private:
  TIdentifier identifier_{};
};

// The loop extension of animated GIFs ("NETSCAPE2.0").
class TGIFAppExtNSLoop final : public TGIFApplicationExtension {
public:
  explicit TGIFAppExtNSLoop(TGIFSubImage& frame);
  std::string_view ClassName() const override { return "TGIFAppExtNSLoop"; }
  std::unique_ptr<TGIFExtension> CloneFor(TGIFSubImage& frame) const override;

  std::uint16_t Loops = 0;       // 0: forever
  std::uint32_t BufferSize = 0;  // 0: not written

protected:
  void SaveApplicationData(TStream& stream) const override;
};

// An application extension this model does not interpret: its blocks as they are.
class TGIFUnknownAppExtension final : public TGIFApplicationExtension {
public:
  using TGIFApplicationExtension::TGIFApplicationExtension;
  std::string_view ClassName() const override { return "TGIFUnknownAppExtension"; }
  std::unique_ptr<TGIFExtension> CloneFor(TGIFSubImage& frame) const override;

  // Each written as one data sub-block; a block longer than 255 bytes as several.
  std::vector<std::string> Blocks;

protected:
  void SaveApplicationData(TStream& stream) const override;
};
