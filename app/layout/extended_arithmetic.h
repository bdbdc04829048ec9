// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers with a 64-bit significand, every result rounded to nearest with ties to even:
// the arithmetic the page layout is defined in, done with integers so that every machine
// computes the same bits whatever its own floating point.
#include <cstdint>

class TExtended {
public:
  // `value` exactly; |value| below 2^62.
  explicit TExtended(std::int64_t value);

  // The nearest value to numerator ÷ denominator; both below 2^62 in magnitude, the denominator not 0.
  static TExtended Quotient(std::int64_t numerator, std::int64_t denominator);

  TExtended operator*(TExtended other) const;

  // Truncated toward zero; the value must lie below 2^63 in magnitude.
  std::int64_t Truncated() const;

private:
  TExtended() = default;
  // Rounds significand × 2^exponent, with the bit below it and whether any lower bit is set.
  static TExtended Rounded(bool negative, std::uint64_t significand, int exponent, bool half, bool sticky);

  bool negative_ = false;
  std::uint64_t significand_ = 0;  // its top bit set, unless the value is 0
  int exponent_ = 0;               // the value is significand × 2^exponent
};
