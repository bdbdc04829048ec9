// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/progress_bar.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/l10n/translation.h"

namespace {

constexpr int kDefaultColumns = 80;
constexpr int kMinBarWidth = 10;
constexpr int kMaxBarWidth = 40;
constexpr auto kRedrawEvery = std::chrono::milliseconds(500);

// "1:05" or "1:02:05".
std::string Duration(long long seconds) {
  char text[32];
  if (seconds >= 3600)
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  else
    std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
  return text;
}

}  // namespace

int TerminalColumns() {
  winsize size{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return kDefaultColumns;
}

TProgressBar::TProgressBar(std::ostream& out, bool enabled, std::function<int()> columns,
                           std::function<TClock::time_point()> now)
    : out_(out), enabled_(enabled), columns_(std::move(columns)), now_(std::move(now)), start_(now_()) {}

TProgressBar::~TProgressBar() {
  if (drawn_) out_ << '\n' << std::flush;
}

void TProgressBar::Update(int done, int total) {
  if (!enabled_ || total <= 0) return;
  const TClock::time_point now = now_();
  const int percent = static_cast<int>(100LL * done / total);
  if (percent == shownPercent_ && done != total && now - shownAt_ < kRedrawEvery) return;
  shownPercent_ = percent;
  shownAt_ = now;

  std::string tail = ' ' + std::to_string(done) + '/' + std::to_string(total) + ' ' +
                     Translate("stronix-cli", "pages").toStdString();
  const double seconds = std::chrono::duration<double>(now - start_).count();
  if (seconds > 0 && done > 0) {
    const double rate = done / seconds;
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.1f", rate);
    tail += "  " + Translate("stronix-cli", "%1 pages/s").arg(QString::fromLatin1(shown)).toStdString();
    if (done < total)
      tail += "  " +
              Translate("stronix-cli", "%1 left")
                  .arg(QString::fromStdString(Duration(static_cast<long long>((total - done) / rate + 0.5))))
                  .toStdString();
  }
  // The bar takes what the numbers leave of the line, less one column, so that the cursor
  // never wraps; on a narrow terminal the numbers alone, cut to fit.
  const int columns = std::max(1, columns_() - 1);
  const int tailWidth = static_cast<int>(QString::fromStdString(tail).size());
  const int barWidth = std::min(kMaxBarWidth, columns - tailWidth - 2);
  std::string line;
  if (barWidth >= kMinBarWidth) {
    const int filled = static_cast<int>(static_cast<long long>(barWidth) * done / total);
    line = '[' + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(barWidth - filled), '-') + ']' + tail;
  } else {
    line = QString::fromStdString(tail.substr(1)).left(columns).toStdString();
  }
  // "\x1b[K" clears what a longer line drawn before left after this one.
  out_ << '\r' << line << "\x1b[K" << std::flush;
  drawn_ = true;
}
