// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/part_folders.h"

#include <algorithm>
#include <cstdio>

#include "platform/exceptions.h"

void CheckPagesPerFolder(int pagesPerFolder) {
  if (pagesPerFolder != 0 && pagesPerFolder < kMinPagesPerFolder)
    throw Exception(FormatMessage("Pages per folder must be at least %s, not %s",
                                  {std::to_string(kMinPagesPerFolder), std::to_string(pagesPerFolder)}));
}

bool IsPartFolderOf(std::string_view folder, std::string_view bookName) {
  if (!folder.starts_with(bookName) || !folder.substr(bookName.size()).starts_with(' ')) return false;
  const std::string_view number = folder.substr(bookName.size() + 1);
  // Two digits at least, and no zero before a third: the number as "%02d" writes it, from 1.
  return number.size() >= 2 && number != "00" && (number.size() == 2 || number[0] != '0') &&
         std::ranges::all_of(number, [](char c) { return c >= '0' && c <= '9'; });
}

TPartFolders::TPartFolders(int pagesPerFolder, std::string bookName)
    : pagesPerFolder_(pagesPerFolder), bookName_(std::move(bookName)) {
  CheckPagesPerFolder(pagesPerFolder);
}

int TPartFolders::PartOf(int page) const {
  if (!HasParts()) return 0;
  return page <= 0 ? 1 : (page - 1) / pagesPerFolder_ + 1;
}

std::string TPartFolders::PartFolder(int part) const {
  char number[16];
  std::snprintf(number, sizeof number, "%02d", part);
  return bookName_ + " " + number;
}

std::string TPartFolders::FolderOf(int page) const { return HasParts() ? PartFolder(PartOf(page)) : ""; }

int TPartFolders::PartCount(int lastPage) const { return PartOf(lastPage); }
