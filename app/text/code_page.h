// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the book's bytes read in a script; the windows show them through it too. The bytes
// themselves are never converted: only what is measured and drawn is decoded.
#include <QString>
#include <array>
#include <string>
#include <string_view>

#include "app/text/font_script.h"

class TCodePage {
public:
  explicit TCodePage(TFontScript script);

  bool SingleByte() const { return script_ != TFontScript::Utf8; }
  // The character a byte stands for: any byte of a single-byte code page, an ASCII byte in UTF-8.
  char16_t CharOf(unsigned char byte) const { return table_[byte]; }
  // The bytes as characters of this code page.
  QString Decode(std::string_view bytes) const;
  // UTF-8 text (a file name) as bytes of this code page; characters it lacks become "?".
  std::string FromUtf8(std::string_view utf8) const;

private:
  TFontScript script_;
  std::array<char16_t, 256> table_{};
};

// The shared code page of a script, built on first use.
const TCodePage& CodePageOf(TFontScript script);
