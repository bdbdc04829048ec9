// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What counts as a page file of an earlier book, which a run may replace or remove.
#include <string>
#include <string_view>

class TDirectory;

// True for a name of four or more digits followed by ".gif": a page's file name.
bool IsPageFileName(std::string_view name);
// The folder part of a page's place relative to the target: "" for "0001.gif", "Name 01"
// for "Name 01/0001.gif".
std::string PageFolderOf(const std::string& relativePath);
// True when `name` in `folder` is a regular file (not a link) that starts as a GIF of
// 480 × 272 pixels does.
bool IsPageFile(const TDirectory& folder, const std::string& name);
