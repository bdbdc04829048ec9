#pragma once
// UTF-8 checks for text that comes out of parsers fed arbitrary bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace books {

// The length of the well-formed UTF-8 character at the start of `text`; 0 when there is
// none (a stray, overlong, surrogate or out-of-range sequence, or a cut one).
std::size_t Utf8CharLength(std::string_view text);
bool IsValidUtf8(std::string_view text);
// The text with every byte that starts no well-formed character replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

}  // namespace books
