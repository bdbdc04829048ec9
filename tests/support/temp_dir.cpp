// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "stronix-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data()))
    throw std::filesystem::filesystem_error("mkdtemp", std::error_code(errno, std::generic_category()));
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempDir::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_))
    if (entry.path().filename() != ".stronix-book") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}
