// SPDX-License-Identifier: GPL-3.0-or-later
// Picture pages beside ImageMagick (`convert -dither FloydSteinberg -colors N`, the peer) on
// three pictures of our own: a sky gradient, a photo-like texture and line art, at 256, 64
// and 16 colours. Counter "psnr": how close the reduced picture stays to the smooth one,
// in dB (higher is better); ours should be at least the peer's minus 0.5 dB.
#include <gif_lib.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "app/pictures/picture_page.h"
#include "bench/bench_support.h"
#include "platform/bitmap.h"

namespace {

constexpr int kWidth = 400, kHeight = 260;

QImage Sky() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const double t = static_cast<double>(y) / (kHeight - 1), s = static_cast<double>(x) / (kWidth - 1);
      image.setPixel(x, y,
                     qRgb(static_cast<int>(30 + 210 * t), static_cast<int>(80 + 136 * t + 10 * s),
                          static_cast<int>(180 - 20 * t + 20 * s)));
    }
  return image;
}

// Smooth shapes of many hues with fine grain: what a photograph asks of a palette.
QImage Photo() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  unsigned grain = 12345;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      grain = grain * 1103515245u + 12345u;
      const double n = static_cast<double>((grain >> 16) & 15) - 7.5;
      const auto channel = [&](double a, double b, double c) {
        return std::clamp(
            static_cast<int>(128 + 90 * std::sin(x / a + std::cos(y / b)) + 30 * std::sin(y / c) + n), 0,
            255);
      };
      image.setPixel(x, y, qRgb(channel(37, 23, 51), channel(29, 41, 17), channel(61, 19, 33)));
    }
  return image;
}

QImage LineArt() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawEllipse(QPoint(200, 130), 110, 90);
  painter.drawLine(20, 240, 380, 20);
  painter.setPen(QPen(QColor(180, 30, 30), 3));
  painter.drawRect(40, 40, 90, 90);
  return image;
}

const QImage& PictureOf(int which) {
  static const QImage pictures[] = {Sky(), Photo(), LineArt()};
  return pictures[which];
}

double Psnr(const QImage& shown, const QImage& original) {
  double sum = 0;
  for (int y = 0; y < original.height(); ++y)
    for (int x = 0; x < original.width(); ++x) {
      const QRgb a = shown.pixel(x, y), b = original.pixel(x, y);
      for (const int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) sum += d * d;
    }
  const double mse = sum / (3.0 * original.width() * original.height());
  return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

QImage DecodedGif(const std::string& path) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  QImage image;
  if (gif && DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    image = QImage(frame.ImageDesc.Width, frame.ImageDesc.Height, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const GifColorType c = map->Colors[frame.RasterBits[y * image.width() + x]];
        image.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
      }
  }
  if (gif) DGifCloseFile(gif, &error);
  return image;
}

void Ours(benchmark::State& state) {
  const QImage& picture = PictureOf(static_cast<int>(state.range(0)));
  TBitmap page(picture.width(), picture.height(), pf32bit);
  for (int y = 0; y < picture.height(); ++y)
    std::memcpy(page.ScanLine(y), picture.constScanLine(y), static_cast<std::size_t>(picture.width()) * 4);
  const pictures::TPictureColors settings{static_cast<int>(state.range(1)), TDitherMethod::FloydSteinberg};
  std::vector<std::uint8_t> bytes;
  for (auto _ : state) bytes = pictures::EncodePicturePage(page, settings);
  const TScratch scratch;
  const std::string path = (scratch.Path() / "ours.gif").string();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  state.counters["psnr"] = Psnr(DecodedGif(path), picture);
}

void Peer(benchmark::State& state) {
  if (std::system("convert -version >/dev/null 2>&1") != 0) {
    state.SkipWithError("ImageMagick's convert is missing (scripts/setup test)");
    return;
  }
  const QImage& picture = PictureOf(static_cast<int>(state.range(0)));
  const TScratch scratch;
  const std::string in = (scratch.Path() / "in.png").string(), out = (scratch.Path() / "out.png").string();
  picture.save(QString::fromStdString(in));
  const std::string command =
      "convert " + in + " -dither FloydSteinberg -colors " + std::to_string(state.range(1)) + " " + out;
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("convert failed");
  state.counters["psnr"] =
      Psnr(QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32), picture);
}

// Arguments: the picture (0 sky, 1 photo, 2 line art), the colours.
void Pictures(benchmark::internal::Benchmark* b) {
  for (const int picture : {0, 1, 2})
    for (const int colors : {256, 64, 16}) b->Args({picture, colors});
  b->Unit(benchmark::kMillisecond)->Iterations(3);
}

}  // namespace

BENCHMARK(Ours)->Apply(Pictures);
BENCHMARK(Peer)->Apply(Pictures);

STRONIX_BENCHMARK_MAIN();
