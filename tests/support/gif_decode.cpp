// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gif_decode.h"

#include <gif_lib.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace {

struct Source {
  const std::vector<std::uint8_t>* bytes;
  std::size_t position;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int count) {
  auto* source = static_cast<Source*>(gif->UserData);
  const std::size_t left = source->bytes->size() - source->position;
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), left);
  std::memcpy(out, source->bytes->data() + source->position, n);
  source->position += n;
  return static_cast<int>(n);
}

std::vector<DecodedColor> Colors(const ColorMapObject* map) {
  std::vector<DecodedColor> colors;
  if (!map) return colors;
  for (int i = 0; i < map->ColorCount; ++i)
    colors.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
  return colors;
}

struct Closer {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

}  // namespace

DecodedGif DecodeGif(const std::vector<std::uint8_t>& bytes) {
  Source source{&bytes, 0};
  int error = 0;
  std::unique_ptr<GifFileType, Closer> gif(DGifOpen(&source, ReadFromMemory, &error));
  if (!gif) throw std::runtime_error(std::string("DGifOpen: ") + GifErrorString(error));
  if (DGifSlurp(gif.get()) != GIF_OK)
    throw std::runtime_error(std::string("DGifSlurp: ") + GifErrorString(gif->Error));

  DecodedGif out;
  out.version = bytes.size() >= 6 ? std::string(bytes.begin() + 3, bytes.begin() + 6) : "";
  out.screenWidth = gif->SWidth;
  out.screenHeight = gif->SHeight;
  out.globalColors = Colors(gif->SColorMap);
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    DecodedFrame frame;
    frame.left = image.ImageDesc.Left;
    frame.top = image.ImageDesc.Top;
    frame.width = image.ImageDesc.Width;
    frame.height = image.ImageDesc.Height;
    frame.interlaced = image.ImageDesc.Interlace;
    frame.localColors = Colors(image.ImageDesc.ColorMap);
    // DGifSlurp de-interlaces the rasters it reads.
    frame.pixels.assign(image.RasterBits,
                        image.RasterBits + std::size_t(frame.width) * std::size_t(frame.height));
    out.frames.push_back(std::move(frame));
  }
  return out;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

DecodedGif DecodeGifFile(const std::string& path) { return DecodeGif(ReadFileBytes(path)); }
