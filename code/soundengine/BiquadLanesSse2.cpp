#include "code/soundengine/BiquadLanesKernel.h"

namespace
{
struct Sse2Lanes
{
    using D = __m128d;
    static constexpr int kWidth = 2;

    static D load(const double* p) { return _mm_loadu_pd(p); }
    static void store(double* p, D v) { _mm_storeu_pd(p, v); }
    static D broadcast(double v) { return _mm_set1_pd(v); }
    static D add(D a, D b) { return _mm_add_pd(a, b); }
    static D sub(D a, D b) { return _mm_sub_pd(a, b); }
    static D mul(D a, D b) { return _mm_mul_pd(a, b); }
    static D abs(D v)
    {
        return _mm_and_pd(v, _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFF)));
    }
    static D notLess(D a, D b) { return _mm_cmpnlt_pd(a, b); }
    static D andMask(D v, D mask) { return _mm_and_pd(v, mask); }
    static D keepMask(int bits)
    {
        return _mm_castsi128_pd(_mm_set_epi64x(bits & 2 ? -1 : 0, bits & 1 ? -1 : 0));
    }
    static __m128 loadFloats(const float* p)
    {
        return _mm_castpd_ps(_mm_load_sd(reinterpret_cast<const double*>(p)));
    }
    static void storeFloats(float* p, __m128 f)
    {
        _mm_store_sd(reinterpret_cast<double*>(p), _mm_castps_pd(f));
    }
    static __m128 toFloats(D v) { return _mm_cvtpd_ps(v); }
    static D fromFloats(__m128 f) { return _mm_cvtps_pd(f); }
};
} // namespace

void runLaneJobSse2(LaneJob& job, int groups)
{
    if (groups == 2)
        runLaneJob<Sse2Lanes, 2>(job);
    else
        runLaneJob<Sse2Lanes, 1>(job);
}
