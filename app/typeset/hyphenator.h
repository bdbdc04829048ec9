// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a word may be hyphenated, by the pattern dictionaries Debian's hyphen-* packages
// install, read with libhyphen.
#include <QHash>
#include <QString>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/typeset/hyphen_minimums.h"

class THyphenator {
public:
  // The dictionary for a BCP 47 language ("pl", "en-US", "en_GB"): the exact one, else
  // any of the language. Null when none is installed.
  static std::unique_ptr<THyphenator> ForLanguage(const std::string& language);
  ~THyphenator();
  THyphenator(const THyphenator&) = delete;
  THyphenator& operator=(const THyphenator&) = delete;

  // The positions (0 < p < word.size(), in UTF-16 units) before which `word` (letters
  // only) may be broken with a hyphen, ascending, leaving at least the language's
  // minimums on either side. Case does not matter. Remembered per
  // word: one hyphenator serves one thread.
  std::vector<int> Points(const QString& word) const;

private:
  struct TDictionary;
  THyphenator(std::unique_ptr<TDictionary> dictionary, THyphenMinimums minimums);
  std::vector<int> Look(const QString& word) const;

  std::unique_ptr<TDictionary> dictionary_;
  const THyphenMinimums minimums_;
  mutable std::unordered_map<QString, std::vector<int>> known_;
};

// The dictionaries' folder; tests may look there too.
inline constexpr char kHyphenFolder[] = "/usr/share/hyphen";
