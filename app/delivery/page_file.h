// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What counts as a page file of an earlier book, which a run may replace or remove.
#include <optional>
#include <set>
#include <string>
#include <string_view>

class TDirectory;

// The width and height a GIF's header gives its picture.
struct TGifSize {
  int width = 0;
  int height = 0;

  auto operator<=>(const TGifSize&) const = default;
};

// The classic pages' size, which every book had before the book layout's screens.
inline constexpr TGifSize kClassicPageSize{480, 272};

// True for a name of four or more digits followed by ".gif": a page's file name.
bool IsPageFileName(std::string_view name);
// The folder part of a page's place relative to the target: "" for "0001.gif", "Name 01"
// for "Name 01/0001.gif".
std::string PageFolderOf(const std::string& relativePath);
// The size of `name` in `folder` (a link not followed) when it starts as a GIF does; none
// otherwise.
std::optional<TGifSize> GifSizeOf(const TDirectory& folder, const std::string& name);
// True when `name` in `folder` is such a GIF of one of `pageSizes`: the classic size and
// the size of the pages a run brings, so that a book of another screen goes whole while
// a picture of the reader's own under a page's name stays.
bool IsPageFile(const TDirectory& folder, const std::string& name, const std::set<TGifSize>& pageSizes);
