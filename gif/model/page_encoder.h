// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page raster straight to GIF bytes: the bytes a fresh TGIFImage writes after importing
// the page, without the image model, the 24-bit copy or fresh buffers for every page.
#include <cstdint>
#include <memory>
#include <vector>

class TBitmap;
class TStream;
class TGIFEncoder;
class TGIFImage;

// The colour table of every page.
enum class TPageColors {
  WholeCube,  // the 216-colour cube and black up to 256 entries, as the image writes it
  // Only the colours the page uses, in the order the pixels first show them, padded with
  // black to a power of two of at least 2; the smallest minimum code size that holds them;
  // the pixels parsed for size (TLZWEncoder::TParse::Lookahead). The page shows the same
  // colours in the same places, in a smaller file.
  UsedOnly,
};

class TPageEncoder {
public:
  explicit TPageEncoder(TPageColors colors = TPageColors::WholeCube);
  ~TPageEncoder();
  TPageEncoder(const TPageEncoder&) = delete;
  TPageEncoder& operator=(const TPageEncoder&) = delete;

  // Writes to `out`, in one checked write, exactly the bytes a default-constructed
  // TGIFImage writes after AssignFrom(&page) and SaveToStream. A 32-bit page under the
  // unit-wide defaults is mapped straight to the 216-colour cube; any other page goes
  // through that image, on a copy. `page` is never changed. The buffers stay for the next
  // page. Raises what the image would raise; `out` then receives nothing. With
  // TPageColors::UsedOnly every page gets the smaller colour table, those through the image
  // (a page over 500,000 pixels) too: the same pixels in the same colours as the image
  // writes them, the colours renumbered in the order the pixels first show them.
  //
  // One encoder per thread: instances share nothing, but all read GIFImageDefaults, which
  // must not change while pages are being encoded.
  void Encode(const TBitmap& page, TStream& out);
  // The same bytes, in the encoder's own buffer, valid until the next page.
  const std::vector<std::uint8_t>& Encode(const TBitmap& page);

private:
  bool TakesDirectly(const TBitmap& page) const;
  void EncodeDirectly(const TBitmap& page);
  void EncodeThroughImage(const TBitmap& page);
  void MapToCube(const TBitmap& page);
  // Takes the single plain frame of `image` into indices_ and frameTable_; false for any
  // other image, which is then written as it is.
  bool TakeFrame(const TGIFImage& image);
  // Renumbers indices_ to the colours of `table` in use, into usedTable_; returns how many
  // there are.
  int KeepUsedColors(const std::vector<std::uint8_t>& table);
  // Writes indices_ as the page's whole stream: with usedColors 0 under colorTable_, else
  // under usedTable_.
  void WriteFrame(int width, int height, int usedColors);

  TPageColors colors_;
  // The frame's colour table for the whole cube: the cube, then black.
  std::vector<std::uint8_t> colorTable_;
  std::vector<std::uint8_t> frameTable_;  // the colour table of a frame the image made
  std::vector<std::uint8_t> usedTable_;   // the colours in use alone, padded
  std::vector<std::uint8_t> indices_;     // one index per pixel, rows top to bottom
  std::vector<std::uint8_t> bytes_;       // the page's whole GIF stream
  std::unique_ptr<TGIFEncoder> lzw_;      // its tables are reused, its state reset per page
};
