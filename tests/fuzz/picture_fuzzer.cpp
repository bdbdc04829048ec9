// SPDX-License-Identifier: GPL-3.0-or-later
// The encode command's way: a picture file read by LoadPicture, made a one-frame GIF with
// the settings the first bytes choose, written to memory and read back by giflib.
// Input: reduction, dither, palette bits, compression (one byte each), then the file. The
// frame's pixels are also compressed with both LZW dictionaries, in row and interlaced
// order, against a colour count the compression byte chooses: the same bytes or the same
// refusal; and with the lookahead parse, refused alike or read back by giflib as they are.
// The same file also takes a book's way: decoded within bounds, fitted to a page and reduced
// to the palette size the third byte chooses, with the second byte's ditherer.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/drawing/page_raster.h"
#include "app/pictures/picture_decoder.h"
#include "app/pictures/picture_fit.h"
#include "app/pictures/picture_page.h"
#include "cli/picture_file.h"
#include "fuzz/fuzz_support.h"
#include "gif/encode/encode_test_support.h"
#include "gif/encode/lzw_encoder.h"
#include "gif/model/color_map.h"
#include "gif/model/image.h"
#include "gif/model/sub_image.h"
#include "platform/exceptions.h"
#include "platform/stream.h"
#include "support/gif_decode.h"

namespace {

constexpr std::size_t kSettingBytes = 4;
// Larger pictures only make the run slower; the size checks are covered by the unit tests.
constexpr int kMaxSide = 512;
// A page a quarter of the screen each way reduces the same way as a whole one, faster.
constexpr int kQuarterPageWidth = 120, kQuarterPageHeight = 68;

// The image data one dictionary writes, up to a refusal, and whether it refused.
std::pair<std::vector<std::uint8_t>, bool> Compressed(
    TLZWEncoder::TDictionary dictionary, const TGIFSubImage& frame, int colorCount, bool interlaced,
    TLZWEncoder::TParse parse = TLZWEncoder::TParse::Greedy) {
  TLZWEncoder encoder(dictionary, parse);
  TMemoryStream stream;
  try {
    encoder.Encode(stream, IndexBitsFor(colorCount), colorCount, frame.Pixels().data(), interlaced,
                   frame.Height(), frame.Width());
  } catch (const GIFException&) {
    return {stream.Bytes(), true};
  }
  return {stream.Bytes(), false};
}

void CompareDictionaries(const TGIFSubImage& frame, int colorCount) {
  if (frame.Pixels().empty()) return;
  for (const bool interlaced : {false, true})
    if (Compressed(TLZWEncoder::TDictionary::Fitted, frame, colorCount, interlaced) !=
        Compressed(TLZWEncoder::TDictionary::Hashed, frame, colorCount, interlaced))
      FuzzFailure("the child table and the hash table give different image data");
  const auto [greedy, greedyRefused] = Compressed(TLZWEncoder::TDictionary::Fitted, frame, colorCount, false);
  const auto [parsed, parsedRefused] =
      Compressed(TLZWEncoder::TDictionary::Fitted, frame, colorCount, false, TLZWEncoder::TParse::Lookahead);
  if (parsedRefused != greedyRefused)
    FuzzFailure("the lookahead parse and the greedy one refuse differently");
  if (!parsedRefused &&
      !std::ranges::equal(
          DecodeGif(encode_test::WrapInGif(parsed, frame.Width(), frame.Height(), false)).frames.at(0).pixels,
          frame.Pixels()))
    FuzzFailure("giflib reads other pixels from the lookahead parse");
}

void CheckBookPicture(std::string_view bytes, const pictures::TPictureColors& settings) {
  const std::optional<QImage> picture = pictures::DecodePicture(bytes);
  if (!picture) return;  // could not be read: the book shows a placeholder
  TPageRaster raster(kQuarterPageWidth, kQuarterPageHeight);
  QImage target = raster.PaintTarget();
  target.fill(Qt::white);
  QPainter(&target).drawImage(0, 0, pictures::FitPicture(*picture, target.size()));
  const DecodedGif gif = DecodeGif(pictures::EncodePicturePage(raster.Bitmap(), settings));
  if (gif.frames.size() != 1 || gif.frames[0].width != target.width() ||
      gif.frames[0].height != target.height())
    FuzzFailure("giflib reads another page than the picture page written");
  const std::set<std::uint8_t> used(gif.frames[0].pixels.begin(), gif.frames[0].pixels.end());
  if (static_cast<int>(used.size()) > settings.colors)
    FuzzFailure("a picture page uses more colours than asked");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSettingBytes) return 0;
  static TMemoryFile file;
  file.Fill(data + kSettingBytes, size - kSettingBytes);
  CheckBookPicture({reinterpret_cast<const char*>(data + kSettingBytes), size - kSettingBytes},
                   {pictures::kMinPictureColors + data[2] % (pictures::kMaxPictureColors - 1),
                    static_cast<TDitherMethod>(data[1] % 7)});

  TBitmap picture;
  try {
    picture = LoadPicture(file.Path());
  } catch (const Exception&) {
    return 0;  // refused with a message: what the command reports
  }
  if (picture.Empty() || picture.Width() > kMaxSide || picture.Height() > kMaxSide) return 0;

  TGIFImage image;
  image.ReductionMethod = static_cast<TReductionMethod>(data[0] % 10);
  image.DitherMethod = static_cast<TDitherMethod>(data[1] % 7);
  image.PaletteBits = data[2] % 9;
  image.CompressionMethod = data[3] % 2;
  const int width = picture.Width(), height = picture.Height();
  try {
    image.AssignFrom(&picture);
    CompareDictionaries(image.Images()[0], 1 + data[3] / 2);
    CheckWrittenGif(image, width, height);
  } catch (const Exception&) {
    // Refused with a message, as the command reports it: a setting the picture cannot take
    // (a custom palette without one, say), or an index beyond the picture's colour table.
  }
  return 0;
}
