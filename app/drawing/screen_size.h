// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screen pages are made for: 480 × 272 unless the reader has another console, and the
// tall page a portrait GIF holds turned.
#include <array>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int kMinScreenSide = 64;
inline constexpr int kMaxScreenSide = 4096;

struct TScreenSize {
  int width = 480;
  int height = 272;

  bool operator==(const TScreenSize&) const = default;
};

// The sizes the window offers: the console's screen and its successor's.
inline constexpr std::array<TScreenSize, 2> kScreenPresets = {{{480, 272}, {960, 544}}};

// "WxH" (an "x" or "×" between two whole numbers, each kMinScreenSide … kMaxScreenSide);
// std::nullopt for anything else.
std::optional<TScreenSize> ParseScreenSize(std::string_view text);
// "960x544".
std::string ScreenSizeText(const TScreenSize& screen);
// The page typeset for a console held sideways: the screen's sides swapped.
inline TScreenSize PortraitPage(const TScreenSize& screen) { return {screen.height, screen.width}; }
