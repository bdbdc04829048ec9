// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/progress_bar.h"

#include <string>

#include "app/l10n/translation.h"

namespace {

constexpr int kBarWidth = 40;

}  // namespace

TProgressBar::~TProgressBar() {
  if (drawn_) out_ << '\n' << std::flush;
}

void TProgressBar::Update(int done, int total) {
  if (!enabled_ || total <= 0) return;
  const int percent = static_cast<int>(100LL * done / total);
  if (percent == shownPercent_ && done != total) return;
  shownPercent_ = percent;
  const int filled = static_cast<int>(static_cast<long long>(kBarWidth) * done / total);
  out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kBarWidth - filled), '-') << "] " << done << '/' << total
       << ' ' << Translate("stronix-cli", "pages").toStdString() << std::flush;
  drawn_ = true;
}
