// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window keeps between starts, in the user's `stronix.conf` (QSettings
// "stronix"/"stronix", beside the open dialog's last folder): the look of the pages, the
// run's check boxes and numbers, and the books loaded last. The target folder is not kept.
#include <optional>
#include <string>
#include <vector>

#include "app/layout/page_font.h"

struct TWindowChoices {
  TPageFont font;
  TColor background = clWhite;
  int colorSet = 0;  // the colour set applied last, 0 for none
  bool squeezeBlankLines = true;
  bool chapterPages = false;
  bool pageTimes = true;
  bool compactPages = false;
  bool splitFolders = false;
  int pagesPerFolder = 500;
  bool bookLayout = false;
  int screen = 0;  // the index among kScreenPresets
};

// The choices kept, none before the first were kept (the very first start).
std::optional<TWindowChoices> LoadWindowChoices();
void SaveWindowChoices(const TWindowChoices& choices);

// The books loaded last, the latest first; at most kRecentBookCount.
inline constexpr int kRecentBookCount = 10;
std::vector<std::string> LoadRecentBooks();
// Puts `path` first among the recent books and returns them.
std::vector<std::string> RememberRecentBook(const std::string& path);
