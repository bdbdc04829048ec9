#include "app/page_layout.h"

namespace {

// Truncation toward zero, the conversion used throughout.
int Trunc(long double value) { return static_cast<int>(value); }

}  // namespace

TPageLayout ComputeLayout(int fontHeight) {
  const int size = -Trunc(static_cast<long double>(fontHeight) * 72 / kScreenPpi);
  if (size == 0) throw EZeroDivide();
  return {size, Trunc((static_cast<long double>(kPageHeight) / size) * 0.6L)};
}

int TextLineY(int k, int size) { return Trunc((k * 1.65L) * size) - Trunc(size * 1.4L); }

int TitleLineY(int line, int size) {
  static constexpr long double kFactors[kTitleLineCount] = {1.65L, 3.3L, 6.6L, 9.9L, 13.2L};
  const int y = Trunc(size * kFactors[line - 1]);
  return line == 1 ? y : y + 30;
}
