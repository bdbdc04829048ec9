// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/capital_first.h"

#include <QString>

std::string WithCapitalFirst(const std::string& text) {
  const QString whole = QString::fromStdString(text);
  if (whole.isEmpty()) return text;
  // A character beyond the first plane is two UTF-16 units.
  const qsizetype first = whole.front().isHighSurrogate() ? 2 : 1;
  return (whole.left(first).toUpper() + whole.mid(first)).toStdString();
}
