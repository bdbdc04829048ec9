// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/page_layout.h"

#include <string>

#include "app/layout/extended_arithmetic.h"

namespace {

// Truncation toward zero, the conversion used throughout.
int Trunc(TExtended value) { return static_cast<int>(value.Truncated()); }

// The factors: the values with a 64-bit significand nearest to their decimals.
TExtended Decimal(int hundredths) { return TExtended::Quotient(hundredths, 100); }
const TExtended kLinesFactor = Decimal(60);
const TExtended kLineStep = Decimal(165);
const TExtended kFirstLineRise = Decimal(140);
const TExtended kTitleFactors[kTitleLineCount] = {kLineStep, Decimal(330), Decimal(660), Decimal(990),
                                                  Decimal(1320)};

}  // namespace

EFontTooSmall::EFontTooSmall()
    : Exception(
          FormatMessage("Czcionka jest za mała: układ strony potrzebuje co najmniej %s pikseli wysokości "
                        "(%s pkt). Wybierz większą czcionkę.",
                        {std::to_string(kSmallestPixelHeight), std::to_string(kSmallestWholePoints)})) {}

TPageLayout ComputeLayout(int fontHeight) {
  const int size = -Trunc(TExtended::Quotient(std::int64_t{fontHeight} * 72, kScreenPpi));
  if (size == 0) throw EFontTooSmall();
  return {size, Trunc(TExtended::Quotient(kPageHeight, size) * kLinesFactor)};
}

int TextLineY(int k, int size) {
  return Trunc(TExtended(k) * kLineStep * TExtended(size)) - Trunc(TExtended(size) * kFirstLineRise);
}

int TitleLineY(int line, int size) {
  const int y = Trunc(TExtended(size) * kTitleFactors[line - 1]);
  return line == 1 ? y : y + 30;
}
