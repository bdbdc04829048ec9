// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CSS text into tokens after CSS Syntax Level 3; never fails: what is malformed becomes a
// bad-string, bad-url or delimiter token, as browsers read it. Comments are dropped.
#include <cstdint>
#include <string_view>

#include "app/css/token.h"

namespace css {

// Text of at most 4 GiB (the tokens' offsets are 32-bit); the caller's byte budget holds less.
// Stops after `maxTokens` tokens, the rest of the text left unread.
TTokens Tokenize(std::string_view text, std::size_t maxTokens = SIZE_MAX);

}  // namespace css
