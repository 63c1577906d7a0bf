#pragma once

// Vector traits of the lane kernels for AVX: four doubles per register. Only for files built with
// -mavx, which run after the processor has been checked for AVX.
#include "code/soundengine/BiquadLanesKernel.h"

namespace
{
struct AvxLanes
{
    using D = __m256d;
    static constexpr int kWidth = 4;

    static D load(const double* p) { return _mm256_loadu_pd(p); }
    static void store(double* p, D v) { _mm256_storeu_pd(p, v); }
    static D broadcast(double v) { return _mm256_set1_pd(v); }
    static D add(D a, D b) { return _mm256_add_pd(a, b); }
    static D sub(D a, D b) { return _mm256_sub_pd(a, b); }
    static D mul(D a, D b) { return _mm256_mul_pd(a, b); }
    static D abs(D v)
    {
        return _mm256_and_pd(v, _mm256_castsi256_pd(_mm256_set1_epi64x(0x7FFFFFFFFFFFFFFF)));
    }
    static D notLess(D a, D b) { return _mm256_cmp_pd(a, b, _CMP_NLT_UQ); }
    static D andMask(D v, D mask) { return _mm256_and_pd(v, mask); }
    static D keepMask(int bits)
    {
        return _mm256_castsi256_pd(_mm256_set_epi64x(bits & 8 ? -1 : 0, bits & 4 ? -1 : 0,
                                                     bits & 2 ? -1 : 0, bits & 1 ? -1 : 0));
    }
    static __m128 loadFloats(const float* p) { return _mm_loadu_ps(p); }
    static void storeFloats(float* p, __m128 f) { _mm_storeu_ps(p, f); }
    static __m128 toFloats(D v) { return _mm256_cvtpd_ps(v); }
    static D fromFloats(__m128 f) { return _mm256_cvtps_pd(f); }
};
} // namespace
