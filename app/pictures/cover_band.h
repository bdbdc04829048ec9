// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cover as a band behind the title page's lines, for a title page with no room to show
// it above them: the cover's middle across the page, faded toward the page's colour.
#include <QColor>
#include <QImage>
#include <QSize>

namespace pictures {

// How far a band fades toward the page: at most this much of the picture shows, and it
// takes at most kBandContrastTaken of the text's contrast with the page.
inline constexpr double kMostBandStrength = 0.35;
inline constexpr double kBandContrastTaken = 0.4;

// `cover` smoothly scaled to fill `band` (its proportions kept, never enlarged past
// kMaxEnlargement) and cut to it around its middle: smaller than `band` only where even
// the largest enlargement does not reach. Its last `fade` rows grow transparent, so that
// it ends softly on the page. Empty for an empty cover or band.
QImage BandPicture(const QImage& cover, const QSize& band, int fade);

// `band` (its transparency kept) faded toward `page` so that text in `text` over it keeps
// at least 1 - kBandContrastTaken of its luminance difference with the page (ITU-R BT.601
// weights).
QImage TonedBand(const QImage& band, QColor page, QColor text);

}  // namespace pictures
