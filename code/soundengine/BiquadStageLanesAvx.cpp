// Built with -mavx; reached only after the processor has been checked for AVX.
//
// Lane s holds stage s of one channel's cascade. With the stages skewed by two frames (stage s
// works on frame t - 2s at step t), each stage's input was produced two steps earlier, so the
// path from one stage to the next only has to fit into two steps, and the whole cascade advances
// one frame per step. The arithmetic, the denormal flush and the reset of a stage whose output
// turns non-finite are the scalar filters', operation for operation.
#include "code/soundengine/BiquadLanesKernel.h"

namespace
{
constexpr int kSkew = 2;
constexpr int kStages = StageLaneJob::kStages;
constexpr int kAllLanes = (1 << kStages) - 1;

__m256d laneMask(int bits)
{
    return _mm256_castsi256_pd(_mm256_set_epi64x(bits & 8 ? -1 : 0, bits & 4 ? -1 : 0,
                                                 bits & 2 ? -1 : 0, bits & 1 ? -1 : 0));
}

// [x0, v0, v1, v2]: every stage receives what the stage before it produced.
__m256d shiftIn(__m256d v, __m256d x)
{
    const __m256d low = _mm256_permute2f128_pd(v, v, 0x08); // [0, 0, v0, v1]
    return _mm256_blend_pd(_mm256_shuffle_pd(low, v, 0x4), x, 0x1);
}

struct Channel
{
    float* samples;
    __m256d b0, b1, b2, a1, a2, x1, x2, y1, y2;
    __m256d out[2]; // the stages' outputs of the last two steps, by parity of the step
};

// Edge steps leave the stages without a frame untouched.
template <bool Rounded, bool Edge> void step(Channel& c, int t, int frames)
{
    int valid = kAllLanes;
    if (Edge)
    {
        valid = 0;
        for (int s = 0; s < kStages; ++s)
            if (t - kSkew * s >= 0 && t - kSkew * s < frames) valid |= 1 << s;
    }
    const float sample = !Edge || t < frames ? c.samples[t] : 0.0f;
    const __m256d first = _mm256_cvtps_pd(flushFloats(_mm_set_ss(sample)));
    const __m256d x = shiftIn(c.out[t & 1], first);

    __m256d y = _mm256_mul_pd(c.b0, x);
    y = _mm256_add_pd(y, _mm256_mul_pd(c.b1, c.x1));
    y = _mm256_add_pd(y, _mm256_mul_pd(c.b2, c.x2));
    y = _mm256_sub_pd(y, _mm256_mul_pd(c.a1, c.y1));
    y = _mm256_sub_pd(y, _mm256_mul_pd(c.a2, c.y2));
    const __m128 single = _mm256_cvtpd_ps(y);
    const int bad = nonFiniteLanes(single, valid);
    __m256d out = _mm256_cvtps_pd(flushFloats(single));
    __m256d newY1 = out;
    if (!Rounded)
    {
        const __m256d magnitude =
            _mm256_and_pd(y, _mm256_castsi256_pd(_mm256_set1_epi64x(0x7FFFFFFFFFFFFFFF)));
        newY1 = _mm256_and_pd(
            y, _mm256_cmp_pd(magnitude, _mm256_set1_pd(2.2250738585072014e-308), _CMP_NLT_UQ));
    }
    if (Edge)
    {
        const __m256d m = laneMask(valid);
        c.x2 = _mm256_blendv_pd(c.x2, c.x1, m);
        c.x1 = _mm256_blendv_pd(c.x1, x, m);
        c.y2 = _mm256_blendv_pd(c.y2, c.y1, m);
        c.y1 = _mm256_blendv_pd(c.y1, newY1, m);
    }
    else
    {
        c.x2 = c.x1;
        c.x1 = x;
        c.y2 = c.y1;
        c.y1 = newY1;
    }
    if (bad)
    {
        // That stage starts again from silence.
        const __m256d keep = laneMask(kAllLanes ^ bad);
        c.x1 = _mm256_and_pd(c.x1, keep);
        c.x2 = _mm256_and_pd(c.x2, keep);
        c.y1 = _mm256_and_pd(c.y1, keep);
        c.y2 = _mm256_and_pd(c.y2, keep);
        out = _mm256_and_pd(out, keep);
    }
    c.out[t & 1] = out;

    const int frame = t - kSkew * (kStages - 1);
    if (!Edge || (frame >= 0 && frame < frames))
    {
        const __m128d top = _mm256_extractf128_pd(out, 1);
        c.samples[frame] = _mm_cvtss_f32(_mm_cvtpd_ps(_mm_unpackhi_pd(top, top)));
    }
}

template <bool Rounded, int Channels> void run(StageLaneJob& job)
{
    Channel channels[Channels];
    for (int n = 0; n < Channels; ++n)
    {
        Channel& c = channels[n];
        const auto& v = job.values[n];
        c.samples = job.samples[n];
        __m256d* const fields[] = {&c.b0, &c.b1, &c.b2, &c.a1, &c.a2, &c.x1, &c.x2, &c.y1, &c.y2};
        for (int f = 0; f < StageLaneJob::kValuesPerStage; ++f) *fields[f] = _mm256_load_pd(v[f]);
        c.out[0] = c.out[1] = _mm256_setzero_pd();
    }

    const int frames = job.frames;
    const int steps = frames + kSkew * (kStages - 1);
    const int fullFrom = kSkew * (kStages - 1) < steps ? kSkew * (kStages - 1) : steps;
    const int fullTo = frames > fullFrom ? frames : fullFrom;
    for (int t = 0; t < fullFrom; ++t)
        for (Channel& c : channels) step<Rounded, true>(c, t, frames);
    for (int t = fullFrom; t < fullTo; ++t)
        for (Channel& c : channels) step<Rounded, false>(c, t, frames);
    for (int t = fullTo; t < steps; ++t)
        for (Channel& c : channels) step<Rounded, true>(c, t, frames);

    for (int n = 0; n < Channels; ++n)
    {
        const Channel& c = channels[n];
        auto& v = job.values[n];
        _mm256_store_pd(v[5], c.x1);
        _mm256_store_pd(v[6], c.x2);
        _mm256_store_pd(v[7], c.y1);
        _mm256_store_pd(v[8], c.y2);
    }
}
} // namespace

void runStageLaneJobAvx(StageLaneJob& job)
{
    if (job.frames <= 0) return;
    if (job.channels == 2)
        job.roundedState ? run<true, 2>(job) : run<false, 2>(job);
    else if (job.channels == 1)
        job.roundedState ? run<true, 1>(job) : run<false, 1>(job);
}
