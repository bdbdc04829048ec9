// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text/about_text.h"

#include <gtest/gtest.h>

namespace {

TEST(AboutTextTest, TheReleaseLineNamesTheVersionAndTheDayInPolish) {
  EXPECT_EQ(ReleaseLine("1.1.0", "2026-12-07"), "Ostatnia wersja:  1.1.0 z 7 grudnia 2026");
  EXPECT_EQ(ReleaseLine("2.0.0", "2027-01-31"), "Ostatnia wersja:  2.0.0 z 31 stycznia 2027");
  EXPECT_EQ(ReleaseLine("1.2.3", "2027-10-01"),
            "Ostatnia wersja:  1.2.3 z 1 pa\xC5\xBA"
            "dziernika 2027");
}

}  // namespace
