// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How many letters a hyphenated word keeps at least before and after the break, by the
// typographic custom of its language.
#include <string>

struct THyphenMinimums {
  int before = 2;
  int after = 2;
};

// For a BCP 47 language ("pl", "en-US", "en_GB"); two and two for a language not listed.
THyphenMinimums HyphenMinimums(const std::string& language);
