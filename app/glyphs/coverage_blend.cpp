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

#if defined(__SSE2__)
// The same per 16-bit lane: (t + t/256 + 128)/256 of t = x·a.
__m128i ByteMulLanes(__m128i x, __m128i a) {
  const __m128i t = _mm_mullo_epi16(x, a);
  return _mm_srli_epi16(_mm_add_epi16(t, _mm_add_epi16(_mm_srli_epi16(t, 8), _mm_set1_epi16(0x80))), 8);
}

// Four pixels blended at their four coverages.
__m128i BlendFour(__m128i pixels, __m128i inks, std::uint32_t four) {
  const __m128i zero = _mm_setzero_si128(), full = _mm_set1_epi16(255);
  __m128i spread = _mm_cvtsi32_si128(static_cast<int>(four));
  spread = _mm_unpacklo_epi8(spread, spread);
  spread = _mm_unpacklo_epi16(spread, spread);
  const __m128i low =
      ByteMulLanes(_mm_unpacklo_epi8(pixels, zero), _mm_sub_epi16(full, _mm_unpacklo_epi8(spread, zero)));
  const __m128i high =
      ByteMulLanes(_mm_unpackhi_epi8(pixels, zero), _mm_sub_epi16(full, _mm_unpackhi_epi8(spread, zero)));
  return _mm_add_epi8(_mm_packus_epi16(low, high), inks);
}
#endif

void BlendRow(std::uint32_t* pixels, const std::uint8_t* coverage, const std::uint32_t* ink,
              const std::uint32_t* onBackground, std::uint32_t background, int count) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i backgrounds = _mm_set1_epi32(static_cast<int>(background));
  for (; i + 4 <= count; i += 4) {
    auto* at = reinterpret_cast<__m128i*>(pixels + i);
    const __m128i old = _mm_loadu_si128(at);
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(old, backgrounds)) == 0xffff) {
      _mm_storeu_si128(at, _mm_loadu_si128(reinterpret_cast<const __m128i*>(onBackground + i)));
      continue;
    }
    std::uint32_t four;
    std::memcpy(&four, coverage + i, sizeof four);
    if (four != 0)
      _mm_storeu_si128(at, BlendFour(old, _mm_loadu_si128(reinterpret_cast<const __m128i*>(ink + i)), four));
  }
#endif
  for (; i < count; ++i)
    if (coverage[i] != 0)
      pixels[i] = pixels[i] == background ? onBackground[i] : Blended(pixels[i], ink[i], coverage[i]);
}

}  // namespace

std::uint32_t InkOf(std::uint32_t color, std::uint8_t coverage) { return ByteMul(color, coverage); }

// With an opaque colour the ink's alpha is the coverage itself, and no channel passes 255.
std::uint32_t Blended(std::uint32_t pixel, std::uint32_t ink, std::uint8_t coverage) {
  return ink + ByteMul(pixel, 255u - coverage);
}

void BlendCoverage(std::uint32_t* pixels, std::ptrdiff_t pixelStride, TInkedRows glyph,
                   std::uint32_t background, int count, int rows) {
  for (int row = 0; row < rows; ++row, pixels += pixelStride) {
    const std::ptrdiff_t at = row * glyph.stride;
    BlendRow(pixels, glyph.coverage + at, glyph.ink + at, glyph.onBackground + at, background, count);
  }
}
