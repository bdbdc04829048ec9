// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 as the book formats, the scripts and the text files need it: checks, repair and
// encoding of single characters.
#include <cstddef>
#include <string>
#include <string_view>

// The length of the well-formed UTF-8 character at the start of `text`; 0 when there is
// none (a stray, overlong, surrogate or out-of-range sequence, or a cut one).
std::size_t Utf8CharLength(std::string_view text);
bool IsValidUtf8(std::string_view text);
// The text with every byte that starts no well-formed character replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);
// Appends the UTF-8 form of the character `c` (at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t c);
