// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/tokenizer.h"

#include <charconv>
#include <cmath>

#include "platform/utf8.h"

namespace css {

bool EqualsIgnoringCase(std::string_view text, std::string_view lowercase) {
  if (text.size() != lowercase.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != lowercase[i]) return false;
  }
  return true;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return out;
}

bool TToken::IsIdent(std::string_view lowercase) const {
  return type == ETokenType::Ident && EqualsIgnoringCase(text, lowercase);
}

namespace {

TToken Make(ETokenType type, std::string text = {}) {
  TToken token;
  token.type = type;
  token.text = std::move(text);
  return token;
}

bool IsNewline(char c) { return c == '\n' || c == '\r' || c == '\f'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || IsNewline(c); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHex(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
// Every byte of a non-ASCII character counts, so that such characters pass whole.
bool IsNameStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80 || c == '\0';
}
bool IsName(char c) { return IsNameStart(c) || IsDigit(c) || c == '-'; }

// One pass over the text: each Consume* reads one token from `pos_`, the states of the
// tokenizer being the functions themselves.
class TTokenizer {
public:
  explicit TTokenizer(std::string_view text) : text_(text) {}

  TTokens Run(std::size_t maxTokens) {
    TTokens tokens;
    while (pos_ < text_.size() && tokens.size() < maxTokens) {
      if (At(0) == '/' && At(1) == '*') {
        SkipComment();
        continue;
      }
      const std::size_t begin = pos_;
      TToken token = ConsumeToken();
      token.begin = static_cast<std::uint32_t>(begin);
      token.end = static_cast<std::uint32_t>(pos_);
      tokens.push_back(std::move(token));
    }
    return tokens;
  }

private:
  char At(std::size_t ahead) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
  bool AtEnd(std::size_t ahead = 0) const { return pos_ + ahead >= text_.size(); }

  void SkipComment() {
    const std::size_t close = text_.find("*/", pos_ + 2);
    pos_ = close == std::string_view::npos ? text_.size() : close + 2;
  }

  bool ValidEscape(std::size_t ahead) const {
    return !AtEnd(ahead) && At(ahead) == '\\' && !AtEnd(ahead + 1) && !IsNewline(At(ahead + 1));
  }
  bool StartsIdent(std::size_t ahead) const {
    const char c = At(ahead);
    if (AtEnd(ahead)) return false;
    if (c == '-')
      return (!AtEnd(ahead + 1) && (IsNameStart(At(ahead + 1)) || At(ahead + 1) == '-')) ||
             ValidEscape(ahead + 1);
    return IsNameStart(c) || ValidEscape(ahead);
  }
  bool StartsNumber(std::size_t ahead) const {
    const char c = At(ahead);
    if (AtEnd(ahead)) return false;
    if (c == '+' || c == '-')
      return IsDigit(At(ahead + 1)) || (At(ahead + 1) == '.' && IsDigit(At(ahead + 2)));
    if (c == '.') return IsDigit(At(ahead + 1));
    return IsDigit(c);
  }

  // After the backslash: a hex code point with one optional space, or the character itself.
  void ConsumeEscape(std::string& out) {
    if (AtEnd()) {
      AppendUtf8(out, 0xFFFD);
      return;
    }
    if (IsHex(At(0))) {
      char32_t value = 0;
      for (int n = 0; n < 6 && !AtEnd() && IsHex(At(0)); ++n, ++pos_) {
        const char c = At(0);
        value = value * 16 + char32_t(IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
      }
      if (!AtEnd() && IsSpace(At(0))) pos_ += (At(0) == '\r' && At(1) == '\n') ? 2 : 1;
      if (value == 0 || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) value = 0xFFFD;
      AppendUtf8(out, value);
      return;
    }
    AppendNameChar(out);
  }
  void AppendNameChar(std::string& out) {
    if (At(0) == '\0')
      AppendUtf8(out, 0xFFFD);
    else
      out += At(0);
    ++pos_;
  }

  std::string ConsumeName() {
    std::string name;
    while (!AtEnd()) {
      if (IsName(At(0))) {
        AppendNameChar(name);
      } else if (ValidEscape(0)) {
        ++pos_;
        ConsumeEscape(name);
      } else {
        break;
      }
    }
    return name;
  }

  TToken ConsumeNumeric() {
    TToken token;
    const std::size_t begin = pos_;
    token.isInteger = true;
    if (At(0) == '+' || At(0) == '-') ++pos_;
    while (IsDigit(At(0)) && !AtEnd()) ++pos_;
    if (At(0) == '.' && IsDigit(At(1))) {
      token.isInteger = false;
      pos_ += 1;
      while (IsDigit(At(0)) && !AtEnd()) ++pos_;
    }
    if ((At(0) == 'e' || At(0) == 'E') &&
        (IsDigit(At(1)) || ((At(1) == '+' || At(1) == '-') && IsDigit(At(2))))) {
      token.isInteger = false;
      pos_ += 2;
      while (IsDigit(At(0)) && !AtEnd()) ++pos_;
    }
    std::string_view digits = text_.substr(begin, pos_ - begin);
    if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
    std::from_chars(digits.data(), digits.data() + digits.size(), token.number);
    if (!std::isfinite(token.number)) token.number = 0;
    if (StartsIdent(0)) {
      token.type = ETokenType::Dimension;
      token.text = ConsumeName();
    } else if (At(0) == '%' && !AtEnd()) {
      ++pos_;
      token.type = ETokenType::Percentage;
    } else {
      token.type = ETokenType::Number;
    }
    return token;
  }

  TToken ConsumeString(char quote) {
    TToken token = Make(ETokenType::String);
    ++pos_;
    while (!AtEnd()) {
      const char c = At(0);
      if (c == quote) {
        ++pos_;
        return token;
      }
      if (IsNewline(c)) {
        token.type = ETokenType::BadString;  // the newline stays for the next token
        token.text.clear();
        return token;
      }
      if (c == '\\') {
        if (AtEnd(1)) {
          ++pos_;
        } else if (IsNewline(At(1))) {
          pos_ += (At(1) == '\r' && At(2) == '\n') ? 3 : 2;
        } else {
          ++pos_;
          ConsumeEscape(token.text);
        }
        continue;
      }
      AppendNameChar(token.text);
    }
    return token;
  }

  void SkipSpaces() {
    while (!AtEnd() && IsSpace(At(0))) ++pos_;
  }

  // After "url(": an unquoted address, or a function token when the address is quoted.
  TToken ConsumeUrlOrFunction(std::string name) {
    const std::size_t afterParen = pos_;
    SkipSpaces();
    if (At(0) == '"' || At(0) == '\'') {
      pos_ = afterParen;
      return Make(ETokenType::Function, std::move(name));
    }
    TToken token = Make(ETokenType::Url);
    while (!AtEnd()) {
      const char c = At(0);
      if (c == ')') {
        ++pos_;
        return token;
      }
      if (IsSpace(c)) {
        SkipSpaces();
        if (AtEnd() || At(0) == ')') continue;
        break;
      }
      if (c == '"' || c == '\'' || c == '(' || (c > 0 && c < 0x20 && c != '\t') || c == 0x7F) break;
      if (c == '\\') {
        if (!ValidEscape(0)) break;
        ++pos_;
        ConsumeEscape(token.text);
        continue;
      }
      AppendNameChar(token.text);
    }
    if (AtEnd()) return token;  // a url cut by the end of the text still counts
    // A bad url runs to the next ")" not escaped.
    while (!AtEnd() && At(0) != ')') pos_ += ValidEscape(0) ? 2 : 1;
    if (!AtEnd()) ++pos_;
    return Make(ETokenType::BadUrl);
  }

  TToken ConsumeIdentLike() {
    std::string name = ConsumeName();
    if (At(0) == '(' && !AtEnd()) {
      ++pos_;
      if (EqualsIgnoringCase(name, "url")) return ConsumeUrlOrFunction(std::move(name));
      return Make(ETokenType::Function, std::move(name));
    }
    return Make(ETokenType::Ident, std::move(name));
  }

  TToken Simple(ETokenType type, std::size_t length = 1) {
    pos_ += length;
    return Make(type);
  }
  TToken Delim() {
    TToken token = Make(ETokenType::Delim);
    const std::size_t length = std::max<std::size_t>(1, Utf8CharLength(text_.substr(pos_)));
    token.text = text_.substr(pos_, length);
    pos_ += length;
    return token;
  }

  TToken ConsumeToken() {
    const char c = At(0);
    if (IsSpace(c)) {
      SkipSpaces();
      return Make(ETokenType::Whitespace);
    }
    switch (c) {
      case '"':
      case '\'':
        return ConsumeString(c);
      case '#':
        if ((IsName(At(1)) && !AtEnd(1)) || ValidEscape(1)) {
          ++pos_;
          TToken token = Make(ETokenType::Hash);
          token.hashIsId = StartsIdent(0);
          token.text = ConsumeName();
          return token;
        }
        return Delim();
      case '(':
        return Simple(ETokenType::OpenParen);
      case ')':
        return Simple(ETokenType::CloseParen);
      case '[':
        return Simple(ETokenType::OpenSquare);
      case ']':
        return Simple(ETokenType::CloseSquare);
      case '{':
        return Simple(ETokenType::OpenCurly);
      case '}':
        return Simple(ETokenType::CloseCurly);
      case ',':
        return Simple(ETokenType::Comma);
      case ':':
        return Simple(ETokenType::Colon);
      case ';':
        return Simple(ETokenType::Semicolon);
      case '+':
      case '.':
        return StartsNumber(0) ? ConsumeNumeric() : Delim();
      case '-':
        if (StartsNumber(0)) return ConsumeNumeric();
        if (At(1) == '-' && At(2) == '>') return Simple(ETokenType::Cdc, 3);
        if (StartsIdent(0)) return ConsumeIdentLike();
        return Delim();
      case '<':
        if (text_.substr(pos_, 4) == "<!--") return Simple(ETokenType::Cdo, 4);
        return Delim();
      case '@':
        if (StartsIdent(1)) {
          ++pos_;
          return Make(ETokenType::AtKeyword, ConsumeName());
        }
        return Delim();
      case '\\':
        if (ValidEscape(0)) return ConsumeIdentLike();
        return Delim();
      default:
        if (IsDigit(c)) return ConsumeNumeric();
        if (IsNameStart(c)) return ConsumeIdentLike();
        return Delim();
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

TTokens Tokenize(std::string_view text, std::size_t maxTokens) { return TTokenizer(text).Run(maxTokens); }

}  // namespace css
