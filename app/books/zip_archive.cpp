// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/zip_archive.h"

#include "app/books/book.h"
#include "platform/cancellation.h"

namespace books {

namespace {

struct TZipFileClose {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

[[noreturn]] void ThrowNotZip() { throw EBookError("the book is not a valid ZIP archive"); }

bool HasClimbingComponent(std::string_view path) {
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = path.size();
    if (path.substr(start, end - start) == "..") return true;
    start = end + 1;
  }
  return false;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  const std::string_view tail = text.substr(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(tail[i]) != lower(suffix[i])) return false;
  }
  return true;
}

}  // namespace

TZipArchive::TZipArchive(std::string_view bytes, const TUnpackLimits& limits) : limits_(limits) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_error_fini(&error);
  Open(source);
}

TZipArchive::TZipArchive(const std::string& path, const TUnpackLimits& limits) : limits_(limits) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_file_create(path.c_str(), 0, -1, &error);
  zip_error_fini(&error);
  Open(source);
}

void TZipArchive::Open(zip_source_t* source) {
  if (!source) ThrowNotZip();
  zip_error_t error;
  zip_error_init(&error);
  archive_.reset(zip_open_from_source(source, ZIP_RDONLY, &error));
  zip_error_fini(&error);
  if (!archive_) {
    zip_source_free(source);  // the archive takes the source only when it opens
    ThrowNotZip();
  }
  RejectClimbingPaths();
}

void TZipArchive::RejectClimbingPaths() const {
  const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
    if (name && HasClimbingComponent(name)) {
      throw EBookError(FormatMessage("the archive holds an entry outside itself (\"..\"): %s", {name}));
    }
  }
}

std::optional<zip_uint64_t> TZipArchive::IndexOf(const std::string& name) const {
  zip_int64_t index = zip_name_locate(archive_.get(), name.c_str(), ZIP_FL_ENC_GUESS);
  // Some books name their files in another letter case than their entries.
  if (index < 0) index = zip_name_locate(archive_.get(), name.c_str(), ZIP_FL_ENC_GUESS | ZIP_FL_NOCASE);
  if (index < 0) return std::nullopt;
  return static_cast<zip_uint64_t>(index);
}

bool TZipArchive::Contains(const std::string& name) const { return IndexOf(name).has_value(); }

std::string TZipArchive::FindBySuffix(std::string_view suffix) const {
  const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
    if (name && EndsWithIgnoringCase(name, suffix)) return name;
  }
  return {};
}

std::optional<std::string> TZipArchive::Read(const std::string& name) {
  const std::optional<zip_uint64_t> index = IndexOf(name);
  if (!index) return std::nullopt;
  const auto damaged = [&] { return EBookError(FormatMessage("the archive's entry %s is damaged", {name})); };
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_.get(), *index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
      !(stat.valid & ZIP_STAT_COMP_SIZE)) {
    throw damaged();
  }
  // libzip would only say it cannot read the entry; the reader should know why.
  if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
    throw EBookError(FormatMessage("the archive's entry %s is encrypted", {name}));
  const auto tooLarge = [&](std::size_t size) {
    if (size > limits_.maxEntry) {
      throw EBookError(FormatMessage("the archive's entry %s would unpack to more than %s bytes",
                                     {name, std::to_string(limits_.maxEntry)}));
    }
    if (unpacked_ + size > limits_.maxTotal) {
      throw EBookError(FormatMessage("the archive would unpack to more than %s bytes",
                                     {std::to_string(limits_.maxTotal)}));
    }
    if (size > limits_.ratioExempt && size / limits_.maxRatio > stat.comp_size) {
      throw EBookError(
          FormatMessage("the archive's entry %s unpacks more than %s times its size (a ZIP bomb)",
                        {name, std::to_string(limits_.maxRatio)}));
    }
  };
  // The stated size is checked before reading and the bytes as they come, since an archive
  // can state a size it does not keep to.
  tooLarge(stat.size);
  const std::unique_ptr<zip_file_t, TZipFileClose> file(zip_fopen_index(archive_.get(), *index, 0));
  if (!file) throw EBookError(FormatMessage("the archive's entry %s cannot be unpacked", {name}));
  std::string bytes;
  char chunk[1 << 16];
  for (;;) {
    CheckCancelled();
    const zip_int64_t count = zip_fread(file.get(), chunk, sizeof chunk);
    if (count < 0) throw damaged();
    if (count == 0) break;
    tooLarge(bytes.size() + static_cast<std::size_t>(count));
    bytes.append(chunk, static_cast<std::size_t>(count));
  }
  unpacked_ += bytes.size();
  return bytes;
}

}  // namespace books
