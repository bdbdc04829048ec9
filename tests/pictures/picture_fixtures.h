// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures made in the tests: a colourful one in PNG or JPEG, a damaged one, and a bomb
// (a few bytes whose header claims billions of pixels).
#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <fstream>
#include <string>

// A picture with smooth gradients and hard edges, which a palette of few colours cannot
// show without dithering.
inline QImage ColourfulPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb(255 * x / width, 255 * y / height, 255 - 255 * (x + y) / (width + height)));
  QPainter painter(&image);
  painter.setBrush(QColor(200, 30, 40));
  painter.drawEllipse(width / 4, height / 4, width / 2, height / 2);
  return image;
}

inline std::string Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes.toStdString();
}

inline std::string PngBytes(int width, int height) { return Encoded(ColourfulPicture(width, height), "PNG"); }

// The first half of a real PNG: its header reads, its pixels do not.
inline std::string BrokenPicture() {
  const std::string png = PngBytes(64, 64);
  return png.substr(0, png.size() / 2);
}

namespace picture_fixtures_detail {

inline std::uint32_t Crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline void PutBE32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>(value >> (24 - 8 * k));
}

}  // namespace picture_fixtures_detail

// A valid 1 × 1 PNG whose header is rewritten to claim 60000 × 60000 pixels (with a
// correct checksum): decoding it would allocate gigabytes.
inline std::string PictureBomb() {
  using namespace picture_fixtures_detail;
  std::string png = PngBytes(1, 1);
  // The signature (8), the IHDR chunk's length (4) and type (4), then width and height.
  constexpr std::size_t kIhdrType = 12, kWidth = 16, kHeight = 20, kIhdrCrc = 29;
  PutBE32(png, kWidth, 60000);
  PutBE32(png, kHeight, 60000);
  PutBE32(png, kIhdrCrc, Crc32(png.substr(kIhdrType, kIhdrCrc - kIhdrType)));
  return png;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
