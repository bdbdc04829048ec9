// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/cube_rows.h"

#include <cstddef>
#include <cstring>

#include "gif/colour/fixed_lookups.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::uint32_t kColorBits = 0x00FFFFFF;

std::uint8_t CubeIndex(const std::uint8_t* pixel) {
  const auto& level = detail::kCubeLevels256;
  return static_cast<std::uint8_t>(
      (level[pixel[2]] * detail::kCubeLevels + level[pixel[1]]) * detail::kCubeLevels + level[pixel[0]]);
}

#if defined(__SSE2__)

constexpr int kBlockPixels = 16;
// The level (v + 3) / 51 as the high half of (v + 3) × 1286: exact for every byte, and
// eight channels to one instruction.
constexpr int kLevelFactor = 1286;

constexpr bool FactorGivesTheCubeLevels() {
  for (int v = 0; v < 256; ++v)
    if ((v + 3) * kLevelFactor >> 16 != detail::kCubeLevels256[static_cast<std::size_t>(v)]) return false;
  return true;
}
static_assert(FactorGivesTheCubeLevels());

// Cube indices of four pixels, one per 32-bit lane.
__m128i FourIndices(__m128i pixels) {
  const __m128i three = _mm_set1_epi16(3);
  const __m128i factor = _mm_set1_epi16(kLevelFactor);
  // 16-bit lanes: blue, red of each pixel; green, unused of each pixel.
  const __m128i blueRed = _mm_and_si128(pixels, _mm_set1_epi32(0x00FF00FF));
  const __m128i greenUnused = _mm_srli_epi16(pixels, 8);
  const __m128i blueRedLevels = _mm_mulhi_epu16(_mm_add_epi16(blueRed, three), factor);
  const __m128i greenLevels = _mm_mulhi_epu16(_mm_add_epi16(greenUnused, three), factor);
  // b + 36 r and 6 g + 0 × unused, each summed into its pixel's 32-bit lane.
  const int cube = detail::kCubeLevels;
  return _mm_add_epi32(_mm_madd_epi16(blueRedLevels, _mm_set1_epi32((cube * cube) << 16 | 1)),
                       _mm_madd_epi16(greenLevels, _mm_set1_epi32(cube)));
}

__m128i Load(const std::uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

#endif

}  // namespace

TCubeRowMapper::TCubeRowMapper(std::uint32_t plainColor) : plainColor_(plainColor & kColorBits) {
  std::uint8_t pixel[4];
  std::memcpy(pixel, &plainColor, 4);  // the pixel's own bytes, whatever the byte order
  plainIndex_ = CubeIndex(pixel);
}

void TCubeRowMapper::MapRow(const std::uint8_t* pixels, std::uint8_t* indices, int width) const {
  int x = 0;
#if defined(__SSE2__)
  const __m128i plain = _mm_set1_epi32(static_cast<int>(plainColor_));
  const __m128i colorBits = _mm_set1_epi32(static_cast<int>(kColorBits));
  const __m128i plainIndices = _mm_set1_epi8(static_cast<char>(plainIndex_));
  for (; x + kBlockPixels <= width; x += kBlockPixels, pixels += 4 * kBlockPixels, indices += kBlockPixels) {
    const __m128i p0 = Load(pixels), p1 = Load(pixels + 16), p2 = Load(pixels + 32), p3 = Load(pixels + 48);
    const __m128i differ =
        _mm_and_si128(_mm_or_si128(_mm_or_si128(_mm_xor_si128(p0, plain), _mm_xor_si128(p1, plain)),
                                   _mm_or_si128(_mm_xor_si128(p2, plain), _mm_xor_si128(p3, plain))),
                      colorBits);
    __m128i out = plainIndices;
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(differ, _mm_setzero_si128())) != 0xFFFF) {
      // Indices stay below 216: the signed packing keeps them, the unsigned one makes bytes.
      out = _mm_packus_epi16(_mm_packs_epi32(FourIndices(p0), FourIndices(p1)),
                             _mm_packs_epi32(FourIndices(p2), FourIndices(p3)));
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(indices), out);
  }
#endif
  for (; x < width; ++x, pixels += 4) *indices++ = CubeIndex(pixels);
}
