// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/text_case.h"

#include "platform/utf8.h"

namespace books {

namespace {

char32_t Decode(std::string_view text, std::size_t length) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (length == 1) return byte(0);
  char32_t c = byte(0) & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (byte(i) & 0x3F);
  return c;
}

// Pairs of one block, upper and lower `offset` apart.
bool InRange(char32_t c, char32_t from, char32_t to) { return c >= from && c <= to; }

char32_t Upper(char32_t c) {
  if (InRange(c, 'a', 'z') || (InRange(c, 0xE0, 0xFE) && c != 0xF7) || InRange(c, 0x3B1, 0x3C9) ||
      InRange(c, 0x430, 0x44F))
    return c - 0x20;
  if (InRange(c, 0x450, 0x45F)) return c - 0x50;
  // Latin Extended-A alternates upper and lower, in two runs of different parity.
  if ((InRange(c, 0x100, 0x137) || InRange(c, 0x14A, 0x177)) && c % 2 == 1) return c - 1;
  if ((InRange(c, 0x139, 0x148) || InRange(c, 0x179, 0x17E)) && c % 2 == 0) return c - 1;
  return c;
}

char32_t Lower(char32_t c) {
  if (InRange(c, 'A', 'Z') || (InRange(c, 0xC0, 0xDE) && c != 0xD7) || InRange(c, 0x391, 0x3A9) ||
      InRange(c, 0x410, 0x42F))
    return c + 0x20;
  if (InRange(c, 0x400, 0x40F)) return c + 0x50;
  if ((InRange(c, 0x100, 0x137) || InRange(c, 0x14A, 0x177)) && c % 2 == 0) return c + 1;
  if ((InRange(c, 0x139, 0x148) || InRange(c, 0x179, 0x17E)) && c % 2 == 1) return c + 1;
  return c;
}

bool IsSpace(char32_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0; }

}  // namespace

std::string TransformCase(std::string_view utf8, css::ETextTransform transform, bool& wordStart) {
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const std::size_t length = Utf8CharLength(utf8);
    if (length == 0) {  // not a character: kept as it is
      out += utf8.front();
      utf8.remove_prefix(1);
      continue;
    }
    const char32_t c = Decode(utf8, length);
    utf8.remove_prefix(length);
    char32_t changed = c;
    if (transform == css::ETextTransform::Uppercase) changed = Upper(c);
    if (transform == css::ETextTransform::Lowercase) changed = Lower(c);
    if (transform == css::ETextTransform::Capitalize && wordStart) changed = Upper(c);
    wordStart = IsSpace(c);
    AppendUtf8(out, changed);
  }
  return out;
}

}  // namespace books
