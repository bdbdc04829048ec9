#include "gif/model/trailer.h"

#include "platform/stream.h"

void TGIFTrailer::SaveToStream(TStream& stream) { stream.Write(&gif::kTrailer, 1); }
