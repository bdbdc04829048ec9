// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/graphic.h"

void TGraphic::NotifyChanged() {
  Modified = true;
  if (ChangeHandler) ChangeHandler(this);
}

void TGraphic::ReportProgress(TObject* sender, TProgressStage stage, std::uint8_t percent, bool redrawNow,
                              const TRect& rect, std::string_view message) {
  if (ProgressHandler) ProgressHandler(sender, stage, percent, redrawNow, rect, message);
}

std::uint8_t PercentOf(long long done, long long total) {
  if (total <= 0) return 0;
  // Rounded half to even (banker's rounding), so that halves do not all go up.
  const long long scaled = done * 100;
  long long q = scaled / total;
  const long long r2 = (scaled % total) * 2;
  if (r2 > total || (r2 == total && (q % 2) != 0)) ++q;
  return static_cast<std::uint8_t>(q);
}
