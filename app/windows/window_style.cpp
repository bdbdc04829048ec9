// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/window_style.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// The frame that the layout's outer sizes include: a 4-pixel sizeable border on each side
// and a 19-pixel caption, so a 626 × 380 window has a 618 × 353 client area.
constexpr int kFrameWidth = 2 * 4;
constexpr int kFrameHeight = 2 * 4 + 19;

}  // namespace

void SetUpClassicLook() {
  // The default sans face is a good deal wider; Liberation Sans has Arial's widths.
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial"});
  QApplication::setStyle("Windows");
  // The dialogs and message boxes speak in the same font as the windows.
  QApplication::setFont(SansSerifFont(11));
}

QFont SansSerifFont(int pixelHeight, bool bold) {
  QFont font("MS Sans Serif");
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

void SetOuterGeometry(QWidget* window, const QRect& outer) {
  window->move(outer.topLeft());
  window->resize(outer.width() - kFrameWidth, outer.height() - kFrameHeight);
}

QPoint FittedTopLeft(const QRect& outer, const QRect& available, double scale) {
  QRect placed = outer;
  if (scale != 1.0) placed.moveCenter(available.center());
  // Right and bottom first, so that a window too big for the area keeps its top left in it.
  placed.moveRight(std::min(placed.right(), available.right()));
  placed.moveBottom(std::min(placed.bottom(), available.bottom()));
  placed.moveLeft(std::max(placed.left(), available.left()));
  placed.moveTop(std::max(placed.top(), available.top()));
  return placed.topLeft();
}

void FitOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return;
  const QRect outer(window->pos(), window->size() + QSize(kFrameWidth, kFrameHeight));
  window->move(FittedTopLeft(outer, screen->availableGeometry(), screen->devicePixelRatio()));
}
