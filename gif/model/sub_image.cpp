// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/sub_image.h"

#include <array>

#include "gif/encode/encoder_factory.h"
#include "gif/model/byte_order.h"
#include "gif/model/extension.h"
#include "gif/model/header.h"
#include "gif/model/image.h"
#include "gif/model/palette_cache.h"
#include "platform/exceptions.h"
#include "platform/stream.h"

TGIFSubImage::TGIFSubImage(TGIFImage& image) : TGIFItem(image), colorMap_(*this), extensions_(image) {}

TGIFSubImage::~TGIFSubImage() { Reset(); }

int TGIFSubImage::RequiredVersion() const {
  return colorMap_.Sorted() || !extensions_.Empty() ? gif::kVersion89a : gif::kVersion87a;
}

void TGIFSubImage::Reset() {
  extensions_.Reset();
  colorMap_.Reset();
  ReleasePixels();
  SetHeight(0);
  SetWidth(0);
  hasTransparency_ = false;
  controlExtension_ = nullptr;
  ReleaseBitmapCache();
}

bool TGIFSubImage::Empty() const { return pixels_.empty() || width_ == 0 || height_ == 0; }

void TGIFSubImage::SetFrameBounds(int left, int top, int width, int height) {
  const bool resized = width != width_ || height != height_;
  left_ = static_cast<std::uint16_t>(left);
  top_ = static_cast<std::uint16_t>(top);
  width_ = static_cast<std::uint16_t>(width);
  height_ = static_cast<std::uint16_t>(height);
  if (resized) {
    ReleaseBitmapCache();
    AllocatePixels();
  }

  // The logical screen only grows. An empty screen grows silently; a screen that
  // already had a size warns that this frame lies outside it.
  TGIFImage& image = Image();
  bool exceeded = false;
  if (image.Width() < left_ + width_) {
    if (image.Width() > 0) {
      exceeded = true;
      ReportWarning(1, "Image width too small for contained frames");
    }
    image.SetWidth(left_ + width_);
  }
  if (image.Height() < top_ + height_) {
    if (image.Height() > 0) {
      exceeded = true;
      ReportWarning(1, "Image height too small for contained frames");
    }
    image.SetHeight(top_ + height_);
  }
  if (exceeded) ReportWarning(1, "Image exceeds Logical Screen size");
}

bool TGIFSubImage::IsInterlaced() const { return (packedFields_ & gif::kImageInterlaced) != 0; }

void TGIFSubImage::SetInterlaced(bool interlaced) {
  packedFields_ = static_cast<std::uint8_t>(interlaced ? packedFields_ | gif::kImageInterlaced
                                                       : packedFields_ & ~gif::kImageInterlaced);
}

void TGIFSubImage::AllocatePixels() {
  ReleasePixels();
  pixels_.assign(static_cast<std::size_t>(width_) * height_, 0);
}

void TGIFSubImage::ReleasePixels() {
  pixels_.clear();
  pixels_.shrink_to_fit();
}

void TGIFSubImage::RequirePixels() {
  if (pixels_.empty()) AllocatePixels();
  if (pixels_.empty()) throw GIFException("Image is empty");
}

namespace {

void CheckCoordinate(int value, int size) {
  if (value < 0 || value >= size) throw GIFException("Invalid pixel coordinates");
}

}  // namespace

std::uint8_t* TGIFSubImage::PixelRow(int y) {
  CheckCoordinate(y, height_);
  RequirePixels();
  return pixels_.data() + static_cast<std::size_t>(y) * width_;
}

std::uint8_t TGIFSubImage::PixelAt(int x, int y) {
  CheckCoordinate(x, width_);
  return PixelRow(y)[x];
}

TGIFColorMap& TGIFSubImage::EffectiveColorMap() {
  return const_cast<TGIFColorMap&>(static_cast<const TGIFSubImage*>(this)->EffectiveColorMap());
}

const TGIFColorMap& TGIFSubImage::EffectiveColorMap() const {
  if (colorMap_.Count() > 0) return colorMap_;
  const TGIFColorMap& global = Image().Header().ColorMap();
  return global.Count() > 0 ? global : colorMap_;
}

void TGIFSubImage::SetBitmapCache(std::unique_ptr<TBitmap> bitmap) { bitmapCache_ = std::move(bitmap); }

