// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start and end notifications around a long operation of a GIF image.
#include <string_view>

#include "platform/graphic.h"

namespace detail {

// Reports stage Starting (0 %) before `body` and stage Ending after it: 100 % when it
// returned, 0 % when it threw; the exception then continues.
template <class Body>
void WithProgress(TGraphic& graphic, TObject* sender, std::string_view message, bool redrawAtEnd,
                  Body&& body) {
  graphic.ReportProgress(sender, TProgressStage::Starting, 0, false, {}, message);
  try {
    body();
  } catch (...) {
    graphic.ReportProgress(sender, TProgressStage::Ending, 0, redrawAtEnd, {}, message);
    throw;
  }
  graphic.ReportProgress(sender, TProgressStage::Ending, 100, redrawAtEnd, {}, message);
}

}  // namespace detail
