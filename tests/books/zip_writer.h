// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ZIP archives written in memory with libzip itself, for tests and fuzzers that need books
// in archives without checked-in binaries, and read back to rewrite a book another tool made.
#include <zip.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using TEntries = std::vector<std::pair<std::string, std::string>>;

// The password MakeZip encrypts with.
inline constexpr char kZipPassword[] = "stronix";

// A ZIP archive holding the entries in order; "mimetype" is stored, the rest deflated
// unless `deflate` is false and, with an `encryption` method, encrypted under kZipPassword.
// An entry whose name is already taken is left out.
inline std::string MakeZip(const TEntries& entries, bool deflate = true,
                           zip_uint16_t encryption = ZIP_EM_NONE) {
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
    if (encryption != ZIP_EM_NONE && name != "mimetype")
      zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), encryption, kZipPassword);
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
  const std::unique_ptr<zip_t, decltype(&zip_discard)> archive(zip_open(path.c_str(), ZIP_RDONLY, nullptr),
                                                               &zip_discard);
  if (!archive) return {};
  TEntries entries;
  for (zip_int64_t index = 0; index < zip_get_num_entries(archive.get(), 0); ++index) {
    const auto at = static_cast<zip_uint64_t>(index);
    zip_stat_t stat;
    const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen_index(archive.get(), at, 0),
                                                                  &zip_fclose);
    if (!file || zip_stat_index(archive.get(), at, 0, &stat) != 0) return {};
    std::string bytes(stat.size, '\0');
    if (zip_fread(file.get(), bytes.data(), bytes.size()) != static_cast<zip_int64_t>(bytes.size()))
      return {};
    entries.emplace_back(stat.name, std::move(bytes));
  }
  return entries;
}
