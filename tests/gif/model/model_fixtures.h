// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builders shared by the model tests: frames made directly, without bitmap import.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gif/model/image.h"
#include "gif/model/sub_image.h"
#include "platform/stream.h"

namespace model_test {

// A frame of `image` (not yet appended) with the given bounds, local colours and pixels.
inline std::unique_ptr<TGIFSubImage> MakeFrame(TGIFImage& image, int left, int top, int width, int height,
                                               const std::vector<TColor>& colors,
                                               const std::vector<std::uint8_t>& pixels) {
  auto frame = std::make_unique<TGIFSubImage>(image);
  frame->SetFrameBounds(left, top, width, height);
  for (const TColor c : colors) frame->ColorMap().AppendColor(c);
  std::copy(pixels.begin(), pixels.end(), frame->Pixels().begin());
  return frame;
}

// Appends such a frame and returns it.
inline TGIFSubImage& AddFrame(TGIFImage& image, int left, int top, int width, int height,
                              const std::vector<TColor>& colors, const std::vector<std::uint8_t>& pixels) {
  const int index = image.AppendFrame(MakeFrame(image, left, top, width, height, colors, pixels));
  return image.Images()[index];
}

// The colours of a map, in entry order.
inline std::vector<TColor> Colors(TGIFColorMap& map) {
  std::vector<TColor> colors;
  for (int i = 0; i < map.Count(); ++i) colors.push_back(map.ColorAt(i));
  return colors;
}

inline std::vector<std::uint8_t> PixelsOf(const TGIFSubImage& frame) {
  return {frame.Pixels().begin(), frame.Pixels().end()};
}

inline std::vector<std::uint8_t> SavedBytes(TGIFImage& image) {
  TMemoryStream stream;
  image.SaveToStream(stream);
  return stream.Bytes();
}

// A warning as the image's handler received it.
struct Warning {
  const TObject* sender;
  int severity;
  std::string message;
  friend bool operator==(const Warning&, const Warning&) = default;
};

// Collects every warning of `image`.
inline void CollectWarnings(TGIFImage& image, std::vector<Warning>& into) {
  image.WarningHandler = [&into](TObject* sender, int severity, std::string_view message) {
    into.push_back({sender, severity, std::string(message)});
  };
}

}  // namespace model_test
