// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Portrait pages: a page typeset tall is turned a quarter in its GIF, so that the photo
// viewer shows it upright on a console held sideways.
#include <QRect>
#include <QSize>

#include "platform/bitmap.h"

// Which way the reader turns the console: Left is counter-clockwise. The page is turned
// the other way, so the two cancel.
enum class TConsoleTurn { Left, Right };

// `page` turned a quarter against `held`: a W × H page becomes H × W, 32 bits per pixel
// (any other format is widened first). `page` is not changed.
TBitmap TurnPage(const TBitmap& page, TConsoleTurn held);

// Where `place`, on a page of `size`, lies once the page is turned as TurnPage turns it.
QRect TurnPlace(const QRect& place, const QSize& size, TConsoleTurn held);
