#pragma once
// Finding the next byte of a small set in a text. The engine looks for the line break and the
// axis letter at once, which is faster than one memchr per byte on short lines.
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ravoxel {

// The first byte in [p, end) that equals a, b or c; end when there is none.
inline const char* FindFirstByte(const char* p, const char* end, char a, char b, char c) {
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(a);
    const __m128i vb = _mm_set1_epi8(b);
    const __m128i vc = _mm_set1_epi8(c);
    while (end - p >= 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hits = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(x, va), _mm_cmpeq_epi8(x, vb)), _mm_cmpeq_epi8(x, vc));
        const int mask = _mm_movemask_epi8(hits);
        if (mask != 0) {
            return p + __builtin_ctz(static_cast<unsigned>(mask));
        }
        p += 16;
    }
#endif
    for (; p != end; ++p) {
        if (*p == a || *p == b || *p == c) {
            return p;
        }
    }
    return end;
}

} // namespace ravoxel
