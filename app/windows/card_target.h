// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The target folder on a memory card: "Na kartę" sends the pages to the one mounted card's
// PSP/PHOTO/<Name>/. The card lookup is a function, so that tests can fake the cards.
#include <functional>
#include <string>
#include <vector>

// The photo folders (".../PSP/PHOTO") of the memory cards mounted now.
using TCardPhotoFolders = std::function<std::vector<std::string>()>;

// The photo folders of the cards the system has mounted.
std::vector<std::string> MountedCardPhotoFolders();

// The book's folder on a card: `photoFolder`/<the book's FAT-safe name>/, ending in "/".
std::string CardBookFolder(const std::string& photoFolder, const std::string& bookPath);
