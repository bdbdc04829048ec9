// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawing/screen_size.h"

#include <charconv>

namespace {

constexpr std::string_view kTimesSign = "\u00D7";

std::optional<int> Side(std::string_view digits) {
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || digits.front() == '-' || digits.front() == '+' || error != std::errc() ||
      end != digits.data() + digits.size() || value < kMinScreenSide || value > kMaxScreenSide)
    return std::nullopt;
  return value;
}

}  // namespace

std::optional<TScreenSize> ParseScreenSize(std::string_view text) {
  std::size_t at = text.find_first_of("xX");
  std::size_t separator = 1;
  if (at == std::string_view::npos) {
    at = text.find(kTimesSign);
    separator = kTimesSign.size();
  }
  if (at == std::string_view::npos) return std::nullopt;
  const std::optional<int> width = Side(text.substr(0, at)), height = Side(text.substr(at + separator));
  if (!width || !height) return std::nullopt;
  return TScreenSize{*width, *height};
}

std::string ScreenSizeText(const TScreenSize& screen) {
  return std::to_string(screen.width) + "x" + std::to_string(screen.height);
}
