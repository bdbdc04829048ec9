// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The book record: a small hidden file beside the pages that names the book they are, so
// that the window can ask before a run replaces another book's pages. It is a plain file,
// written and read without following a link.
#include <optional>
#include <string>

class TDirectory;

inline constexpr const char* kBookRecordName = ".stronix-book";

// Records `bookName` in `folder`, replacing the record there (a link in its place goes, never
// what it points to). The pages are in place by then and matter more: a record that cannot
// be written is left out, and the next run simply does not ask.
void WriteBookRecord(const TDirectory& folder, const std::string& bookName) noexcept;

// The book `folder` (a path) records; none without a record or with a link in its place.
std::optional<std::string> ReadBookRecord(const std::string& folder);

// The book `folder` records when it is another than `bookName`; none otherwise.
std::optional<std::string> OtherBookIn(const std::string& folder, const std::string& bookName);
