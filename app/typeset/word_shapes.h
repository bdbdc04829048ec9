// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a word's shape tells the line breaker: web and e-mail addresses, paths, names with
// digits or underscores and words in capitals are no prose, and a hyphen added to them
// would read as part of them; an address or a path may instead break after its
// separators with nothing added.
#include <QStringView>
#include <vector>

// `word`: all that stands between two spaces.
bool MayHyphenate(QStringView word);

// The positions in an address or a path (0 < p < word.size()) after a "/", ".", "-" or
// "_" at which it may break with nothing added; none in other words.
std::vector<int> AddressBreaks(QStringView word);
