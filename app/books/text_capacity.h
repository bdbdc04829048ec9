// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much text a book may bring, and the failure past it.
#include <cstddef>

#include "platform/exceptions.h"

// The most text the text box takes, in bytes as read from the file. It
// keeps a mistaken multi-gigabyte file from exhausting memory; books are a few megabytes.
inline constexpr std::size_t kMaxTextBytes = std::size_t{256} << 20;

// "Text exceeds memo capacity": a book holds more text than it may.
class ETextTooLarge : public EOutOfResources {
public:
  ETextTooLarge() : EOutOfResources("Text exceeds memo capacity") {}
};
