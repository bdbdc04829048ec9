// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our 0x00BBGGRR colours as Qt's, and back: the one conversion the pages and the windows share.
#include <QColor>

#include "app/layout/color.h"

inline QColor ToQColor(TColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

inline TColor FromQColor(const QColor& color) {
  return MakeColor(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                   static_cast<std::uint8_t>(color.blue()));
}
