// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/gif_item.h"

#include "gif/model/image.h"

void TGIFItem::ReportWarning(int severity, std::string_view message) { image_.Warn(this, severity, message); }
