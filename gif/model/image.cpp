// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/image.h"

#include <algorithm>

#include "gif/model/palette_cache.h"
#include "gif/model/progress.h"
#include "gif/model/sub_image.h"
#include "platform/bitmap.h"
#include "platform/exceptions.h"

TGIFImage::TGIFImage()
    : DrawFlags(GIFImageDefaults.DrawFlags),
      ReductionMethod(GIFImageDefaults.ReductionMethod),
      PaletteBits(GIFImageDefaults.PaletteBits),
      DitherMethod(GIFImageDefaults.DitherMethod),
      CompressionMethod(GIFImageDefaults.CompressionMethod),
      header_(*this),
      images_(*this) {
  Reset();
}

TGIFImage::~TGIFImage() { Reset(); }

void TGIFImage::Reset() {
  images_.Reset();
  header_.ColorMap().Reset();
  header_.ScreenHeight = 0;
  header_.ScreenWidth = 0;
  header_.RefreshPackedFields();
  SetPalette(nullptr);
}

int TGIFImage::AppendFrame(std::unique_ptr<TGIFSubImage> frame) {
  if (!frame) throw GIFException("Object type not supported for operation");
  const int index = images_.Add(std::move(frame));
  NotifyChanged();
  return index;
}

int TGIFImage::AppendFrame(TGraphic& source) {
  auto frame = std::make_unique<TGIFSubImage>(*this);
  frame->AssignFrom(&source);
  return AppendFrame(std::move(frame));
}

void TGIFImage::AssignFrom(TPersistent* source) {
  if (source == this) return;
  if (!source) {
    Reset();
  } else if (auto* image = dynamic_cast<TGIFImage*>(source)) {
    CopyImage(*image);
  } else {
    Reset();
    try {
      auto frame = std::make_unique<TGIFSubImage>(*this);
      frame->AssignFrom(source);
      AppendFrame(std::move(frame));
    } catch (const EConvertError&) {
      // The frame could not take this source: report it against the image.
      TGraphic::AssignFrom(source);
    }
  }
}

void TGIFImage::CopyImage(TGIFImage& source) {
  Reset();
  // The source's handlers follow the copy and are dropped when it ends.
  ProgressHandler = source.ProgressHandler;
  WarningHandler = source.WarningHandler;
  try {
    detail::WithProgress(*this, this, "Copying...", false, [&] {
      header_.AssignFrom(&source.header_);
      DrawFlags = source.DrawFlags;
      ReductionMethod = source.ReductionMethod;
      DitherMethod = source.DitherMethod;
      const int n = source.images_.Count();
      for (int i = 0; i < n; ++i) {
        auto frame = std::make_unique<TGIFSubImage>(*this);
        frame->AssignFrom(&source.images_[i]);
        AppendFrame(std::move(frame));
        ReportProgress(this, TProgressStage::Running, PercentOf(i + 1, n), false, {}, "Copying...");
      }
    });
  } catch (...) {
    ProgressHandler = nullptr;
    WarningHandler = nullptr;
    throw;
  }
  ProgressHandler = nullptr;
  WarningHandler = nullptr;
}

bool TGIFImage::Empty() const { return images_.Empty(); }

void TGIFImage::CheckFramesFit(int extent, int (*frameExtent)(const TGIFSubImage&),
                               const char* message) const {
  for (const auto& frame : images_)
    if (extent < frameExtent(*frame)) throw GIFException(message);
}

void TGIFImage::SetWidth(int width) {
  CheckFramesFit(
      width, [](const TGIFSubImage& f) { return f.Left() + f.Width(); },
      "Image width too small for contained frames");
  if (width == header_.ScreenWidth) return;
  header_.ScreenWidth = static_cast<std::uint16_t>(width);
  NotifyChanged();
}

void TGIFImage::SetHeight(int height) {
  CheckFramesFit(
      height, [](const TGIFSubImage& f) { return f.Top() + f.Height(); },
      "Image height too small for contained frames");
  if (height == header_.ScreenHeight) return;
  header_.ScreenHeight = static_cast<std::uint16_t>(height);
  NotifyChanged();
}

int TGIFImage::BitsPerPixel() const {
  int bits = header_.ColorMap().IndexBits();
  for (const auto& frame : images_) bits = std::max(bits, frame->ColorMap().IndexBits());
  return bits;
}

int TGIFImage::RequiredVersion() const {
  int version = gif::kVersionNone;
  for (const auto& frame : images_) {
    version = std::max(version, frame->RequiredVersion());
    if (version == gif::kVersion89a) break;
  }
  return version;
}

void TGIFImage::Warn(TObject* sender, int severity, std::string_view message) {
  if (WarningHandler) WarningHandler(sender, severity, message);
}

bool TGIFImage::DitherWanted() const {
  return (DrawFlags & kDrawDither) != 0 && ((DrawFlags & kDrawAutoDither) == 0 || AutoDitherActive);
}

TPaletteHandle TGIFImage::Palette() {
  if (paletteQueryGuard_) throw GIFException("No global or local color table defined");
  if (paletteCache_) return detail::CopyOf(paletteCache_.get());
  paletteQueryGuard_ = true;
  struct ClearGuard {
    bool& guard;
    ~ClearGuard() { guard = false; }
  } clearGuard{paletteQueryGuard_};

  if (DitherWanted())
    paletteCache_ = detail::DitherPalette();
  else if (header_.ColorMap().Count() > 0)
    paletteCache_ = header_.ColorMap().ExportSystemPalette();
  else
    return images_.Empty() ? nullptr : images_[0].Palette();  // borrowed colours are not cached here
  return detail::CopyOf(paletteCache_.get());
}

void TGIFImage::SetPalette(TPaletteHandle palette) {
  // The image keeps no bitmap of its own, so there is nothing to rebuild.
  if (palette.get() != paletteCache_.get()) paletteCache_ = std::move(palette);
}
