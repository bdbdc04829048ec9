// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/book_name.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace {

std::string_view FileNameOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         std::equal(text.end() - suffix.size(), text.end(), suffix.begin(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::string_view WithoutExtension(std::string_view name) {
  name.remove_prefix(std::min(name.find_first_not_of('.'), name.size()));
  if (EndsWithIgnoringCase(name, ".fb2.zip") && name.size() > 8) return name.substr(0, name.size() - 8);
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

bool IsFatUnsafe(char32_t c) {
  return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) ||
         std::u32string_view(U"\\/:*?\"<>|").find(c) != std::u32string_view::npos;
}

// The characters of `text` as UTF-8 pieces, each unsafe one replaced by "_". Bytes that
// are not UTF-8 come out of the decoder as U+FFFD and become "_" too.
std::vector<std::string> SafeCharacters(std::string_view text) {
  std::vector<std::string> characters;
  for (const char32_t c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4())
    characters.push_back(IsFatUnsafe(c) || c == 0xFFFD ? "_" : QString::fromUcs4(&c, 1).toStdString());
  return characters;
}

// Joins at most `limit` characters, without the dots and spaces FAT drops from a name's end.
std::string Joined(const std::vector<std::string>& characters, std::size_t limit) {
  std::size_t end = std::min(characters.size(), limit);
  while (end > 0 && (characters[end - 1] == "." || characters[end - 1] == " ")) --end;
  std::string name;
  for (std::size_t i = 0; i < end; ++i) name += characters[i];
  return name;
}

// Windows opens no file or folder named after a device, whatever the card holds, even with
// spaces or an extension after the device's name ("nul.tar"): that name's length, if so.
std::optional<std::size_t> DeviceNameLength(const std::string& name) {
  static const QRegularExpression kDevice(
      "^(con|prn|aux|nul|com[1-9]|lpt[1-9]) *(\\..*)?$",
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch match = kDevice.match(QString::fromStdString(name));
  if (!match.hasMatch()) return std::nullopt;
  return static_cast<std::size_t>(match.capturedLength(1));
}

QString FatKey(const std::string& name) { return QString::fromStdString(name).toCaseFolded(); }

}  // namespace

std::string FatSafeBookName(std::string_view bookPath) {
  std::vector<std::string> characters = SafeCharacters(WithoutExtension(FileNameOf(bookPath)));
  const std::string name = Joined(characters, kMaxBookNameLength);
  if (name.empty()) return std::string(kFallbackBookName);
  const std::optional<std::size_t> device = DeviceNameLength(name);
  if (!device) return name;
  // The device's name is ASCII: as many characters as bytes.
  characters.insert(characters.begin() + static_cast<std::ptrdiff_t>(*device), "_");
  return Joined(characters, kMaxBookNameLength);
}

std::string UniqueBookName(std::string name, const std::set<std::string>& taken) {
  std::set<QString> keys;
  for (const auto& other : taken) keys.insert(FatKey(other));
  if (!keys.contains(FatKey(name))) return name;
  const auto characters = SafeCharacters(name);
  for (int number = 2;; ++number) {
    const std::string suffix = " (" + std::to_string(number) + ")";
    std::string candidate = Joined(characters, kMaxBookNameLength - suffix.size());
    if (candidate.empty()) candidate = kFallbackBookName;
    candidate += suffix;
    if (!keys.contains(FatKey(candidate))) return candidate;
  }
}
