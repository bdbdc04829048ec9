// SPDX-License-Identifier: GPL-3.0-or-later
// The stream form of a whole image: header, frames, trailer.
#include "gif/model/image.h"
#include "gif/model/progress.h"
#include "gif/model/sub_image.h"
#include "gif/model/trailer.h"
#include "platform/safe_file_stream.h"

void TGIFImage::SaveToStream(TStream& stream) {
  detail::WithProgress(*this, this, "Saving...", true, [&] {
    header_.SaveToStream(stream);
    images_.SaveToStream(stream);
    TGIFTrailer(*this).SaveToStream(stream);
  });
}

void TGIFImage::WriteToFile(const std::string& path) {
  // A failed write must not leave a broken GIF, or destroy the file it would replace.
  TSafeFileStream file(path);
  SaveToStream(file);
  file.Commit();
}
