// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/gif_list.h"

#include "gif/model/extension.h"
#include "gif/model/image.h"
#include "gif/model/sub_image.h"
#include "platform/graphic.h"

template <class Item>
TGIFList<Item>::~TGIFList() = default;

template <class Item>
void TGIFList<Item>::SaveToStream(TStream& stream) {
  for (const auto& item : items_) item->SaveToStream(stream);
}

template class TGIFList<TGIFSubImage>;
template class TGIFList<TGIFExtension>;

TGIFImageList::~TGIFImageList() { Reset(); }

void TGIFImageList::SaveToStream(TStream& stream) {
  const int n = Count();
  for (int i = 0; i < n; ++i) {
    (*this)[i].SaveToStream(stream);
    Image().ReportProgress(this, TProgressStage::Running, PercentOf(i + 1, n), false, {}, "Saving...");
  }
}

TGIFExtensionList::~TGIFExtensionList() { Reset(); }
