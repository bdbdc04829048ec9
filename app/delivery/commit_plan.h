// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a commit moves into the target and removes there, and the plans a journal read back
// may hold: a journal is a file in the target anyone could have written, so its names are
// taken only when each stays inside the target and is one this program gives.
#include <string>
#include <vector>

struct TCommitPlan {
  std::string bookName;            // named when another run finishes the commit
  std::string partName;            // the "<Name>" of the part folders "<Name> 01", …; empty without them
  std::vector<std::string> pages;  // relative to the target ("0001.gif", "Name 01/0001.gif"), in page order
  std::vector<std::string> staleFolders;  // part folders of an older, longer book, relative
};

// The pages of one folder (relative to the target, "" the target itself), in page order.
struct TPageFolder {
  std::string folder;
  std::vector<std::string> names;
};

// The plan's pages by folder, the folders in page order.
std::vector<TPageFolder> PageFoldersOf(const TCommitPlan& plan);

// True for a plan a run could have written: plain names (no "/", ".", "..", NUL, at most
// 255 bytes), at least one page, each a page file name ("0001.gif") alone or in a part
// folder of the plan's own part name, no page twice, each folder's pages together, stale
// folders of that part name too and none that receives pages.
bool IsSoundPlan(const TCommitPlan& plan);
