// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/hyphen_minimums.h"

#include <array>
#include <cctype>
#include <string_view>

namespace {

struct TLanguageMinimums {
  std::string_view language;
  THyphenMinimums minimums;
};

// One row a language; English carries no fewer than three letters over.
constexpr std::array kTable = {
    TLanguageMinimums{"pl", {2, 2}}, TLanguageMinimums{"en", {2, 3}}, TLanguageMinimums{"de", {2, 2}},
    TLanguageMinimums{"fr", {2, 3}}, TLanguageMinimums{"cs", {2, 2}}, TLanguageMinimums{"ru", {2, 2}},
};

}  // namespace

THyphenMinimums HyphenMinimums(const std::string& language) {
  std::string code;
  for (const char c : language) {
    if (c == '-' || c == '_') break;
    code += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  for (const TLanguageMinimums& row : kTable)
    if (row.language == code) return row.minimums;
  return {};
}
