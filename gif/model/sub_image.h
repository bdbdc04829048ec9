// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One frame of a GIF image: its image descriptor, local colour table, extensions and
// a buffer of one colour index per pixel.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "gif/model/gif_item.h"
#include "gif/model/gif_list.h"
#include "gif/model/local_color_map.h"
#include "platform/bitmap.h"
#include "platform/palette.h"

class TDIBReader;
class TGIFGraphicControlExtension;

class TGIFSubImage final : public TGIFItem {
public:
  // An empty frame at 0, 0 of size 0 × 0. It is not in the image's frame list until
  // the image's AppendFrame takes it.
  explicit TGIFSubImage(TGIFImage& image);
  ~TGIFSubImage() override;
  std::string_view ClassName() const override { return "TGIFSubImage"; }

  // Replaces the content: none empties the frame, another frame is copied, a bitmap
  // is imported. Any other source raises the conversion error.
  void AssignFrom(TPersistent* source) override;
  // 2 (89a) when the local colour map is sorted or there is any extension, else 1.
  int RequiredVersion() const override;
  // Extensions, then (unless the frame is empty) descriptor, local colour table and
  // compressed pixels.
  void SaveToStream(TStream& stream) override;
  // Recomputes the descriptor's packed fields from the local colour map.
  void RefreshPackedFields();
  // The compressed pixel data, with the compressor the image's CompressionMethod picks.
  void EncodePixels(TStream& stream);

  // Empties the frame: extensions, colour map, pixels, size, transparency, bitmap.
  void Reset();
  // True unless there are pixels and both width and height are non-zero.
  bool Empty() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetFrameBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetFrameBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetFrameBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetFrameBounds(left_, top_, width_, height); }
  // Places the frame. A change of size discards the pixels (the new buffer is all 0);
  // the image's logical screen grows to cover the frame, with warnings when it was
  // not empty.
  void SetFrameBounds(int left, int top, int width, int height);

  // The descriptor's packed fields byte, as last refreshed.
  std::uint8_t PackedFields() const { return packedFields_; }
  bool IsInterlaced() const;
  void SetInterlaced(bool interlaced);

  // A zero-filled buffer of width × height bytes (none when that is 0).
  void AllocatePixels();
  void ReleasePixels();
  // Allocates the buffer if there is none; GIFException "Image is empty" when the
  // frame has no pixels.
  void RequirePixels();
  // Row y of the pixels; GIFException "Invalid pixel coordinates" outside the frame.
  std::uint8_t* PixelRow(int y);
  std::uint8_t PixelAt(int x, int y);
  // The whole buffer, rows top to bottom, no padding.
  std::span<std::uint8_t> Pixels() { return pixels_; }
  std::span<const std::uint8_t> Pixels() const { return pixels_; }

  TGIFLocalColorMap& ColorMap() { return colorMap_; }
  const TGIFLocalColorMap& ColorMap() const { return colorMap_; }
  // The local colour map if it has entries, else the global one if that has, else
  // the (empty) local one.
  TGIFColorMap& EffectiveColorMap();
  const TGIFColorMap& EffectiveColorMap() const;

  TGIFExtensionList& Extensions() { return extensions_; }
  const TGIFExtensionList& Extensions() const { return extensions_; }
  bool HasTransparency() const { return hasTransparency_; }
  // The frame's graphic control extension, if any.
  TGIFGraphicControlExtension* ControlExtension() const { return controlExtension_; }

  // The indexed raster the frame was imported from, if any.
  const TBitmap* BitmapCache() const { return bitmapCache_.get(); }

  // A new palette of the frame's colours: the bitmap's, the cached one, one built
  // from the local colours, or the image's.
  TPaletteHandle Palette();
  // Replaces the cached palette (none drops it).
  void SetPalette(TPaletteHandle palette);

private:
  friend class TGIFGraphicControlExtension;

  void CopyFrame(const TGIFSubImage& source);
  void ImportGraphic(TGraphic& source);
  // Builds the frame from a bitmap: size, colour map and pixels.
  void ImportBitmap(TBitmap& source);
  // Row imports by the bit depth of the indexed raster read; progress every 32 rows.
  template <class RowImport>
  void ForEachImportRow(RowImport&& import);
  void ImportRows1(TDIBReader& reader);
  void ImportRows4(TDIBReader& reader);
  void ImportRows8(TDIBReader& reader);
  // Builds the colour map from the colours in order of first appearance.
  void ImportRows24(TDIBReader& reader);
  // Pixels set in the mask become a transparent colour added to the colour map.
  void ApplyMask(const TBitmap& mask);
  void SetBitmapCache(std::unique_ptr<TBitmap> bitmap);
  void ReleaseBitmapCache() { bitmapCache_.reset(); }
  void WriteDescriptor(TStream& stream) const;

  // Declared before the colour map: its destructor drops the palette.
  std::unique_ptr<TBitmap> bitmapCache_;
  TPaletteHandle paletteCache_;
  std::vector<std::uint8_t> pixels_;
  TGIFLocalColorMap colorMap_;
  std::uint16_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::uint8_t packedFields_ = 0;
  bool hasTransparency_ = false;
  TGIFGraphicControlExtension* controlExtension_ = nullptr;
  TGIFExtensionList extensions_;
};
