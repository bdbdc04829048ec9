// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/extended_arithmetic.h"

#include <bit>

namespace {

constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

std::uint64_t Magnitude(std::int64_t value) {
  return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

struct TWide {
  std::uint64_t high, low;
};

// The full 128-bit product, from 32-bit halves so that no wider type is needed.
TWide MultiplyWide(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t a0 = a & 0xFFFFFFFF, a1 = a >> 32, b0 = b & 0xFFFFFFFF, b1 = b >> 32;
  const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFF) + (p10 & 0xFFFFFFFF);
  return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), middle << 32 | (p00 & 0xFFFFFFFF)};
}

}  // namespace

TExtended::TExtended(std::int64_t value) : negative_(value < 0) {
  // A whole number is exact as it stands: normalised, not divided by 1 bit by bit (a page
  // places each of its lines with it).
  const std::uint64_t magnitude = Magnitude(value);
  if (magnitude == 0) return;
  const int shift = std::countl_zero(magnitude);
  significand_ = magnitude << shift;
  exponent_ = -shift;
}

TExtended TExtended::Rounded(bool negative, std::uint64_t significand, int exponent, bool half, bool sticky) {
  TExtended result;
  result.negative_ = negative;
  result.significand_ = significand;
  result.exponent_ = exponent;
  if (half && (sticky || (significand & 1) != 0) && ++result.significand_ == 0) {
    result.significand_ = kTopBit;  // rounded up to the next power of two
    ++result.exponent_;
  }
  return result;
}

TExtended TExtended::Quotient(std::int64_t numerator, std::int64_t denominator) {
  std::uint64_t remainder = Magnitude(numerator);
  std::uint64_t divisor = Magnitude(denominator);
  if (remainder == 0) return TExtended();
  // Scale so that divisor ≤ remainder < 2 × divisor: the quotient's first bit is then 1.
  int exponent = 0;
  for (; remainder >= 2 * divisor; ++exponent) divisor <<= 1;
  for (; remainder < divisor; --exponent) remainder <<= 1;
  std::uint64_t significand = 0;
  for (int bit = 0; bit < 64; ++bit) {
    significand <<= 1;
    if (remainder >= divisor) {
      significand |= 1;
      remainder -= divisor;
    }
    remainder <<= 1;
  }
  const bool half = remainder >= divisor;
  if (half) remainder -= divisor;
  return Rounded((numerator < 0) != (denominator < 0), significand, exponent - 63, half, remainder != 0);
}

TExtended TExtended::operator*(TExtended other) const {
  if (significand_ == 0 || other.significand_ == 0) return TExtended();
  const bool negative = negative_ != other.negative_;
  const TWide product = MultiplyWide(significand_, other.significand_);
  const int exponent = exponent_ + other.exponent_ + 64;
  if ((product.high & kTopBit) != 0)
    return Rounded(negative, product.high, exponent, (product.low & kTopBit) != 0, (product.low << 1) != 0);
  // The product of two significands has 127 or 128 bits: here 127, so one more bit is kept.
  return Rounded(negative, product.high << 1 | product.low >> 63, exponent - 1, (product.low >> 62 & 1) != 0,
                 (product.low << 2) != 0);
}

std::int64_t TExtended::Truncated() const {
  if (exponent_ <= -64) return 0;
  const std::uint64_t magnitude = exponent_ < 0 ? significand_ >> -exponent_ : significand_ << exponent_;
  return negative_ ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}
