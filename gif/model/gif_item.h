// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every part of a GIF image that has a stream form: header, frame,
// extensions, trailer.
#include <string_view>

#include "gif/encode/gif_constants.h"
#include "platform/object.h"

class TGIFImage;
class TStream;

class TGIFItem : public TPersistent {
public:
  explicit TGIFItem(TGIFImage& image) : image_(image) {}
  TGIFItem(const TGIFItem&) = delete;
  TGIFItem& operator=(const TGIFItem&) = delete;

  TGIFImage& Image() const { return image_; }
  // The GIF version this item needs: 1 (87a) or 2 (89a).
  virtual int RequiredVersion() const { return gif::kVersion87a; }
  // Passes a warning to the owning image, with this item as sender.
  void ReportWarning(int severity, std::string_view message);
  // Writes the item's stream form.
  virtual void SaveToStream(TStream& stream) = 0;

private:
  TGIFImage& image_;
};
