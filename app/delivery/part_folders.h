// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where each page goes when a book is split into sibling folders "<Name> 01",
// "<Name> 02", … of at most K pages, so that the console's viewer, which lists only
// folders one level below its photo folder and few pages in each, can open all of it.
#include <string>
#include <string_view>

// The smallest and the largest number of pages in a part folder the window and the command
// line take. The largest is what the window's five-digit box shows; a folder on the card's
// FAT file system holds fewer files than that anyway, so no larger part is of use.
inline constexpr int kMinPagesPerFolder = 10;
inline constexpr int kMaxPagesPerFolder = 99999;

// Exception "Pages per folder must be at least 10, not <K>" unless `pagesPerFolder`
// is 0 (no parts) or at least kMinPagesPerFolder.
void CheckPagesPerFolder(int pagesPerFolder);

// True when `folder` is a part folder of the book `bookName`: "<bookName> " and a part
// number as PartFolder writes it ("01", …, "99", "100", …).
bool IsPartFolderOf(std::string_view folder, std::string_view bookName);

class TPartFolders {
public:
  // `pagesPerFolder` 0 keeps every page in the target folder itself; otherwise
  // CheckPagesPerFolder's rule applies. `bookName` is already safe for FAT.
  TPartFolders(int pagesPerFolder, std::string bookName);

  bool HasParts() const { return pagesPerFolder_ > 0; }
  // The part (1, 2, …) holding page `page` (0 is the title page, which opens part 1);
  // 0 without parts.
  int PartOf(int page) const;
  // The folder of part `part` relative to the target: "<Name> 01", …, "<Name> 100".
  std::string PartFolder(int part) const;
  // The folder of page `page` relative to the target; "" without parts.
  std::string FolderOf(int page) const;
  // The "<Name>" of the part folders.
  const std::string& BookName() const { return bookName_; }
  // The number of part folders for a book whose last page is `lastPage` (the title
  // page alone counts as one part); 0 without parts.
  int PartCount(int lastPage) const;

private:
  int pagesPerFolder_;
  std::string bookName_;
};
