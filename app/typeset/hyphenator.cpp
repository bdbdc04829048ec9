// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/hyphenator.h"

#include <hyphen.h>
#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

// "en-us" → "en" and "en_US"; the dictionaries are named hyph_<language>_<REGION>.dic.
std::pair<std::string, std::string> LanguageAndRegion(const std::string& code) {
  std::string language, region;
  std::string* part = &language;
  for (const char c : code) {
    if (c == '-' || c == '_') {
      if (part == &region) break;
      part = &region;
      continue;
    }
    *part += static_cast<char>(part == &language ? std::tolower(static_cast<unsigned char>(c))
                                                 : std::toupper(static_cast<unsigned char>(c)));
  }
  return {language, region};
}

std::string DictionaryPath(const std::string& code) {
  namespace fs = std::filesystem;
  const auto [language, region] = LanguageAndRegion(code);
  if (language.size() < 2 || language.size() > 3 ||
      !std::ranges::all_of(language, [](char c) { return c >= 'a' && c <= 'z'; }))
    return {};
  const fs::path folder = kHyphenFolder;
  std::error_code error;
  std::vector<std::string> names = {"hyph_" + language + ".dic"};
  if (!region.empty()) names.insert(names.begin(), "hyph_" + language + "_" + region + ".dic");
  for (const std::string& name : names)
    if (fs::is_regular_file(folder / name, error)) return (folder / name).string();
  // Any region of the language, the first by name so that the choice does not vary.
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("hyph_" + language + "_") && name.ends_with(".dic"))
      found.push_back(entry.path().string());
  }
  std::ranges::sort(found);
  return found.empty() ? std::string() : found.front();
}

}  // namespace

struct THyphenator::TDictionary {
  HyphenDict* dict = nullptr;
  iconv_t toDictionary = reinterpret_cast<iconv_t>(-1);
  ~TDictionary() {
    if (dict) hnj_hyphen_free(dict);
    if (toDictionary != reinterpret_cast<iconv_t>(-1)) iconv_close(toDictionary);
  }

  // One character in the dictionary's encoding; empty when it has none.
  std::string Encode(char32_t c) const {
    std::string utf8 = QString::fromUcs4(&c, 1).toStdString();
    char out[8];
    char* in = utf8.data();
    std::size_t inLeft = utf8.size(), outLeft = sizeof out;
    char* outPtr = out;
    iconv(toDictionary, nullptr, nullptr, nullptr, nullptr);
    if (iconv(toDictionary, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return {};
    return std::string(out, sizeof out - outLeft);
  }
};

std::unique_ptr<THyphenator> THyphenator::ForLanguage(const std::string& language) {
  const std::string path = DictionaryPath(language);
  if (path.empty()) return nullptr;
  auto dictionary = std::make_unique<TDictionary>();
  dictionary->dict = hnj_hyphen_load(path.c_str());
  if (!dictionary->dict) return nullptr;
  dictionary->toDictionary = iconv_open(dictionary->dict->cset, "UTF-8");
  if (dictionary->toDictionary == reinterpret_cast<iconv_t>(-1)) return nullptr;
  return std::unique_ptr<THyphenator>(new THyphenator(std::move(dictionary), HyphenMinimums(language)));
}

THyphenator::THyphenator(std::unique_ptr<TDictionary> dictionary, THyphenMinimums minimums)
    : dictionary_(std::move(dictionary)), minimums_(minimums) {}
THyphenator::~THyphenator() = default;

std::vector<int> THyphenator::Points(const QString& word) const {
  auto [it, added] = known_.try_emplace(word);
  if (added) it->second = Look(word);
  return it->second;
}

std::vector<int> THyphenator::Look(const QString& word) const {
  // The word in the dictionary's encoding, lower case, remembering where each character starts.
  std::string bytes;
  std::vector<int> unitOfByte;  // the UTF-16 position of the character each byte belongs to
  const QString lower = word.toLower();
  if (lower.size() != word.size()) return {};
  for (int i = 0; i < lower.size();) {
    const char32_t c = QChar::isSurrogate(lower[i].unicode()) && i + 1 < lower.size()
                           ? QChar::surrogateToUcs4(lower[i], lower[i + 1])
                           : lower[i].unicode();
    const std::string encoded = dictionary_->Encode(c);
    if (encoded.empty()) return {};
    bytes += encoded;
    unitOfByte.insert(unitOfByte.end(), encoded.size(), i);
    i += c > 0xFFFF ? 2 : 1;
  }
  std::vector<char> hyphens(bytes.size() + 5);
  char** rep = nullptr;
  int* pos = nullptr;
  int* cut = nullptr;
  // The dictionary's own minimums win when larger.
  const int leastLeft = minimums_.before, leastRight = minimums_.after;
  const int failed =
      hnj_hyphen_hyphenate3(dictionary_->dict, bytes.data(), static_cast<int>(bytes.size()), hyphens.data(),
                            nullptr, &rep, &pos, &cut, leastLeft, leastRight, leastLeft, leastRight);
  if (rep) {
    for (std::size_t i = 0; i < bytes.size(); ++i) free(rep[i]);
    free(rep);
  }
  free(pos);
  free(cut);
  std::vector<int> points;
  if (failed) return points;
  // An odd digit after a byte allows a break after the character it ends.
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if ((hyphens[i] & 1) && unitOfByte[i + 1] != unitOfByte[i]) points.push_back(unitOfByte[i + 1]);
  // libhyphen may count the minimums in bytes: they are kept in characters here.
  std::erase_if(points, [&](int point) {
    return point < minimums_.before || static_cast<int>(word.size()) - point < minimums_.after;
  });
  return points;
}
