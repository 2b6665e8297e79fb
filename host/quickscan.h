#pragma once

// One look at each value of a run of floats or doubles: the lowest and the
// highest (NaN drops out) and whether any is NaN or infinite, four SSE2
// registers at a time where the processor has them. Internal to the host
// library and the viewers, which measure and plot large arrays with it.

#include <algorithm>
#include <cstdint>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kelvra {

// The lowest and highest of v[begin] to v[end - 1], and whether any of
// them is NaN or infinite, looking at each value only once: a NaN fails
// every comparison and drops out by itself, and x - x is 0 for every
// finite x, so the sum `odd` stays 0 until a NaN or an infinity comes.
template <typename T>
struct Quick
{
    T low = std::numeric_limits<T>::infinity();
    T high = -std::numeric_limits<T>::infinity();
    T odd = 0;

    void add(T x)
    {
        low = x < low ? x : low;
        high = x > high ? x : high;
        odd += x - x;
    }
};

#if defined(__SSE2__)
// Four registers of doubles (or floats) at a time; the processor's min and
// max instructions keep the second operand when the first is NaN, as the
// comparisons above do.
inline Quick<double> quick_scan(const double *v, std::int64_t begin, std::int64_t end)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    __m128d low[4], high[4], odd[4];
    for (int k = 0; k < 4; ++k) {
        low[k] = _mm_set1_pd(inf);
        high[k] = _mm_set1_pd(-inf);
        odd[k] = _mm_setzero_pd();
    }
    std::int64_t i = begin;
    for (; i + 8 <= end; i += 8) {
        for (int k = 0; k < 4; ++k) {
            const __m128d x = _mm_loadu_pd(v + i + 2 * k);
            low[k] = _mm_min_pd(x, low[k]);
            high[k] = _mm_max_pd(x, high[k]);
            odd[k] = _mm_add_pd(odd[k], _mm_sub_pd(x, x));
        }
    }
    double lows[2], highs[2], odds[2];
    _mm_storeu_pd(lows, _mm_min_pd(_mm_min_pd(low[0], low[1]), _mm_min_pd(low[2], low[3])));
    _mm_storeu_pd(highs, _mm_max_pd(_mm_max_pd(high[0], high[1]), _mm_max_pd(high[2], high[3])));
    _mm_storeu_pd(odds, _mm_add_pd(_mm_add_pd(odd[0], odd[1]), _mm_add_pd(odd[2], odd[3])));
    Quick<double> found{std::min(lows[0], lows[1]), std::max(highs[0], highs[1]), odds[0] + odds[1]};
    for (; i < end; ++i)
        found.add(v[i]);
    return found;
}

inline Quick<float> quick_scan(const float *v, std::int64_t begin, std::int64_t end)
{
    constexpr float inf = std::numeric_limits<float>::infinity();
    __m128 low[4], high[4], odd[4];
    for (int k = 0; k < 4; ++k) {
        low[k] = _mm_set1_ps(inf);
        high[k] = _mm_set1_ps(-inf);
        odd[k] = _mm_setzero_ps();
    }
    std::int64_t i = begin;
    for (; i + 16 <= end; i += 16) {
        for (int k = 0; k < 4; ++k) {
            const __m128 x = _mm_loadu_ps(v + i + 4 * k);
            low[k] = _mm_min_ps(x, low[k]);
            high[k] = _mm_max_ps(x, high[k]);
            odd[k] = _mm_add_ps(odd[k], _mm_sub_ps(x, x));
        }
    }
    float lows[4], highs[4], odds[4];
    _mm_storeu_ps(lows, _mm_min_ps(_mm_min_ps(low[0], low[1]), _mm_min_ps(low[2], low[3])));
    _mm_storeu_ps(highs, _mm_max_ps(_mm_max_ps(high[0], high[1]), _mm_max_ps(high[2], high[3])));
    _mm_storeu_ps(odds, _mm_add_ps(_mm_add_ps(odd[0], odd[1]), _mm_add_ps(odd[2], odd[3])));
    Quick<float> found{std::min({lows[0], lows[1], lows[2], lows[3]}), std::max({highs[0], highs[1], highs[2], highs[3]}),
                       odds[0] + odds[1] + odds[2] + odds[3]};
    for (; i < end; ++i)
        found.add(v[i]);
    return found;
}
#else
template <typename T>
Quick<T> quick_scan(const T *v, std::int64_t begin, std::int64_t end)
{
    Quick<T> found;
    for (std::int64_t i = begin; i < end; ++i)
        found.add(v[i]);
    return found;
}
#endif

} // namespace kelvra
