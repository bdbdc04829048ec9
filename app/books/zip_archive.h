// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A ZIP archive (libzip) opened for reading, whose entries are read with guards against
// archives built to exhaust memory.
#include <zip.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/books/unpack_limits.h"

namespace books {

class TZipArchive {
public:
  // Opens the archive held in `bytes` (not copied: they must outlive the archive). Throws
  // EBookError when they are not a ZIP archive or an entry's path climbs out of it ("..").
  TZipArchive(std::string_view bytes, const TUnpackLimits& limits);
  // Opens the archive file at `path`, read as needed rather than whole.
  TZipArchive(const std::string& path, const TUnpackLimits& limits);

  // True when the entry exists.
  bool Contains(const std::string& name) const;
  // The entry's bytes; std::nullopt when there is no such entry. EBookError when it is
  // damaged or would unpack past the limits.
  std::optional<std::string> Read(const std::string& name);
  // The first entry whose name ends in `suffix` (ASCII case ignored); empty when none.
  std::string FindBySuffix(std::string_view suffix) const;

private:
  struct TZipClose {
    void operator()(zip_t* archive) const { zip_discard(archive); }
  };
  void Open(zip_source_t* source);
  std::optional<zip_uint64_t> IndexOf(const std::string& name) const;
  void RejectClimbingPaths() const;

  std::unique_ptr<zip_t, TZipClose> archive_;
  TUnpackLimits limits_;
  std::size_t unpacked_ = 0;
};

}  // namespace books
