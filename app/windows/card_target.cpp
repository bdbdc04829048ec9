// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/card_target.h"

#include "app/delivery/book_name.h"
#include "app/delivery/card_finder.h"
#include "app/text/text_file.h"

std::vector<std::string> MountedCardPhotoFolders() { return FindCardPhotoFolders(MountedVolumes()); }

std::string CardBookFolder(const std::string& photoFolder, const std::string& bookPath) {
  return FolderPrefix(photoFolder) + FatSafeBookName(bookPath) + '/';
}