TPaletteHandle TGIFSubImage::Palette() {
  if (bitmapCache_) {
    if (TPaletteHandle own = bitmapCache_->CreatePalette()) return own;
  }
  if (!paletteCache_) {
    if (Image().DitherWanted())
      paletteCache_ = detail::DitherPalette();
    else if (colorMap_.Count() > 0)
      paletteCache_ = colorMap_.ExportSystemPalette();
    else
      return Image().Palette();  // borrowed colours are not cached here
  }
  return detail::CopyOf(paletteCache_.get());
}

void TGIFSubImage::SetPalette(TPaletteHandle palette) {
  if (palette.get() == paletteCache_.get()) return;
  paletteCache_ = std::move(palette);
  if (bitmapCache_ && !detail::SamePalette(bitmapCache_->CreatePalette().get(), paletteCache_.get())) {
    ReleaseBitmapCache();
    Image().PaletteModified = true;
    Image().NotifyChanged();
  }
}

void TGIFSubImage::AssignFrom(TPersistent* source) {
  if (source == this) return;
  if (!source) {
    Reset();
  } else if (const auto* frame = dynamic_cast<TGIFSubImage*>(source)) {
    CopyFrame(*frame);
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(source)) {
    ImportBitmap(*bitmap);
  } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    ImportGraphic(*graphic);
  } else {
    TGIFItem::AssignFrom(source);
  }
}

void TGIFSubImage::CopyFrame(const TGIFSubImage& source) {
  Reset();
  if (source.Empty()) return;
  // The descriptor is copied as it stands: the owning image's screen is not adjusted.
  left_ = source.left_;
  top_ = source.top_;
  width_ = source.width_;
  height_ = source.height_;
  packedFields_ = source.packedFields_;
  hasTransparency_ = source.hasTransparency_;
  pixels_ = source.pixels_;
  colorMap_.CopyFrom(source.colorMap_);
  // Extensions are cloned onto this frame rather than written out and read back,
  // since this model does not read GIF streams.
  for (const auto& extension : source.extensions_) extensions_.Add(extension->CloneFor(*this));
  if (source.bitmapCache_) SetBitmapCache(std::make_unique<TBitmap>(*source.bitmapCache_));
}

void TGIFSubImage::ImportGraphic(TGraphic& source) {
  Reset();
  if (source.Empty()) return;
  // Only bitmaps can be rendered here; any other graphic fails the conversion.
  TBitmap bitmap;
  bitmap.AssignFrom(&source);
  ImportBitmap(bitmap);
}

void TGIFSubImage::RefreshPackedFields() {
  if (colorMap_.Count() > 0) {
    // The interlace and reserved bits are not kept: a frame with its own table is
    // always written in row order.
    packedFields_ =
        static_cast<std::uint8_t>(gif::kImageLocalTable | (colorMap_.Sorted() ? gif::kImageSorted : 0) |
                                  ((colorMap_.IndexBits() - 1) & gif::kImageSizeMask));
  } else {
    packedFields_ &= gif::kImageInterlaced | gif::kImageReserved;
  }
}

void TGIFSubImage::SaveToStream(TStream& stream) {
  extensions_.SaveToStream(stream);
  if (Empty()) return;
  RefreshPackedFields();
  WriteDescriptor(stream);
  colorMap_.SaveToStream(stream);
  EncodePixels(stream);
}

void TGIFSubImage::WriteDescriptor(TStream& stream) const {
  std::array<std::uint8_t, 10> bytes{};
  bytes[0] = gif::kImageSeparator;
  detail::PutLE16(&bytes[1], left_);
  detail::PutLE16(&bytes[3], top_);
  detail::PutLE16(&bytes[5], width_);
  detail::PutLE16(&bytes[7], height_);
  bytes[9] = packedFields_;
  stream.Write(bytes.data(), bytes.size());
}

void TGIFSubImage::EncodePixels(TStream& stream) {
  const bool ownTable = colorMap_.Count() > 0;
  const int bitDepth = ownTable ? colorMap_.IndexBits() : Image().BitsPerPixel();
  const int colorCount = ownTable ? colorMap_.Count() : 1 << bitDepth;
  const std::unique_ptr<TGIFEncoder> encoder = CreateEncoder(Image().CompressionMethod);
  encoder->WarningHandler = [this](int severity, std::string_view message) {
    ReportWarning(severity, message);
  };
  encoder->Encode(stream, bitDepth, colorCount, pixels_.empty() ? nullptr : pixels_.data(), IsInterlaced(),
                  height_, width_);
}
