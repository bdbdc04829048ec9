// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The in-memory GIF image: a header (logical screen, global colour table) and an
// ordered list of frames, written as a GIF87a or GIF89a stream.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "gif/model/gif_list.h"
#include "gif/model/header.h"
#include "gif/model/image_defaults.h"
#include "platform/graphic.h"
#include "platform/palette.h"

class TBitmap;
class TStream;
class TGIFSubImage;

using TGIFWarningEvent = std::function<void(TObject* sender, int severity, std::string_view message)>;

class TGIFImage final : public TGraphic {
public:
  // An empty image with the settings of GIFImageDefaults.
  TGIFImage();
  ~TGIFImage() override;
  TGIFImage(const TGIFImage&) = delete;
  TGIFImage& operator=(const TGIFImage&) = delete;
  std::string_view ClassName() const override { return "TGIFImage"; }

  // No frames, a 0 × 0 screen, an empty global colour map, no palette.
  void Reset();
  // Takes a frame of this image over; returns its index. GIFException "Object type
  // not supported for operation" for none.
  int AppendFrame(std::unique_ptr<TGIFSubImage> frame);
  // Builds a new frame from a graphic and appends it. A failed import leaves no frame.
  int AppendFrame(TGraphic& source);
  // None empties the image; another GIF image is copied; any other graphic becomes
  // the only frame. A source nothing can convert raises "Cannot assign a %s to a %s".
  void AssignFrom(TPersistent* source) override;

  bool Empty() const override;
  int Width() const override { return header_.ScreenWidth; }
  int Height() const override { return header_.ScreenHeight; }
  // GIFException "Image width too small for contained frames" when a frame would
  // stick out.
  void SetWidth(int width);
  // GIFException "Image height too small for contained frames" likewise.
  void SetHeight(int height);

  TGIFHeader& Header() { return header_; }
  const TGIFHeader& Header() const { return header_; }
  TGIFImageList& Images() { return images_; }
  const TGIFImageList& Images() const { return images_; }

  // The largest IndexBits of the global and every local colour map (0: all empty).
  int BitsPerPixel() const;
  int ColorResolution() const { return BitsPerPixel() - 1; }
  // 0 without frames, else the largest version its frames need.
  int RequiredVersion() const;

  // Writes the whole GIF stream, reporting progress "Saving...".
  void SaveToStream(TStream& stream);
  // Writes the GIF stream to a file. The file appears only when complete: after a
  // failure whatever stood under the name before is untouched. EFCreateError "Cannot
  // create file %s" when the file cannot be created.
  void WriteToFile(const std::string& path);

  // Hands a warning to the WarningHandler, if one is set.
  void Warn(TObject* sender, int severity, std::string_view message);
  // True when the display wants dithered colours.
  bool DitherWanted() const;

  // A new palette of the image's colours, or none. GIFException "No global or local
  // color table defined" when building it needs the image's palette again.
  TPaletteHandle Palette();
  // Replaces the cached palette (none drops it).
  void SetPalette(TPaletteHandle palette);

  std::uint16_t DrawFlags;
  TReductionMethod ReductionMethod;
  int PaletteBits;
  TDitherMethod DitherMethod;
  std::uint8_t CompressionMethod;
  TGIFWarningEvent WarningHandler;

private:
  void CopyImage(TGIFImage& source);
  void ImportGraphic(TGraphic& source);
  void CheckFramesFit(int extent, int (*frameExtent)(const TGIFSubImage&), const char* message) const;

  // Declared first: the global colour map drops it when destroyed.
  TPaletteHandle paletteCache_;
  bool paletteQueryGuard_ = false;
  TGIFHeader header_;
  TGIFImageList images_;
};
