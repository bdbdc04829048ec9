// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tokens of CSS Syntax Level 3, as the tokenizer hands them to the parser.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace css {

enum class ETokenType : std::uint8_t {
  Ident,
  Function,   // text: the name, without "("
  AtKeyword,  // text: the name, without "@"
  Hash,       // text: the name, without "#"
  String,
  BadString,
  Url,  // text: the address
  BadUrl,
  Delim,  // text: the one character
  Number,
  Percentage,
  Dimension,  // text: the unit
  Whitespace,
  Cdo,
  Cdc,
  Colon,
  Semicolon,
  Comma,
  OpenSquare,
  CloseSquare,
  OpenParen,
  CloseParen,
  OpenCurly,
  CloseCurly,
};

struct TToken {
  ETokenType type = ETokenType::Whitespace;
  bool isInteger = false;  // a number written without a fraction or exponent
  bool hashIsId = false;   // a hash whose name could be an identifier
  double number = 0;       // Number, Percentage (as written, 50 for 50%), Dimension
  std::string text;        // escapes resolved; see ETokenType
  // Where the token lies in the text it came from, for what must be read again as written.
  std::uint32_t begin = 0;
  std::uint32_t end = 0;

  bool Is(ETokenType t) const { return type == t; }
  bool IsDelim(char c) const { return type == ETokenType::Delim && text.size() == 1 && text[0] == c; }
  // An identifier equal to `lowercase` in ASCII case-insensitive comparison.
  bool IsIdent(std::string_view lowercase) const;
};

using TTokens = std::vector<TToken>;

std::string AsciiLower(std::string_view text);
bool EqualsIgnoringCase(std::string_view text, std::string_view lowercase);

}  // namespace css
