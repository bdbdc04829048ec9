// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/trailer.h"

#include "platform/stream.h"

void TGIFTrailer::SaveToStream(TStream& stream) { stream.Write(&gif::kTrailer, 1); }
