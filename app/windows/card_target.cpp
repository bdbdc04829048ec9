#include "app/windows/card_target.h"

#include "app/delivery/book_name.h"
#include "app/delivery/card_finder.h"

std::vector<std::string> MountedCardPhotoFolders() { return FindCardPhotoFolders(MountedVolumes()); }

std::string CardBookFolder(const std::string& photoFolder, const std::string& bookPath) {
  std::string folder = photoFolder;
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder + FatSafeBookName(bookPath) + '/';
}
