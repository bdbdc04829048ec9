// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An in-memory raster in one of the pixel formats below. Rows are stored top to
// bottom, each padded to a multiple of 4 bytes; indexed formats carry a colour table.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphic.h"
#include "platform/palette.h"

class TStream;

// Numbered as the platform numbers them.
enum TPixelFormat : std::uint8_t {
  pfDevice = 0,  // the display's true-colour format: 32 bits, blue, green, red, unused
  pf1bit = 1,
  pf4bit = 2,
  pf8bit = 3,
  pf15bit = 4,   // 5-5-5, blue in the low bits
  pf16bit = 5,   // 5-6-5, blue in the low bits
  pf24bit = 6,   // blue, green, red
  pf32bit = 7,   // blue, green, red, unused
  pfCustom = 8,  // stored as 32 bits
};

// A colour-table entry as a bitmap stores it.
struct TRGBQuad {
  std::uint8_t blue = 0, green = 0, red = 0, reserved = 0;
  friend bool operator==(const TRGBQuad&, const TRGBQuad&) = default;
};

int BitsPerPixel(TPixelFormat format);
bool IsIndexed(TPixelFormat format);

class TBitmap : public TGraphic {
public:
  TBitmap() = default;
  TBitmap(int width, int height, TPixelFormat format);
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  // Moves the picture only: handlers and flags stay with their own objects.
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(TBitmap&& other) noexcept;
  ~TBitmap() override;

  std::string_view ClassName() const override { return "TBitmap"; }
  // Copies another TBitmap; anything else raises the conversion error.
  void AssignFrom(TPersistent* source) override;

  bool Empty() const override { return width_ == 0 || height_ == 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Resizes; the pixels become all zero. EOutOfResources "Out of system resources" when
  // a row would not fit in the 32-bit sizes of a bitmap.
  void SetSize(int width, int height);

  TPixelFormat PixelFormat() const { return format_; }
  // Changes the pixel format, converting the pixels. Any format converts to the
  // true-colour formats; an indexed format widens to a deeper indexed one keeping its
  // indices; anything else converts to indexed by the nearest colour of the colour table
  // (a grey ramp when there is none that fits). On failure the bitmap is unchanged.
  void SetPixelFormat(TPixelFormat format);

  int Stride() const { return stride_; }
  // Row y, counted from the top.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;

  // Indexed formats: the colour table (at most 2^bits entries).
  const std::vector<TRGBQuad>& ColorTable() const { return colorTable_; }
  void SetColorTable(std::vector<TRGBQuad> table);
  // A palette made of the colour table, or none for a true-colour bitmap.
  TPaletteHandle CreatePalette() const;

  bool Transparent = false;
  const TBitmap* Mask() const { return mask_.get(); }
  TBitmap* Mask() { return mask_.get(); }
  void SetMask(std::unique_ptr<TBitmap> mask);

  // Reads a BMP file image (file header, information header, colour table, rows; bottom-up
  // or top-down; uncompressed, or bit fields for 16 and 32 bits). Malformed or truncated
  // input raises (EInvalidGraphic "Bitmap image is not valid", EReadError) and leaves the
  // bitmap as it was; memory grows only with data actually read.
  void LoadFromStream(TStream& stream);
  // Writes this bitmap as a BMP file image; 5-6-5 pixels are written with bit fields.
  void SaveToStream(TStream& stream) const;

private:
  void Allocate();
  void MoveFrom(TBitmap& other) noexcept;

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pfDevice;
  int stride_ = 0;
  std::vector<std::uint8_t> pixels_;
  std::vector<TRGBQuad> colorTable_;
  std::unique_ptr<TBitmap> mask_;
};
