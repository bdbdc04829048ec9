// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ZIP archives written in memory with libzip itself, for tests and fuzzers that need books
// in archives without checked-in binaries, and read back to rewrite a book another tool made.
#include <zip.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using TEntries = std::vector<std::pair<std::string, std::string>>;

// A ZIP archive holding the entries in order; "mimetype" is stored, the rest deflated
// unless `deflate` is false. An entry whose name is already taken is left out.
inline std::string MakeZip(const TEntries& entries, bool deflate = true) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
  zip_source_keep(target);
  for (const auto& [name, bytes] : entries) {
    zip_source_t* data = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    const zip_int64_t index = zip_file_add(archive, name.c_str(), data, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(data);
      continue;
    }
    const bool store = !deflate || name == "mimetype";
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), store ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                             9);
  }
  std::string zip;
  // An archive libzip refuses to write (a name it cannot take) comes out empty.
  if (zip_close(archive) != 0) {
    zip_discard(archive);
  } else if (zip_source_open(target) == 0) {
    zip_source_seek(target, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(target);
    zip_source_seek(target, 0, SEEK_SET);
    zip.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    if (zip_source_read(target, zip.data(), zip.size()) != static_cast<zip_int64_t>(zip.size())) zip.clear();
    zip_source_close(target);
  }
  zip_source_free(target);
  zip_error_fini(&error);
  return zip;
}

// The entries of the ZIP file at `path`, in order, to be rewritten by MakeZip; empty when it
// cannot be read.
inline TEntries ReadZip(const std::string& path) {
  TEntries entries;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, nullptr);
  if (!archive) return entries;
  for (zip_int64_t index = 0; index < zip_get_num_entries(archive, 0); ++index) {
    zip_stat_t stat;
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0);
    if (!file || zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
      if (file) zip_fclose(file);
      entries.clear();
      break;
    }
    std::string bytes(stat.size, '\0');
    const bool read = zip_fread(file, bytes.data(), bytes.size()) == static_cast<zip_int64_t>(bytes.size());
    zip_fclose(file);
    if (!read) {
      entries.clear();
      break;
    }
    entries.emplace_back(stat.name, std::move(bytes));
  }
  zip_discard(archive);
  return entries;
}
