// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A 24-bit colour as the layers pass it around: 0x00BBGGRR, red in the low byte.
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<TColor>(red) | (static_cast<TColor>(green) << 8) | (static_cast<TColor>(blue) << 16);
}
constexpr std::uint8_t RedOf(TColor color) { return static_cast<std::uint8_t>(color); }
constexpr std::uint8_t GreenOf(TColor color) { return static_cast<std::uint8_t>(color >> 8); }
constexpr std::uint8_t BlueOf(TColor color) { return static_cast<std::uint8_t>(color >> 16); }

constexpr TColor clBlack = MakeColor(0, 0, 0);
constexpr TColor clWhite = MakeColor(255, 255, 255);
