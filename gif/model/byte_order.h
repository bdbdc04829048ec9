// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Multi-byte numbers of the GIF stream are little-endian.
#include <cstdint>

namespace detail {

inline void PutLE16(std::uint8_t* p, std::uint16_t value) {
  p[0] = static_cast<std::uint8_t>(value);
  p[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutLE32(std::uint8_t* p, std::uint32_t value) {
  PutLE16(p, static_cast<std::uint16_t>(value));
  PutLE16(p + 2, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace detail
