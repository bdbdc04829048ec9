// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The script (character set) of the page font. It decides how the book's 8-bit bytes
// read when they are measured and drawn: each classic script has its single-byte code
// page; Utf8 is our addition for books kept as UTF-8.
#include <optional>
#include <string_view>

#include "platform/utf8.h"

enum class TFontScript {
  Western,          // Windows-1252
  CentralEuropean,  // Windows-1250
  Cyrillic,         // Windows-1251
  Greek,            // Windows-1253
  Turkish,          // Windows-1254
  Hebrew,           // Windows-1255
  Arabic,           // Windows-1256
  Baltic,           // Windows-1257
  Vietnamese,       // Windows-1258
  Thai,             // Windows-874
  Utf8,
};

// Every script, in the order above.
inline constexpr TFontScript kAllScripts[] = {TFontScript::Western,    TFontScript::CentralEuropean,
                                              TFontScript::Cyrillic,   TFontScript::Greek,
                                              TFontScript::Turkish,    TFontScript::Hebrew,
                                              TFontScript::Arabic,     TFontScript::Baltic,
                                              TFontScript::Vietnamese, TFontScript::Thai,
                                              TFontScript::Utf8};

// A short lower-case name ("central-european", "utf-8", ...) for command lines and messages.
std::string_view ScriptName(TFontScript script);
// The script of a name given by ScriptName, or none.
std::optional<TFontScript> ScriptFromName(std::string_view name);
// The code page's name as the converters know it ("windows-1250", ..., "UTF-8").
std::string_view CodePageName(TFontScript script);

// Utf8 when the text (after a leading byte-order mark) is valid UTF-8 and either had the
// mark or holds a non-ASCII byte; CentralEuropean, the initial script, otherwise.
TFontScript DetectScript(std::string_view text);
// The length of the UTF-8 sequence that starts with `lead`: 1 for ASCII and stray bytes.
int Utf8SequenceLength(unsigned char lead);
