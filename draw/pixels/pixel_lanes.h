// Pixels in the 16-bit lanes of an SSE2 register (both builds are x86-64, so
// SSE2 is always there): one channel a lane, two pixels a register, so the
// effects work on all channels, and on several pixels, at once. Free of
// Windows.
#pragma once

#include <emmintrin.h>

#include <algorithm>
#include <cstdint>

// The channels of the first two and of the last two of four pixels, one
// 16-bit lane each.
[[nodiscard]] inline __m128i lowLanes(__m128i pixels) {
    return _mm_unpacklo_epi8(pixels, _mm_setzero_si128());
}
[[nodiscard]] inline __m128i highLanes(__m128i pixels) {
    return _mm_unpackhi_epi8(pixels, _mm_setzero_si128());
}

// Four pixels from the lanes of the first two and of the last two, each
// lane clamped to 0 to 255 and the unused fourth byte of each pixel 0.
[[nodiscard]] inline __m128i pixelsOfLanes(__m128i low, __m128i high) {
    return _mm_and_si128(_mm_packus_epi16(low, high), _mm_set1_epi32(0x00FFFFFF));
}

[[nodiscard]] inline __m128i loadPixels(const uint32_t* pixels) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
}
inline void storePixels(uint32_t* pixels, __m128i four) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels), four);
}

// Writes four(pixels, column) of each group of four of the `count` pixels
// of `in`, the first at `column`, to `out` (which may be `in`); a last group
// of fewer goes through a copy.
template <typename Four>
void forEachFour(const uint32_t* in, uint32_t* out, int count, Four four) {
    int column = 0;
    for (; column + 4 <= count; column += 4) {
        storePixels(out + column, four(loadPixels(in + column), column));
    }
    if (column < count) {
        uint32_t last[4] = {};
        std::copy(in + column, in + count, last);
        storePixels(last, four(loadPixels(last), column));
        std::copy(last, last + (count - column), out + column);
    }
}

// Each lane (0 to 255) times its factor (0 to 256) over 256, truncated: the
// products reach 65280 and fit the unsigned lanes.
[[nodiscard]] inline __m128i scaleLanes(__m128i lanes, __m128i factors) {
    return _mm_srli_epi16(_mm_mullo_epi16(lanes, factors), 8);
}

// Each lane of (own · (255 − weight) + other · weight) / 255 for lanes of 0
// to 255 and weights of 0 to 255. The sums reach 65025, so they fit the
// unsigned lanes, the result is never above 255, and the division by 255 is
// exact for them: x / 255 = (x + 1 + (x >> 8)) >> 8.
[[nodiscard]] inline __m128i mixLanes(__m128i own, __m128i other, __m128i weight) {
    const __m128i sum =
        _mm_add_epi16(_mm_mullo_epi16(own, _mm_sub_epi16(_mm_set1_epi16(255), weight)),
                      _mm_mullo_epi16(other, weight));
    return _mm_srli_epi16(
        _mm_add_epi16(_mm_add_epi16(sum, _mm_set1_epi16(1)), _mm_srli_epi16(sum, 8)), 8);
}

// mixLanes for the three channels of one pixel; the fourth byte comes out 0.
[[nodiscard]] inline uint32_t mixPixels(uint32_t own, uint32_t other, int weight) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i mixed =
        mixLanes(_mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(own)), zero),
                 _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(other)), zero),
                 _mm_set1_epi16(static_cast<short>(weight)));
    return static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(mixed, zero))) & 0xFFFFFF;
}
