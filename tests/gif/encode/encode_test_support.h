// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the compressor tests: running an encoder into memory, taking the image
// data apart again, and wrapping it into a minimal GIF that giflib can read.
#include <cstdint>
#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

#include "gif/encode/gif_encoder.h"
#include "platform/stream.h"

namespace encode_test {

struct Picture {
  int width = 0;
  int height = 0;
  int colorCount = 0;
  int bitDepth = 0;  // the smallest n ≥ 1 with 2^n ≥ colorCount, as a colour map gives it
  std::vector<std::uint8_t> pixels;
};

inline int BitsFor(int colorCount) {
  int bits = 1;
  while ((1 << bits) < colorCount) ++bits;
  return bits;
}

inline Picture MakePicture(int width, int height, int colorCount, std::vector<std::uint8_t> pixels) {
  return {width, height, colorCount, BitsFor(colorCount), std::move(pixels)};
}

// The whole image data as the encoder writes it: code-size byte, sub-blocks, terminator.
inline std::vector<std::uint8_t> Encode(TGIFEncoder& encoder, const Picture& picture,
                                        bool interlaced = false) {
  TMemoryStream stream;
  encoder.Encode(stream, picture.bitDepth, picture.colorCount, picture.pixels.data(), interlaced,
                 picture.height, picture.width);
  return stream.Bytes();
}

// The image data taken apart: the code-size byte, the sub-block lengths and the bytes
// they carry. Throws when the framing is broken (a block runs past the end, no
// terminator, bytes after it).
struct ImageData {
  int minCodeSize = 0;
  std::vector<int> blockLengths;
  std::vector<std::uint8_t> bytes;
};

inline ImageData Unblock(const std::vector<std::uint8_t>& data) {
  if (data.empty()) throw std::runtime_error("no code-size byte");
  ImageData out;
  out.minCodeSize = data[0];
  std::size_t at = 1;
  for (;;) {
    if (at >= data.size()) throw std::runtime_error("no block terminator");
    const int length = data[at++];
    if (length == 0) break;
    if (at + length > data.size()) throw std::runtime_error("sub-block runs past the end");
    out.blockLengths.push_back(length);
    out.bytes.insert(out.bytes.end(), data.begin() + at, data.begin() + at + length);
    at += length;
  }
  if (at != data.size()) throw std::runtime_error("bytes after the block terminator");
  return out;
}

// Reads codes of given widths, least significant bit first, as a GIF decoder does.
class CodeReader {
public:
  explicit CodeReader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  int Read(int width) {
    int code = 0;
    for (int i = 0; i < width; ++i, ++bit_) {
      if (bit_ / 8 >= bytes_.size()) throw std::runtime_error("code runs past the data");
      code |= ((bytes_[bit_ / 8] >> (bit_ % 8)) & 1) << i;
    }
    return code;
  }
  std::size_t BitsLeft() const { return bytes_.size() * 8 - bit_; }

private:
  std::vector<std::uint8_t> bytes_;
  std::size_t bit_ = 0;
};

// A minimal GIF87a around one frame's image data: screen and frame of the picture's
// size, a local table of 2^m grey entries, no global table.
inline std::vector<std::uint8_t> WrapInGif(const std::vector<std::uint8_t>& imageData, int width, int height,
                                           bool interlaced) {
  const int m = imageData.at(0);
  auto le16 = [](std::vector<std::uint8_t>& out, int v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '7', 'a'};
  le16(out, width);
  le16(out, height);
  out.insert(out.end(), {0x00, 0x00, 0x00});
  out.push_back(0x2C);
  le16(out, 0);
  le16(out, 0);
  le16(out, width);
  le16(out, height);
  out.push_back(static_cast<std::uint8_t>(0x80 | (interlaced ? 0x40 : 0) | ((m - 1) & 7)));
  for (int i = 0; i < (1 << m); ++i) out.insert(out.end(), 3, static_cast<std::uint8_t>(i));
  out.insert(out.end(), imageData.begin(), imageData.end());
  out.push_back(0x3B);
  return out;
}

// Random pixels below `colorCount`, in runs of 1 ... maxRun.
inline std::vector<std::uint8_t> RandomRuns(std::mt19937& random, std::size_t count, int colorCount,
                                            int maxRun) {
  std::vector<std::uint8_t> pixels;
  std::uniform_int_distribution<int> value(0, colorCount - 1);
  std::uniform_int_distribution<int> run(1, maxRun);
  while (pixels.size() < count)
    pixels.insert(pixels.end(), run(random), static_cast<std::uint8_t>(value(random)));
  pixels.resize(count);
  return pixels;
}

}  // namespace encode_test
