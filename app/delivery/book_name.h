// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The book's name as the console's memory card can hold it: the name of the book's
// folder, and of its part folders ("<Name> 01").
#include <set>
#include <string>
#include <string_view>

// The name given when nothing of the book's file name can be used.
inline constexpr std::string_view kFallbackBookName = "ksiazka";
// Longest name, in characters; leaves room on FAT for " (2)" and " 01" after it.
inline constexpr int kMaxBookNameLength = 64;

// The file name of `bookPath` without folder and extension (".fb2.zip" counts as one;
// leading dots are dropped, so the folder is not hidden), made safe for FAT: each of
// \ / : * ? " < > |, control characters and bytes that are not UTF-8 become "_",
// trailing dots and spaces go, at most kMaxBookNameLength characters, a device name
// such as "CON" gets "_" after it ("nul_.tar" too); never empty.
std::string FatSafeBookName(std::string_view bookPath);

// `name` if no name in `taken` equals it as FAT compares names (ignoring case);
// otherwise the first free "name (2)", "name (3)", …, cut so it still has at most
// kMaxBookNameLength characters.
std::string UniqueBookName(std::string name, const std::set<std::string>& taken);
