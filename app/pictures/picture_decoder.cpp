// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>

namespace pictures {

namespace {

// Qt's allocation limit is one setting for the whole program; it is set once, before the
// first picture, and never changed while readers run.
void SetAllocationLimitOnce() {
  static const bool set = [] {
    QImageReader::setAllocationLimit(kPictureMemoryMegabytes);
    return true;
  }();
  (void)set;
}

bool WithinBounds(const QSize& size) {
  return size.isValid() && !size.isEmpty() && size.width() <= kMaxPictureSide &&
         size.height() <= kMaxPictureSide &&
         static_cast<long long>(size.width()) * size.height() <= kMaxPicturePixels;
}

// Transparent pixels show the page's white, as a browser shows them on a white page.
QImage OnWhite(const QImage& image) {
  if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  return flat;
}

}  // namespace

std::optional<QImage> DecodePicture(std::string_view bytes) {
  try {
    SetAllocationLimitOnce();
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly)) return std::nullopt;
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    // The header's size first: a bomb is refused before a pixel is decoded.
    if (!WithinBounds(reader.size())) return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull() || !WithinBounds(image.size())) return std::nullopt;
    return OnWhite(image);
  } catch (...) {
    // Memory ran out, or a plugin threw: the book goes on without this picture.
    return std::nullopt;
  }
}

}  // namespace pictures
