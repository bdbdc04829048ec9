// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text/font_script.h"

#include <algorithm>
#include <iterator>

namespace {

struct TScriptNames {
  TFontScript script;
  std::string_view name;
  std::string_view codePage;
};

constexpr TScriptNames kNames[] = {
    {TFontScript::Western, "western", "windows-1252"},
    {TFontScript::CentralEuropean, "central-european", "windows-1250"},
    {TFontScript::Cyrillic, "cyrillic", "windows-1251"},
    {TFontScript::Greek, "greek", "windows-1253"},
    {TFontScript::Turkish, "turkish", "windows-1254"},
    {TFontScript::Hebrew, "hebrew", "windows-1255"},
    {TFontScript::Arabic, "arabic", "windows-1256"},
    {TFontScript::Baltic, "baltic", "windows-1257"},
    {TFontScript::Vietnamese, "vietnamese", "windows-1258"},
    {TFontScript::Thai, "thai", "windows-874"},
    {TFontScript::Utf8, "utf-8", "UTF-8"},
};

const TScriptNames& NamesOf(TFontScript script) {
  return *std::find_if(std::begin(kNames), std::end(kNames),
                       [&](const auto& n) { return n.script == script; });
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string_view ScriptName(TFontScript script) { return NamesOf(script).name; }

std::string_view CodePageName(TFontScript script) { return NamesOf(script).codePage; }

std::optional<TFontScript> ScriptFromName(std::string_view name) {
  for (const auto& n : kNames)
    if (n.name == name) return n.script;
  return std::nullopt;
}

int Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  return 1;
}

TFontScript DetectScript(std::string_view text) {
  const bool marked = text.starts_with(kByteOrderMark);
  if (marked) text.remove_prefix(kByteOrderMark.size());
  const bool nonAscii = std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
  return (marked || nonAscii) && IsValidUtf8(text) ? TFontScript::Utf8 : TFontScript::CentralEuropean;
}
