// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <cerrno>

#include "platform/descriptor_io.h"
#include "platform/exceptions.h"
#include "platform/regular_file.h"
#include "platform/stream.h"

namespace {

// Pixels at most this opaque become transparent in the GIF.
constexpr int kTransparentAlpha = 127;

std::vector<TRGBQuad> ColorTableOf(const QImage& image) {
  std::vector<TRGBQuad> table;
  for (const QRgb rgb : image.colorTable())
    table.push_back({static_cast<std::uint8_t>(qBlue(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
                     static_cast<std::uint8_t>(qRed(rgb)), 0});
  return table;
}

// A mask raster whose set pixels mark the transparent ones, or none when all are opaque.
std::unique_ptr<TBitmap> TransparencyMask(const QImage& argb) {
  auto mask = std::make_unique<TBitmap>(argb.width(), argb.height(), pf8bit);
  mask->SetColorTable({{0, 0, 0, 0}, {255, 255, 255, 0}});
  bool any = false;
  for (int y = 0; y < argb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    std::uint8_t* out = mask->ScanLine(y);
    for (int x = 0; x < argb.width(); ++x) {
      if (qAlpha(in[x]) <= kTransparentAlpha) {
        out[x] = 1;
        any = true;
      }
    }
  }
  return any ? std::move(mask) : nullptr;
}

TBitmap IndexedBitmap(const QImage& image) {
  const bool mono = image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
  const QImage source = mono ? image.convertToFormat(QImage::Format_Mono) : image;
  TBitmap bitmap(source.width(), source.height(), mono ? pf1bit : pf8bit);
  bitmap.SetColorTable(ColorTableOf(source));
  const auto rowBytes = static_cast<std::size_t>(mono ? (source.width() + 7) / 8 : source.width());
  for (int y = 0; y < source.height(); ++y)
    std::copy_n(source.constScanLine(y), rowBytes, bitmap.ScanLine(y));
  return bitmap;
}

// Transparent pixels (alpha of the pixel or of its palette entry) go into the bitmap's mask.
void TakeTransparency(const QImage& image, TBitmap& bitmap) {
  if (!image.hasAlphaChannel()) return;
  if (auto mask = TransparencyMask(image.convertToFormat(QImage::Format_ARGB32))) {
    bitmap.SetMask(std::move(mask));
    bitmap.Transparent = true;
  }
}

TBitmap TrueColorBitmap(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  // The words 0xffRRGGBB, whatever their byte order; the bitmap's rows are blue, green, red, unused.
  TBitmap bitmap(rgb.width(), rgb.height(), pf32bit);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    std::uint8_t* out = bitmap.ScanLine(y);
    for (int x = 0; x < rgb.width(); ++x, out += 4) {
      out[0] = static_cast<std::uint8_t>(qBlue(in[x]));
      out[1] = static_cast<std::uint8_t>(qGreen(in[x]));
      out[2] = static_cast<std::uint8_t>(qRed(in[x]));
      out[3] = static_cast<std::uint8_t>(qAlpha(in[x]));
    }
  }
  return bitmap;
}

// The whole file, read through the one descriptor that was found to be a regular file.
QByteArray ReadWhole(const std::string& path) {
  TRegularFile file(path);
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(file.Size()));
  char chunk[1 << 16];
  for (;;) {
    const ssize_t count = ReadRetrying(file.Fd(), chunk, sizeof chunk);
    if (count < 0) throw EFOpenError(path, errno);
    if (count == 0) return bytes;
    bytes.append(chunk, static_cast<qsizetype>(count));
  }
}

}  // namespace

TBitmap LoadPicture(const std::string& path) {
  const QByteArray bytes = ReadWhole(path);
  // Our own reader keeps a BMP's bit depth and colour table exactly as stored; anything it
  // does not take (compressed rows, say) is left to the general readers.
  if (bytes.startsWith("BM")) {
    try {
      TMemoryStream stream;
      stream.WriteBuffer(bytes.constData(), static_cast<std::size_t>(bytes.size()));
      stream.SetPosition(0);
      TBitmap bitmap;
      bitmap.LoadFromStream(stream);
      return bitmap;
    } catch (const EReadError&) {
      // The general readers would pad the missing rows; a cut-off file is no picture.
      throw EInvalidGraphic(FormatMessage("Cannot read a picture from %s: the file is cut short", {path}));
    } catch (const Exception&) {
    }
  }
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer);
  const QImage image = reader.read();
  if (image.isNull())
    throw EInvalidGraphic(
        FormatMessage("Cannot read a picture from %s: %s", {path, reader.errorString().toStdString()}));
  const bool indexed = image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
                       image.format() == QImage::Format_MonoLSB;
  TBitmap bitmap = indexed ? IndexedBitmap(image) : TrueColorBitmap(image);
  TakeTransparency(image, bitmap);
  return bitmap;
}
