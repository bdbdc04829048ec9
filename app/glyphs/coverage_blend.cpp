// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/glyphs/coverage_blend.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// x·a/255 for the four channels at once, rounded as Qt's BYTE_MUL rounds.
std::uint32_t ByteMul(std::uint32_t x, std::uint32_t a) {
  constexpr std::uint64_t kLanes = 0x00ff00ff00ff00ffULL;
  std::uint64_t t = ((std::uint64_t{x} | (std::uint64_t{x} << 24)) & kLanes) * a;
  t = ((t + ((t >> 8) & kLanes) + 0x0080008000800080ULL) >> 8) & kLanes;
  return static_cast<std::uint32_t>(t) | static_cast<std::uint32_t>(t >> 24);
}

std::uint32_t Blend(std::uint32_t pixel, std::uint32_t coverage, std::uint32_t color) {
  // With an opaque colour the source's alpha is the coverage itself; no channel can pass 255.
  return ByteMul(color, coverage) + ByteMul(pixel, 255 - coverage);
}

#if defined(__SSE2__)
// The same per 16-bit lane: (t + t/256 + 128)/256 of t = x·a.
__m128i ByteMulLanes(__m128i x, __m128i a) {
  const __m128i t = _mm_mullo_epi16(x, a);
  return _mm_srli_epi16(_mm_add_epi16(t, _mm_add_epi16(_mm_srli_epi16(t, 8), _mm_set1_epi16(0x80))), 8);
}

// Two pixels, widened to 16 bits a channel, with their coverages spread alike.
__m128i BlendLanes(__m128i pixels, __m128i coverage, __m128i color) {
  return _mm_add_epi16(ByteMulLanes(color, coverage),
                       ByteMulLanes(pixels, _mm_sub_epi16(_mm_set1_epi16(255), coverage)));
}
#endif

}  // namespace

void BlendCoverage(std::uint32_t* pixels, const std::uint8_t* coverage, int count, std::uint32_t color) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i colorLanes = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(color)), zero);
  for (; i + 4 <= count; i += 4) {
    std::uint32_t four;
    std::memcpy(&four, coverage + i, sizeof four);
    if (four == 0) continue;  // most of a glyph's box lies outside its strokes
    __m128i spread = _mm_cvtsi32_si128(static_cast<int>(four));
    spread = _mm_unpacklo_epi8(spread, spread);
    spread = _mm_unpacklo_epi16(spread, spread);
    auto* at = reinterpret_cast<__m128i*>(pixels + i);
    const __m128i old = _mm_loadu_si128(at);
    const __m128i low = BlendLanes(_mm_unpacklo_epi8(old, zero), _mm_unpacklo_epi8(spread, zero), colorLanes);
    const __m128i high = BlendLanes(_mm_unpackhi_epi8(old, zero), _mm_unpackhi_epi8(spread, zero), colorLanes);
    _mm_storeu_si128(at, _mm_packus_epi16(low, high));
  }
#endif
  for (; i < count; ++i)
    if (coverage[i] != 0) pixels[i] = Blend(pixels[i], coverage[i], color);
}
