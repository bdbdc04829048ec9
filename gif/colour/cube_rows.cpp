// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/cube_rows.h"

#include <cstddef>
#include <cstring>

#include "gif/colour/fixed_lookups.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define STRONIX_CUBE_AVX2 1
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

#if defined(STRONIX_CUBE_AVX2)

constexpr int kWideBlockPixels = 32;

// FourIndices on eight pixels.
__attribute__((target("avx2"))) __m256i EightIndices(__m256i pixels) {
  const __m256i three = _mm256_set1_epi16(3);
  const __m256i factor = _mm256_set1_epi16(kLevelFactor);
  const __m256i blueRed = _mm256_and_si256(pixels, _mm256_set1_epi32(0x00FF00FF));
  const __m256i greenUnused = _mm256_srli_epi16(pixels, 8);
  const __m256i blueRedLevels = _mm256_mulhi_epu16(_mm256_add_epi16(blueRed, three), factor);
  const __m256i greenLevels = _mm256_mulhi_epu16(_mm256_add_epi16(greenUnused, three), factor);
  const int cube = detail::kCubeLevels;
  return _mm256_add_epi32(_mm256_madd_epi16(blueRedLevels, _mm256_set1_epi32((cube * cube) << 16 | 1)),
                          _mm256_madd_epi16(greenLevels, _mm256_set1_epi32(cube)));
}

// The same blocks as the loop below, thirty-two pixels at a time; returns the pixels done.
__attribute__((target("avx2"))) int MapWide(const std::uint8_t* pixels, std::uint8_t* indices, int width,
                                            std::uint32_t plainColor, std::uint8_t plainIndex) {
  const __m256i plain = _mm256_set1_epi32(static_cast<int>(plainColor));
  const __m256i colorBits = _mm256_set1_epi32(static_cast<int>(kColorBits));
  const __m256i plainIndices = _mm256_set1_epi8(static_cast<char>(plainIndex));
  constexpr int kInOrder = 0xD8;  // 64-bit lanes 0, 2, 1, 3: packing works within 128-bit halves
  int x = 0;
  for (; x + kWideBlockPixels <= width;
       x += kWideBlockPixels, pixels += 4 * kWideBlockPixels, indices += kWideBlockPixels) {
    const auto* block = reinterpret_cast<const __m256i*>(pixels);
    const __m256i p0 = _mm256_loadu_si256(block), p1 = _mm256_loadu_si256(block + 1);
    const __m256i p2 = _mm256_loadu_si256(block + 2), p3 = _mm256_loadu_si256(block + 3);
    const __m256i differ = _mm256_and_si256(
        _mm256_or_si256(_mm256_or_si256(_mm256_xor_si256(p0, plain), _mm256_xor_si256(p1, plain)),
                        _mm256_or_si256(_mm256_xor_si256(p2, plain), _mm256_xor_si256(p3, plain))),
        colorBits);
    __m256i out = plainIndices;
    if (!_mm256_testz_si256(differ, differ)) {
      const __m256i low =
          _mm256_permute4x64_epi64(_mm256_packs_epi32(EightIndices(p0), EightIndices(p1)), kInOrder);
      const __m256i high =
          _mm256_permute4x64_epi64(_mm256_packs_epi32(EightIndices(p2), EightIndices(p3)), kInOrder);
      out = _mm256_permute4x64_epi64(_mm256_packus_epi16(low, high), kInOrder);
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(indices), out);
  }
  return x;
}

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

#endif

}  // namespace

TCubeRowMapper::TCubeRowMapper(std::uint32_t plainColor) : plainColor_(plainColor & kColorBits) {
  std::uint8_t pixel[4];
  std::memcpy(pixel, &plainColor, 4);  // the pixel's own bytes, whatever the byte order
  plainIndex_ = CubeIndex(pixel);
}

void TCubeRowMapper::MapRow(const std::uint8_t* pixels, std::uint8_t* indices, int width) const {
  int x = 0;
#if defined(STRONIX_CUBE_AVX2)
  if (HasAvx2()) {
    x = MapWide(pixels, indices, width, plainColor_, plainIndex_);
    pixels += 4 * x;
    indices += x;
  }
#endif
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
