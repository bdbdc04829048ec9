// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Row access for the colour reduction: a reader over an existing bitmap and a writer that
// builds a device-independent picture in memory and hands it to a bitmap.
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "platform/palette.h"
#include "platform/stream.h"

class TDIB {
public:
  virtual ~TDIB() = default;
  TDIB(const TDIB&) = delete;
  TDIB& operator=(const TDIB&) = delete;

  TPixelFormat PixelFormat() const { return format_; }
  // First byte of picture row `row`, rows counted from the top.
  virtual std::uint8_t* RowPointer(int row) = 0;

protected:
  TDIB(TBitmap& bitmap, TPixelFormat format) : bitmap_(bitmap), format_(format) {}
  TBitmap& Bitmap() { return bitmap_; }
  const TBitmap& Bitmap() const { return bitmap_; }

private:
  TBitmap& bitmap_;
  TPixelFormat format_;
};

class TDIBReader final : public TDIB {
public:
  // Converts `bitmap` itself to `format`, in place, so that its rows read in that format.
  TDIBReader(TBitmap& bitmap, TPixelFormat format);
  // The bitmap's own row; EInvalidGraphicOperation "Scan line index out of range".
  std::uint8_t* RowPointer(int row) override;
  int Width() const { return Bitmap().Width(); }
  int Height() const { return Bitmap().Height(); }
};

class TDIBWriter final : public TDIB {
public:
  // GIFException "Unsupported PixelFormat" unless `format` is pf8bit or pf24bit;
  // GIFException "Invalid image dimensions" for a width or height below 1. The palette is
  // read, not owned, and must outlive the first RowPointer.
  TDIBWriter(TBitmap& target, TPixelFormat format, int width, int height, const TPalette* palette);

  // Creates the picture on the first call (EOutOfMemory "Failed to allocate memory for
  // GIF DIB"; after that failure every call raises GIFException "Image has no DIB").
  // EInvalidGraphicOperation "Scan line index out of range" for a row outside the picture.
  std::uint8_t* RowPointer(int row) override;

  // Writes the picture as a BMP file image: the 14-byte file header, the 40-byte
  // information header, for 8 bits a 256-entry colour table (the palette's colours, then
  // black), and the rows bottom-up. Writes nothing when no row was ever asked for.
  void WriteImage(TStream& stream) const;
  // Loads the picture into the target bitmap through a memory stream, then frees it.
  // Does nothing when no row was ever asked for.
  void Deliver();

private:
  void CreatePicture();

  const TPalette* palette_;
  int width_;
  int height_;
  std::size_t stride_ = 0;
  bool created_ = false;
  std::vector<std::uint8_t> header_;  // information header and colour table
  std::vector<std::uint8_t> pixels_;  // rows bottom-up, each padded to 4 bytes
};
