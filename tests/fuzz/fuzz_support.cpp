// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/fuzz_support.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "gif/model/image.h"
#include "gif/model/sub_image.h"
#include "platform/stream.h"
#include "support/gif_decode.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartGuiApplication();
  return 0;
}

void StartGuiApplication() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "fuzzer";
  static char* argv[] = {name, nullptr};
  // Destroyed at exit (libFuzzer leaves through exit()), before the Qt internals it made,
  // so that it releases the font database and the leak check sees nothing left.
  static QGuiApplication application(argc, argv);
}

// Fontconfig's patterns that Qt's font database keeps to the end of the process are not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

void FuzzFailure(std::string_view what) {
  std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

namespace {

void Require(bool condition, std::string_view what) {
  if (!condition) FuzzFailure(what);
}

std::vector<std::uint8_t> WrittenBytes(TGIFImage& image) {
  TMemoryStream stream;
  image.SaveToStream(stream);
  return stream.Bytes();
}

DecodedGif Decoded(const std::vector<std::uint8_t>& bytes) {
  try {
    return DecodeGif(bytes);
  } catch (const std::exception& e) {
    FuzzFailure(std::string("giflib cannot read what we wrote: ") + e.what());
  }
}

}  // namespace

void CheckWrittenGif(TGIFImage& image, int width, int height) {
  const DecodedGif gif = Decoded(WrittenBytes(image));
  Require(gif.version == "87a" || gif.version == "89a", "unknown GIF version");
  Require(gif.screenWidth == width && gif.screenHeight == height, "screen size differs from the picture");
  Require(gif.frames.size() == 1 && image.Images().Count() == 1, "not exactly one frame");
  const DecodedFrame& frame = gif.frames[0];
  Require(frame.left == 0 && frame.top == 0 && frame.width == width && frame.height == height,
          "frame does not cover the screen");
  Require(frame.pixels.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
          "pixel count differs from the frame size");

  TGIFColorMap& map = image.Images()[0].EffectiveColorMap();
  const std::vector<DecodedColor>& table = frame.localColors.empty() ? gif.globalColors : frame.localColors;
  Require(static_cast<std::size_t>(map.Count()) <= table.size(), "colour table too short");
  for (int i = 0; i < map.Count(); ++i) {
    const TColor c = map.ColorAt(i);  // 0x00BBGGRR
    const DecodedColor expected{static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                                static_cast<std::uint8_t>(c >> 16)};
    Require(table[static_cast<std::size_t>(i)] == expected, "written colour differs from the colour map");
  }
  // An empty colour map still counts one colour: its frame may hold only index 0.
  const int colours = std::max(map.Count(), 1);
  for (const std::uint8_t index : frame.pixels) Require(index < colours, "pixel beyond the colour count");
}
