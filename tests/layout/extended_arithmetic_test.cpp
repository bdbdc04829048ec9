// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/extended_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// 2^n for n from 0 to 120, exactly.
TExtended PowerOfTwo(int n) { return TExtended(1LL << (n / 2)) * TExtended(1LL << (n - n / 2)); }

TEST(ExtendedArithmeticTest, TruncatesTowardZero) {
  // 9.9 lies just below its decimal, and 50 times it stays below 495.
  EXPECT_EQ((TExtended(50) * TExtended::Quotient(99, 10)).Truncated(), 494);
  EXPECT_EQ((TExtended::Quotient(-7, 2) * TExtended(3)).Truncated(), -10);
  EXPECT_EQ((TExtended(0) * TExtended(5)).Truncated(), 0);
}

// Where the machine has the 80-bit format, its results are the reference: each value is
// scaled by a power of two so that truncation keeps all its bits but the last, which the
// next product's rounding then depends on.
TEST(ExtendedArithmeticTest, AgreesWithTheMachinesExtendedFormat) {
  if constexpr (std::numeric_limits<long double>::digits != 64) GTEST_SKIP() << "no 80-bit format here";
  for (int p = -60; p <= 300; p += 7)
    for (int q = 1; q <= 300; q += 3)
      for (int r : {-5, 1, 3, 10, 97, 1000, 123456789}) {
        const long double expected = static_cast<long double>(p) / q * r * 1.65L;
        const int scale = 62 - std::ilogb(expected);
        const TExtended actual = TExtended::Quotient(p, q) * TExtended(r) * TExtended::Quotient(165, 100);
        ASSERT_EQ((actual * PowerOfTwo(scale)).Truncated(),
                  static_cast<long long>(std::ldexp(expected, scale)))
            << p << " / " << q << " × " << r;
      }
}

}  // namespace
