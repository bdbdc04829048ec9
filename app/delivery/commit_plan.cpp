// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/commit_plan.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "app/delivery/page_file.h"
#include "app/delivery/part_folders.h"

namespace {

// The longest name a Linux or FAT folder entry takes, in bytes.
constexpr std::size_t kMaxNameBytes = 255;

// A name that stays inside the folder it is looked up in.
bool IsPlainName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxNameBytes && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

bool IsPartFolder(const TCommitPlan& plan, std::string_view folder) {
  return !plan.partName.empty() && IsPlainName(folder) && IsPartFolderOf(folder, plan.partName);
}

std::string_view NameOf(std::string_view page) { return page.substr(page.rfind('/') + 1); }

}  // namespace

std::vector<TPageFolder> PageFoldersOf(const TCommitPlan& plan) {
  std::vector<TPageFolder> folders;
  for (const auto& page : plan.pages) {
    const std::string folder = PageFolderOf(page);
    if (folders.empty() || folders.back().folder != folder) folders.push_back({folder, {}});
    folders.back().names.emplace_back(NameOf(page));
  }
  return folders;
}

bool IsSoundPlan(const TCommitPlan& plan) {
  if (!IsPlainName(plan.bookName) || plan.pages.empty()) return false;
  if (!plan.partName.empty() && !IsPlainName(plan.partName)) return false;
  std::set<std::string> pages;
  for (const auto& page : plan.pages) {
    const std::string folder = PageFolderOf(page);
    const bool placed = folder.empty() ? page.find('/') == std::string::npos : IsPartFolder(plan, folder);
    if (!placed || !IsPageFileName(NameOf(page)) || !pages.insert(page).second) return false;
  }
  std::set<std::string> folders;
  for (const auto& folder : PageFoldersOf(plan))
    if (!folders.insert(folder.folder).second) return false;  // a folder left comes back
  std::set<std::string> stale;
  return std::ranges::all_of(plan.staleFolders, [&](const std::string& folder) {
    return IsPartFolder(plan, folder) && !folders.contains(folder) && stale.insert(folder).second;
  });
}
