// Import of a bitmap into a frame.
#include "gif/model/sub_image.h"
#include "platform/exceptions.h"

void TGIFSubImage::ImportBitmap(TBitmap& source) {
  // Placeholder until the import through colour reduction exists.
  throw EConvertError::CannotAssign(source.ClassName(), ClassName());
}
