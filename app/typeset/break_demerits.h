// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a line costs when a paragraph's breaks are chosen together (Knuth and Plass's
// demerits): its spaces' stretch or shrink, and hyphens held back, the more so in a row.
#include <algorithm>
#include <cmath>

namespace break_demerits {

inline constexpr double kLine = 10;
// A hyphen costs about as much as a line whose spaces widen by twice what they may: on a
// narrow page of long (Polish) words a fifth of the lines end in one, not two fifths.
inline constexpr double kHyphen = 5e5;
// A second hyphenated line in a row, and the last full line of a paragraph hyphenated.
inline constexpr double kDoubleHyphen = 1e6, kFinalHyphen = 5e5;
// A third in a row costs more than the loosest line: taken only where nothing else fits.
inline constexpr double kTripleHyphen = 2e8;
// A break inside an address or after a word's own hyphen: allowed, but a space is better.
inline constexpr double kInWord = 500;
inline constexpr double kMostBadness = 10000;

// How bad a line looks whose spaces widen (ratio > 0) or narrow (ratio < 0) by `ratio`
// of what they may.
inline double Badness(double ratio) { return std::min(kMostBadness, 100 * std::abs(ratio * ratio * ratio)); }

// The line's own demerits, before any hyphen.
inline double OfLine(double badness) { return (kLine + badness) * (kLine + badness); }

// The demerits a hyphen at the end of a line adds after `run` hyphenated lines in a row.
inline double OfHyphen(int run) {
  return kHyphen + (run >= 1 ? kDoubleHyphen : 0) + (run >= 2 ? kTripleHyphen : 0);
}

}  // namespace break_demerits
