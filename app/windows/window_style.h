// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window of the program shares: the interface font and how an outer window
// rectangle, as the layout gives it, becomes a position and a client size.
#include <QFont>
#include <QRect>

class QWidget;

// The application's title: the main window's caption and the title of its message boxes.
inline constexpr char kApplicationTitle[] = "Stronix - by morvik 2006";

// Gives the application the look its layout was designed in: the classic Windows style,
// whose check boxes and group boxes the positions assume; "MS Sans Serif" −11 for every
// window and dialog; and, where the system lacks that face, one of near enough widths that
// the captions fit. Call once, after the application is made and before any window.
void SetUpClassicLook();

// The interface font, "MS Sans Serif", at a pixel height (the layout gives heights in pixels).
QFont SansSerifFont(int pixelHeight, bool bold = false);

// Where a window of outer rectangle `outer` goes on a screen whose available area (less
// panels and docks) is `available`, in the screen's device-independent pixels, at the
// screen's `scale` factor: the stated place at a scale factor of 1 when the window fits
// there whole; otherwise moved (never resized) as little as needed to fit, or to the
// available area's top left when it is too big, so its top-left corner and caption stay
// in reach. At other factors the stated place means nothing, so the window is centred.
QPoint FittedTopLeft(const QRect& outer, const QRect& available, double scale);

// Moves a window placed by SetOuterGeometry to where FittedTopLeft says on its screen.
void FitOnScreen(QWidget* window);

// Places a window by its outer rectangle: the frame's top left at the rectangle's, and a
// client area of the rectangle less a sizeable frame with a caption.
void SetOuterGeometry(QWidget* window, const QRect& outer);
