// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/capital_first.h"

#include <gtest/gtest.h>

TEST(CapitalFirstTest, UpperCasesTheFirstCharacterWhateverItsLength) {
  EXPECT_EQ(WithCapitalFirst("the book is not a valid ZIP archive"), "The book is not a valid ZIP archive");
  EXPECT_EQ(WithCapitalFirst("źle: źródło"), "Źle: źródło");
  EXPECT_EQ(WithCapitalFirst("𐐨x"), "𐐀x");  // beyond the first plane: two UTF-16 units
  EXPECT_EQ(WithCapitalFirst("/home/a.txt is a FIFO"), "/home/a.txt is a FIFO");
  EXPECT_EQ(WithCapitalFirst(""), "");
}
